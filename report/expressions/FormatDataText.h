#pragma once

#include <QString>
#include <QVariant>

namespace quitanza::report {

struct DecimalDigits;

namespace FormatText {

// The text a value shows without a display format: strings as they are,
// numbers and dates the Brazilian way ("1234,5", "25/12/2024 10:30:00"); Null is empty.
QString DefaultText(const QVariant& value);

// A float in the general form: up to 15 significant digits, decimal comma,
// exponent form ("1E20", "1,5E-5") only for very large or very small values.
QString GeneralFloatText(double value, int precision = 15);

// The digits of the powers of ten from `highest` down to `lowest`, both included.
QString DigitsOfPowers(const DecimalDigits& number, int highest, int lowest);

}  // namespace FormatText

}  // namespace quitanza::report
