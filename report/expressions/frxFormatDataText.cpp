#include "report/expressions/frxFormatDataText.h"

#include "report/expressions/frxFormatDataConversion.h"
#include "report/expressions/frxFormatDataDateTime.h"
#include "report/expressions/frxFormatDataDecimal.h"
#include "report/expressions/frxFormatDataLocale.h"

#include <cmath>

namespace FormatText {
namespace {

QString DateTimeText(const TfrxDateTimeValue& moment) {
  return FormatDateTimePattern(QStringLiteral("c"), moment);
}

}  // namespace

QString DigitsOfPowers(const TfrxDecimalDigits& number, int highest, int lowest) {
  QString digits;
  for (int power = highest; power >= lowest; --power) digits += number.DigitOfPower(power);
  return digits;
}

QString GeneralFloatText(double value, int precision) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  const TfrxDecimalDigits number = TfrxDecimalDigits::FromDouble(value, precision);
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
