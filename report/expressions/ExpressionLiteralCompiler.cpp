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

// The text of the quoted literal that makes up all of `expression`.
QString LiteralText(const QString& expression) {
  QString text;
  qsizetype at = 1;
  for (;; ++at) {
    if (at >= expression.size()) Refuse(QStringLiteral("Unterminated string"));
    if (expression.at(at) != u'\'') {
      text += expression.at(at);
    } else if (at + 1 < expression.size() && expression.at(at + 1) == u'\'') {
      text += u'\'';
      ++at;
    } else {
      break;
    }
  }
  if (at + 1 < expression.size()) RefuseWithoutEngine();
  return text;
}

}  // namespace

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
