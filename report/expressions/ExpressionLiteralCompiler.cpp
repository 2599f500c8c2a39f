#include "report/expressions/ExpressionLiteralCompiler.h"

#include "report/expressions/ExpressionError.h"

namespace quitanza::report {

namespace {

class ConstantExpression : public CompiledExpression {
public:
  explicit ConstantExpression(QVariant value) : m_value(std::move(value)) {}
  QVariant Run() override { return m_value; }

private:
  QVariant m_value;
};

[[noreturn]] void Refuse(const QString& message) { throw ExpressionCompileError(message); }

[[noreturn]] void RefuseWithoutEngine() {
  Refuse(QStringLiteral("Only quoted text literals can be evaluated: no script engine is available"));
}

bool StartsIdentifier(QChar c) { return c.isLetter() || c == u'_'; }

QString LeadingIdentifier(const QString& expression) {
  qsizetype end = 1;
  while (end < expression.size() && (expression.at(end).isLetterOrNumber() || expression.at(end) == u'_')) ++end;
  return expression.left(end);
}

// The quoted literal `expression` starts with: its text, and where it ends
// (after its closing quote; -1 when it has none).
struct ScannedLiteral {
  QString Text;
  qsizetype End = -1;
};

ScannedLiteral ScanLiteral(QStringView expression) {
  ScannedLiteral literal;
  for (qsizetype at = 1;;) {
    const qsizetype quote = expression.indexOf(u'\'', at);
    if (quote < 0) return literal;
    literal.Text += expression.sliced(at, quote - at);
    if (quote + 1 < expression.size() && expression.at(quote + 1) == u'\'') {
      literal.Text += u'\'';
      at = quote + 2;
      continue;
    }
    literal.End = quote + 1;
    return literal;
  }
}

// The text of the quoted literal that makes up all of `expression`.
QString LiteralText(const QString& expression) {
  ScannedLiteral literal = ScanLiteral(expression);
  if (literal.End < 0) Refuse(QStringLiteral("Unterminated string"));
  if (literal.End < expression.size()) RefuseWithoutEngine();
  return std::move(literal.Text);
}

}  // namespace

std::optional<QString> QuotedTextLiteral(QStringView expression) {
  expression = expression.trimmed();
  if (expression.isEmpty() || expression.front() != u'\'') return std::nullopt;
  ScannedLiteral literal = ScanLiteral(expression);
  if (literal.End != expression.size()) return std::nullopt;
  return std::move(literal.Text);
}

std::unique_ptr<CompiledExpression> LiteralCompiler::Compile(const report::ExpressionFunction& function) {
  const QString expression = function.Expression.trimmed();
  if (expression.isEmpty()) Refuse(QStringLiteral("Expression expected"));
  if (StartsIdentifier(expression.front())) {
    Refuse(QStringLiteral("Undeclared identifier: '%1'").arg(LeadingIdentifier(expression)));
  }
  if (expression.front() != u'\'') RefuseWithoutEngine();
  return std::make_unique<ConstantExpression>(LiteralText(expression));
}

// Compiled literals keep nothing in a script, so there is nothing to forget.
void LiteralCompiler::Clear() {}

}  // namespace quitanza::report
