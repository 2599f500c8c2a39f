#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "report/model/PropTable.h"

namespace quitanza::report {

// Conditional look of a memo: when Condition evaluates true the memo is drawn
// with this font and colour.
class Highlight {
public:
  bool Active = false;
  platform::Font Font;
  platform::Color Color = platform::clNone;
  QString Condition;

  static const PropTable& Props();
};

}  // namespace quitanza::report
