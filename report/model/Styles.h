#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "report/model/Frame.h"
#include "report/model/PropTable.h"

#include <QString>

#include <vector>

namespace quitanza::report {

// A named look (colour, font, frame) that memos may refer to by name.
class StyleItem {
public:
  QString Name;
  platform::Color Color = platform::clNone;
  platform::Font Font;
  report::Frame Frame;

  static const PropTable& Props();
};

class Styles {
public:
  std::vector<StyleItem> Items;
  void Clear() { Items.clear(); }
};

}  // namespace quitanza::report
