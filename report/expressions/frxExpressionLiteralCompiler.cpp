#include "report/expressions/frxExpressionLiteralCompiler.h"

#include "report/expressions/frxExpressionError.h"

namespace {

class ConstantExpression : public TfrxCompiledExpression {
public:
  explicit ConstantExpression(QVariant value) : FValue(std::move(value)) {}
  QVariant Run() override { return FValue; }

private:
  QVariant FValue;
};

[[noreturn]] void Refuse(const QString& message) { throw TfrxExpressionCompileError(message); }

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

std::unique_ptr<TfrxCompiledExpression> TfrxLiteralCompiler::Compile(const TfrxExpressionFunction& function) {
  const QString expression = function.Expression.trimmed();
  if (expression.isEmpty()) Refuse(QStringLiteral("Expression expected"));
  if (StartsIdentifier(expression.front())) {
    Refuse(QStringLiteral("Undeclared identifier: '%1'").arg(LeadingIdentifier(expression)));
  }
  if (expression.front() != u'\'') RefuseWithoutEngine();
  return std::make_unique<ConstantExpression>(LiteralText(expression));
}

// Compiled literals keep nothing in a script, so there is nothing to forget.
void TfrxLiteralCompiler::Clear() {}
