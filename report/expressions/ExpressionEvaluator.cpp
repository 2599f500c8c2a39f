#include "report/expressions/ExpressionEvaluator.h"

#include "report/expressions/ExpressionError.h"
#include "report/expressions/ExpressionLiteralCompiler.h"

#include <QScopeGuard>

namespace quitanza::report {

namespace {

bool IsAggregateCall(const QString& name) {
  const QString compact = name.simplified().remove(u' ').toUpper();
  for (const auto prefix : {u"SUM(", u"MIN(", u"MAX(", u"AVG(", u"COUNT("}) {
    if (compact.startsWith(prefix)) return true;
  }
  return false;
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator(ExpressionHost& host,
                                         std::unique_ptr<ExpressionCompiler> compiler)
    : m_host(host), m_cache(std::move(compiler)) {}

QVariant ExpressionEvaluator::Calc(const QString& expression) {
  // Report variables hold quoted texts, a new one for every receipt issued:
  // a text is no name, and compiling and caching each would cost more than
  // reading it.
  if (std::optional<QString> text = QuotedTextLiteral(expression)) return *text;
  if (std::optional<QVariant> named = ResolveName(expression)) return *named;
  return RunCompiled(expression);
}

std::optional<QVariant> ExpressionEvaluator::ResolveName(const QString& name) {
  if (auto value = m_host.FindDataFieldValue(name)) return value;
  if (auto value = m_host.FindSystemVariable(name)) return value;
  if (QVariant value = m_host.ValueFromCallbacks(name); value.isValid()) return value;
  if (auto value = m_host.FindReportVariable(name)) return ReportVariableValue(name, *value);
  if (auto value = m_host.FindGlobalVariable(name)) return value;
  return m_host.FindScriptVariable(name);
}

QVariant ExpressionEvaluator::Get(const QString& name) {
  if (std::optional<QVariant> value = ResolveName(name)) return *value;
  if (IsAggregateCall(name)) return Calc(name);
  m_host.AddError(QStringLiteral("Unknown variable or datafield: ") + name);
  return {};
}

void ExpressionEvaluator::Set(const QString& name, const QVariant& value) { m_host.SetReportVariable(name, value); }

void ExpressionEvaluator::ClearCache() { m_cache.Clear(m_host.CaseSensitiveExpressions()); }

QVariant ExpressionEvaluator::ReportVariableValue(const QString& name, const QVariant& value) {
  if (value.typeId() != QMetaType::QString) return value;
  const QString expression = value.toString();
  if (expression.contains(QStringLiteral("\r\n"))) return value;
  // A variable reached again while it is being evaluated would recurse forever.
  if (m_variablesInEvaluation.contains(name, Qt::CaseInsensitive)) {
    Fail(QStringLiteral("Circular reference in variable '%1'").arg(name));
  }
  m_variablesInEvaluation.append(name);
  const auto leave = qScopeGuard([this] { m_variablesInEvaluation.removeLast(); });
  return Calc(expression);
}

QVariant ExpressionEvaluator::RunCompiled(const QString& expression) {
  CompiledExpression* compiled = nullptr;
  try {
    compiled = &m_cache.Find(expression, m_host.ScriptLanguage());
  } catch (const ExpressionCompileError& error) {
    Fail(QStringLiteral("Error in expression '%1': %2").arg(expression, error.Message()));
  }
  try {
    return compiled->Run();
  } catch (const ExpressionRuntimeError& error) {
    if (error.Message() == DivisionByZeroMessage() && m_host.IgnoreDevByZero()) return {};
    Fail(error.Message());
  }
}

void ExpressionEvaluator::Fail(const QString& errorText) {
  const QString object = m_host.CurObject();
  const QString text = object.isEmpty() ? errorText : object + QStringLiteral(": ") + errorText;
  m_host.AddError(text);
  throw ExpressionError(text);
}

}  // namespace quitanza::report
