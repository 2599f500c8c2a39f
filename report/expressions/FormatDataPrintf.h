#pragma once

#include <QString>

#include <variant>

namespace quitanza::report {

// The single argument a printf-style display format is applied to.
using PrintfArgument = std::variant<qint64, double>;

// Formats one argument with a printf-style format, the classic way:
// "%" ["-"] [width] ["." precision] type, types
//   d u x     integers (precision: minimum digits)
//   f n m     fixed, with thousands points, currency "R$ 1.234,56" (precision: decimals, default 2)
//   e g       exponent form and general form (precision: significant digits, default 15)
//   s         the argument's text (precision: maximum length)
// and "%%" for a percent sign. Decimal comma. Throws FormatConversionError when a
// specifier does not fit the argument or there are more specifiers than arguments.
QString FormatPrintf(const QString& format, const PrintfArgument& argument);

}  // namespace quitanza::report
