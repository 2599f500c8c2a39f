#include "report/expressions/FormatDataPrintf.h"

#include "report/expressions/FormatDataConversion.h"
#include "report/expressions/FormatDataDecimal.h"
#include "report/expressions/FormatDataLocale.h"
#include "report/expressions/FormatDataText.h"

#include <optional>

namespace quitanza::report {

namespace {

struct Specifier {
  bool LeftJustified = false;
  int Width = 0;
  std::optional<int> Precision;
  QChar Type;
};

[[noreturn]] void Incompatible(const QString& format) {
  throw FormatConversionError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

QString Grouped(const QString& digits) {
  QString grouped;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += BrazilianLocale::ThousandSeparator;
    grouped += digits.at(i);
  }
  return grouped;
}

QString FixedText(double value, int decimals, bool grouping) {
  const DecimalDigits number = DecimalDigits::FromDouble(value).RoundedToDecimals(decimals);
  QString integer = FormatText::DigitsOfPowers(number, qMax(number.IntegerDigitCount(), 1) - 1, 0);
  if (grouping) integer = Grouped(integer);
  QString text = number.Negative ? QStringLiteral("-") + integer : integer;
  if (decimals > 0) text += BrazilianLocale::DecimalSeparator + FormatText::DigitsOfPowers(number, -1, -decimals);
  return text;
}

QString ExponentText(double value, int precision) {
  const DecimalDigits number = DecimalDigits::FromDouble(value, precision);
  const int exponent = number.IsZero() ? 0 : number.Exponent - 1;
  QString text = number.Negative ? QStringLiteral("-") : QString();
  text += number.DigitOfPower(number.Exponent - 1);
  if (precision > 1) {
    text += BrazilianLocale::DecimalSeparator + FormatText::DigitsOfPowers(number, number.Exponent - 2, number.Exponent - precision);
  }
  return text + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
         QStringLiteral("%1").arg(qAbs(exponent), 3, 10, QChar(u'0'));
}

QString CurrencyText(double value, int decimals) {
  const QString amount = FixedText(qAbs(value), decimals, true);
  const QString text = BrazilianLocale::CurrencyString() + u' ' + amount;
  return value < 0 && amount != FixedText(0, decimals, true) ? u'-' + text : text;
}

QString IntegerText(qint64 value, QChar type, std::optional<int> precision) {
  QString digits = type == u'd'   ? QString::number(qAbs(value))
                   : type == u'u' ? QString::number(static_cast<quint64>(value))
                                  : QString::number(static_cast<quint64>(value), 16).toUpper();
  const bool minus = type == u'd' && value < 0;
  if (precision && digits.size() < *precision) digits = QString(*precision - digits.size(), u'0') + digits;
  return minus ? u'-' + digits : digits;
}

QString FloatText(double value, QChar type, std::optional<int> precision) {
  switch (type.unicode()) {
    case u'f': return FixedText(value, precision.value_or(2), false);
    case u'n': return FixedText(value, precision.value_or(2), true);
    case u'm': return CurrencyText(value, precision.value_or(BrazilianLocale::CurrencyDecimals));
    case u'e': return ExponentText(value, qBound(1, precision.value_or(15), 18));
    default: return FormatText::GeneralFloatText(value, qBound(1, precision.value_or(15), 18));
  }
}

QString ArgumentText(const Specifier& specifier, const PrintfArgument& argument, const QString& format) {
  const QChar type = specifier.Type.toLower();
  if (type == u's') {
    const QString text = std::holds_alternative<qint64>(argument) ? QString::number(std::get<qint64>(argument))
                                                                   : FormatText::GeneralFloatText(std::get<double>(argument));
    return specifier.Precision ? text.left(*specifier.Precision) : text;
  }
  if (type == u'd' || type == u'u' || type == u'x') {
    if (!std::holds_alternative<qint64>(argument)) Incompatible(format);
    return IntegerText(std::get<qint64>(argument), type, specifier.Precision);
  }
  if (QStringLiteral("fnmeg").contains(type)) {
    if (!std::holds_alternative<double>(argument)) Incompatible(format);
    return FloatText(std::get<double>(argument), type, specifier.Precision);
  }
  Incompatible(format);
}

// Reads the specifier after the '%' at `at`, leaving `at` on its type character.
Specifier ReadSpecifier(const QString& format, qsizetype& at) {
  Specifier specifier;
  auto readNumber = [&]() {
    int number = 0;
    while (at < format.size() && format.at(at).isDigit() && number < 100000) number = number * 10 + format.at(at++).digitValue();
    return number;
  };
  ++at;
  if (at < format.size() && format.at(at) == u'-') {
    specifier.LeftJustified = true;
    ++at;
  }
  specifier.Width = readNumber();
  if (at < format.size() && format.at(at) == u'.') {
    ++at;
    specifier.Precision = readNumber();
  }
  if (at >= format.size()) Incompatible(format);
  specifier.Type = format.at(at);
  return specifier;
}

}  // namespace

QString FormatPrintf(const QString& format, const PrintfArgument& argument) {
  QString text;
  bool argumentUsed = false;
  for (qsizetype at = 0; at < format.size(); ++at) {
    if (format.at(at) != u'%') {
      text += format.at(at);
      continue;
    }
    if (at + 1 < format.size() && format.at(at + 1) == u'%') {
      text += u'%';
      ++at;
      continue;
    }
    const Specifier specifier = ReadSpecifier(format, at);
    if (argumentUsed) Incompatible(format);
    argumentUsed = true;
    const QString value = ArgumentText(specifier, argument, format);
    text += specifier.LeftJustified ? value.leftJustified(specifier.Width) : value.rightJustified(specifier.Width);
  }
  return text;
}

}  // namespace quitanza::report
