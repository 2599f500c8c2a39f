#include "report/expressions/FormatDataText.h"

#include "report/expressions/FormatDataConversion.h"
#include "report/expressions/FormatDataDateTime.h"
#include "report/expressions/FormatDataDecimal.h"
#include "report/expressions/FormatDataLocale.h"

#include <cmath>

namespace quitanza::report {

namespace FormatText {
namespace {

QString DateTimeText(const DateTimeValue& moment) {
  return FormatDateTimePattern(QStringLiteral("c"), moment);
}

}  // namespace

QString DigitsOfPowers(const DecimalDigits& number, int highest, int lowest) {
  QString digits;
  for (int power = highest; power >= lowest; --power) digits += number.DigitOfPower(power);
  return digits;
}

QString GeneralFloatText(double value, int precision) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  const DecimalDigits number = DecimalDigits::FromDouble(value, precision);
  if (number.IsZero()) return QStringLiteral("0");
  QString text = number.Negative ? QStringLiteral("-") : QString();
  if (number.Exponent > precision || number.Exponent < -3) {
    text += number.Digits.front();
    if (number.Digits.size() > 1) text += BrazilianLocale::DecimalSeparator + number.Digits.mid(1);
    return text + u'E' + QString::number(number.Exponent - 1);
  }
  text += number.Exponent > 0 ? DigitsOfPowers(number, number.Exponent - 1, 0) : QStringLiteral("0");
  const int decimals = number.DecimalDigitCount();
  if (decimals > 0) text += BrazilianLocale::DecimalSeparator + DigitsOfPowers(number, -1, -decimals);
  return text;
}

QString DefaultText(const QVariant& value) {
  if (!value.isValid()) return {};
  switch (value.typeId()) {
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
      return GeneralFloatText(value.toDouble());
    case QMetaType::QDate:
    case QMetaType::QDateTime:
      return DateTimeText(FormatConversion::ToDateTime(value));
    case QMetaType::QTime:
      return FormatDateTimePattern(BrazilianLocale::LongTimeFormat(), FormatConversion::ToDateTime(value));
    default:
      return value.toString();
  }
}

}  // namespace FormatText

}  // namespace quitanza::report
