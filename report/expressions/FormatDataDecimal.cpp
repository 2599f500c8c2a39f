#include "report/expressions/FormatDataDecimal.h"

#include "report/expressions/FormatDataConversion.h"

#include <cmath>

namespace quitanza::report {

DecimalDigits DecimalDigits::FromDouble(double value, int significantDigits) {
  if (!std::isfinite(value)) throw FormatConversionError(QStringLiteral("Invalid floating point value"));
  // "d.ddde+XX": printf does the correctly rounded conversion.
  const QString scientific = QString::number(std::fabs(value), 'e', qMax(significantDigits, 1) - 1);
  const qsizetype exponentAt = scientific.indexOf(u'e');
  DecimalDigits result;
  result.Negative = value < 0;
  result.Digits = scientific.left(exponentAt).remove(u'.');
  result.Exponent = scientific.mid(exponentAt + 1).toInt() + 1;
  result.Normalise();
  return result;
}

QChar DecimalDigits::DigitOfPower(int power) const {
  const int index = Exponent - 1 - power;
  return index >= 0 && index < Digits.size() ? Digits.at(index) : QChar(u'0');
}

DecimalDigits DecimalDigits::RoundedToDecimals(int decimals) const {
  return KeepingDigits(Exponent + decimals);
}

DecimalDigits DecimalDigits::RoundedToSignificant(int count) const { return KeepingDigits(count); }

DecimalDigits DecimalDigits::KeepingDigits(int count) const {
  if (count >= Digits.size()) return *this;
  DecimalDigits result = *this;
  if (count < 0) {
    result.Digits.clear();
  } else {
    result.Digits = Digits.left(count);
    if (Digits.at(count) >= u'5') {
      int i = count - 1;
      while (i >= 0 && result.Digits.at(i) == u'9') result.Digits[i--] = u'0';
      if (i >= 0) {
        result.Digits[i] = QChar(result.Digits.at(i).unicode() + 1);
      } else {
        result.Digits.prepend(u'1');
        ++result.Exponent;
      }
    }
  }
  result.Normalise();
  return result;
}

void DecimalDigits::Normalise() {
  qsizetype leading = 0;
  while (leading < Digits.size() && Digits.at(leading) == u'0') ++leading;
  Digits.remove(0, leading);
  Exponent -= int(leading);
  while (!Digits.isEmpty() && Digits.back() == u'0') Digits.chop(1);
  if (Digits.isEmpty()) {
    Negative = false;
    Exponent = 0;
  }
}

}  // namespace quitanza::report
