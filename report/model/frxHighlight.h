#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "report/model/frxPropTable.h"

// Conditional look of a memo: when Condition evaluates true the memo is drawn
// with this font and colour.
class TfrxHighlight {
public:
  bool Active = false;
  quitanza::platform::Font Font;
  quitanza::platform::Color Color = quitanza::platform::clNone;
  QString Condition;

  static const TfrxPropTable& Props();
};
