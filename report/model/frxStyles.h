#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "report/model/frxFrame.h"
#include "report/model/frxPropTable.h"

#include <QString>

#include <vector>

// A named look (colour, font, frame) that memos may refer to by name.
class TfrxStyleItem {
public:
  QString Name;
  quitanza::platform::Color Color = quitanza::platform::clNone;
  quitanza::platform::Font Font;
  TfrxFrame Frame;

  static const TfrxPropTable& Props();
};

class TfrxStyles {
public:
  std::vector<TfrxStyleItem> Items;
  void Clear() { Items.clear(); }
};
