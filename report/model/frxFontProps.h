#pragma once

#include "platform/graphics/Font.h"
#include "report/expressions/frxFormat.h"
#include "report/model/frxPropTable.h"

// Published properties of the value types shared with the rest of the
// program: the font (Size is read but never written) and the display format.
const TfrxPropTable& frxFontProps();
const TfrxPropTable& frxFormatProps();
