#pragma once

#include <QString>

namespace quitanza::report {

// A number as its decimal digits: value = 0.Digits x 10^Exponent, with the
// sign apart. Formatting works on these digits so that rounding follows the
// decimal text people see (2.675 to two decimals is 2.68), not the binary value.
struct DecimalDigits {
  bool Negative = false;
  QString Digits;  // significant digits, no leading or trailing zeros; empty for zero
  int Exponent = 0;

  // The value rounded to `significantDigits` digits; throws FormatConversionError for NaN and infinity.
  static DecimalDigits FromDouble(double value, int significantDigits = 15);

  bool IsZero() const { return Digits.isEmpty(); }
  // Digit of the power of ten `power` (0 = units, -1 = tenths); '0' outside the digits.
  QChar DigitOfPower(int power) const;
  int IntegerDigitCount() const { return IsZero() ? 0 : qMax(Exponent, 0); }
  int DecimalDigitCount() const { return qMax(0, int(Digits.size()) - Exponent); }

  // Rounded half away from zero.
  DecimalDigits RoundedToDecimals(int decimals) const;
  DecimalDigits RoundedToSignificant(int count) const;

private:
  DecimalDigits KeepingDigits(int count) const;
  void Normalise();
};

}  // namespace quitanza::report
