#pragma once

#include "platform/graphics/Font.h"
#include "report/expressions/Format.h"
#include "report/model/PropTable.h"

namespace quitanza::report {

// Published properties of the value types shared with the rest of the
// program: the font (Size is read but never written) and the display format.
const PropTable& FontProps();
const PropTable& FormatProps();

}  // namespace quitanza::report
