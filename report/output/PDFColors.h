#pragma once

#include "platform/graphics/Color.h"

#include <QByteArray>

namespace quitanza::report {

// The three numbers that follow "RG" or "rg" for an object colour: black is
// "0 0 0", white "1 1 1", any other colour its components / 255 with two
// decimals ("1.00 0.50 0.00"); clNone gives "1.00 1.00 1.00". System colours
// (0xFF0000nn) must be resolved by the caller first: they throw
// std::invalid_argument, since guessing would paint the wrong colour.
QByteArray PdfColorText(platform::Color color);

// The page background's form: per component "0" for 0, "1" for 255, else
// "0." and v x 100 div 256 as two digits (128 -> "0.50", 10 -> "0.03").
QByteArray PdfPageColorText(platform::Color color);

}  // namespace quitanza::report
