#pragma once

#include "platform/graphics/Font.h"
#include "report/expressions/Format.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace quitanza::report {

// What a memo contributes to the value of its bracketed expressions.
struct MemoExpressionSettings {
  report::Format DisplayFormat;
  bool HideZeros = false;
  std::uint8_t FontCharset = platform::DEFAULT_CHARSET;
  bool UseDefaultCharset = false;
};

// A bracket text split at its first " #" into the expression and the display format
// written after it ("Total #n%2,2f": Total, numeric "%2.2f" with decimal comma).
// A format part containing ')' is no format: the whole text is the expression.
struct ExpressionWithFormat {
  QString Expression;
  std::optional<report::Format> Format;

  static ExpressionWithFormat Split(const QString& bracketText);
};

// Evaluates one expression; the report's Calc.
using CalcFunc = std::function<QVariant(const QString& expression)>;

struct ExpressionText {
  QString Text;
  std::optional<QVariant> Value;  // the evaluated value, to become the memo's Value; none for placeholders
};

// The text that replaces one bracketed expression of a memo: "[TotalPages#]" and
// "[CopyName#]" placeholders for TOTALPAGES# and COPYNAME# (filled in at drawing time,
// see ExtractMacros), otherwise calc(expression) formatted by the bracket's own format or
// the memo's DisplayFormat, with zeros hidden when asked. Errors of `calc` propagate.
ExpressionText ExpressionValueText(const QString& bracketText, const MemoExpressionSettings& settings,
                                   const CalcFunc& calc);

}  // namespace quitanza::report
