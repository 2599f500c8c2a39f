#include "report/expressions/FormatData.h"

#include "report/expressions/FormatDataConversion.h"
#include "report/expressions/FormatDataDateTime.h"
#include "report/expressions/FormatDataFloatPattern.h"
#include "report/expressions/FormatDataLocale.h"
#include "report/expressions/FormatDataPrintf.h"
#include "report/expressions/FormatDataText.h"

namespace quitanza::report {

namespace {

QString NumericText(const QVariant& value, const QString& formatStr) {
  // Without a format string nothing would be shown at all.
  if (formatStr.isEmpty()) return FormatText::DefaultText(value);
  if (formatStr.contains(u'#') || formatStr.startsWith(u'0')) {
    return FormatFloatPattern(formatStr, FormatConversion::ToFloat(value));
  }
  if (formatStr.contains(u'd') || formatStr.contains(u'u')) {
    return FormatPrintf(formatStr, FormatConversion::ToInteger(value));
  }
  return FormatPrintf(formatStr, FormatConversion::ToFloat(value));
}

// Both separators are swapped in one pass, so a format asking for "1,234.56"
// does not turn its new decimal point into a thousands comma.
QString WithSeparators(const QString& text, const Format& format) {
  const bool replaceDecimal =
      format.DecimalSeparator.size() == 1 && format.DecimalSeparator.front() != BrazilianLocale::DecimalSeparator;
  const bool replaceThousands =
      format.ThousandSeparator.size() == 1 && format.ThousandSeparator.front() != BrazilianLocale::ThousandSeparator;
  const qsizetype decimalAt = replaceDecimal ? text.lastIndexOf(BrazilianLocale::DecimalSeparator) : -1;
  QString result = text;
  for (qsizetype i = 0; i < result.size(); ++i) {
    if (i == decimalAt) {
      result[i] = format.DecimalSeparator.front();
    } else if (replaceThousands && text.at(i) == BrazilianLocale::ThousandSeparator) {
      result[i] = format.ThousandSeparator.front();
    }
  }
  return result;
}

QString BooleanText(const QVariant& value, const QString& formatStr) {
  const qsizetype comma = formatStr.indexOf(u',');
  if (comma < 0) {
    throw FormatConversionError(QStringLiteral("Boolean format '%1' needs two texts separated by a comma").arg(formatStr));
  }
  return FormatConversion::ToBoolean(value) ? formatStr.left(comma) : formatStr.mid(comma + 1);
}

QString FormattedText(const QVariant& value, const Format& format) {
  switch (format.Kind) {
    case FormatKind::Numeric: return WithSeparators(NumericText(value, format.FormatStr), format);
    case FormatKind::DateTime: {
      // No pattern means the general date and time form.
      const QString pattern = format.FormatStr.isEmpty() ? QStringLiteral("c") : format.FormatStr;
      return FormatDateTimePattern(pattern, FormatConversion::ToDateTime(value));
    }
    case FormatKind::Boolean: return BooleanText(value, format.FormatStr);
    case FormatKind::Text: break;
  }
  return FormatText::DefaultText(value);
}

}  // namespace

QString FormatData(const QVariant& value, const Format& format) {
  if (!value.isValid()) return {};
  try {
    return FormattedText(value, format);
  } catch (const FormatConversionError&) {
    // By design: a value the format cannot take is shown as it is.
    return FormatText::DefaultText(value);
  }
}

}  // namespace quitanza::report
