#pragma once

#include <QString>

namespace quitanza::report {

// Formats a number with the classic numeric pattern language:
//   0   a digit, always shown          #   a digit, shown when significant
//   .   the decimal separator (first one only)   ,   thousands grouping (anywhere in the section)
//   E+ E- e+ e-   exponent form; the zeros after the sign give its minimum digit count
//   "text" 'text' copied unchanged; any other character is copied as it is
//   ;   separates sections: positive;negative;zero. Without a negative section the
//       positive one is used with a leading minus; without a zero section, the positive one.
// Output uses the Brazilian separators (decimal comma, thousands point).
QString FormatFloatPattern(const QString& pattern, double value);

}  // namespace quitanza::report
