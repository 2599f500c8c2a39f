#include "report/expressions/ExpressionValue.h"

#include "report/expressions/ExpressionCharset.h"
#include "report/expressions/FormatData.h"
#include "report/expressions/FormatDataConversion.h"

namespace quitanza::report {

using namespace platform;

namespace {

FormatKind KindOf(QChar letter) {
  switch (letter.toLower().unicode()) {
    case u'n': return FormatKind::Numeric;
    case u'd':
    case u't': return FormatKind::DateTime;
    case u'b': return FormatKind::Boolean;
    default: return FormatKind::Text;
  }
}

Format FormatOf(const QString& formatPart) {
  Format format;
  if (formatPart.isEmpty()) return format;
  format.Kind = KindOf(formatPart.front());
  format.FormatStr = formatPart.mid(1);
  if (format.Kind == FormatKind::Numeric) {
    for (QChar& c : format.FormatStr) {
      if (c == u',' || c == u'-' || c == u'.') {
        format.DecimalSeparator = c;
        c = u'.';
      }
    }
  }
  return format;
}

bool IsZeroNumber(const QVariant& value) { return FormatConversion::IsNumber(value) && value.toDouble() == 0; }

}  // namespace

ExpressionWithFormat ExpressionWithFormat::Split(const QString& bracketText) {
  const qsizetype at = bracketText.indexOf(QStringLiteral(" #"));
  if (at < 0) return {bracketText, std::nullopt};
  const QString formatPart = bracketText.mid(at + 2);
  if (formatPart.contains(u')')) return {bracketText, std::nullopt};
  return {bracketText.left(at), FormatOf(formatPart)};
}

ExpressionText ExpressionValueText(const QString& bracketText, const MemoExpressionSettings& settings,
                                   const CalcFunc& calc) {
  const ExpressionWithFormat split = ExpressionWithFormat::Split(bracketText);
  if (split.Expression.compare(QStringLiteral("TOTALPAGES#"), Qt::CaseInsensitive) == 0) {
    return {QStringLiteral("[TotalPages#]"), std::nullopt};
  }
  if (split.Expression.compare(QStringLiteral("COPYNAME#"), Qt::CaseInsensitive) == 0) {
    return {QStringLiteral("[CopyName#]"), std::nullopt};
  }
  const bool ownCharset = settings.FontCharset != DEFAULT_CHARSET && !settings.UseDefaultCharset;
  const QVariant value =
      calc(ownCharset ? RoundTripThroughCharset(split.Expression, settings.FontCharset) : split.Expression);
  if (settings.HideZeros && IsZeroNumber(value)) return {QString(), value};
  return {FormatData(value, split.Format.value_or(settings.DisplayFormat)), value};
}

}  // namespace quitanza::report
