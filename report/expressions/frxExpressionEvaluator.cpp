#include "report/expressions/frxExpressionEvaluator.h"

#include "report/expressions/frxExpressionError.h"

#include <QScopeGuard>

namespace {

bool IsAggregateCall(const QString& name) {
  const QString compact = name.simplified().remove(u' ').toUpper();
  for (const auto prefix : {u"SUM(", u"MIN(", u"MAX(", u"AVG(", u"COUNT("}) {
    if (compact.startsWith(prefix)) return true;
  }
  return false;
}

}  // namespace

TfrxExpressionEvaluator::TfrxExpressionEvaluator(TfrxExpressionHost& host,
                                                 std::unique_ptr<TfrxExpressionCompiler> compiler)
    : FHost(host), FCache(std::move(compiler)) {}

QVariant TfrxExpressionEvaluator::Calc(const QString& expression) {
  if (std::optional<QVariant> named = ResolveName(expression)) return *named;
  return RunCompiled(expression);
}

std::optional<QVariant> TfrxExpressionEvaluator::ResolveName(const QString& name) {
  if (auto value = FHost.FindDataFieldValue(name)) return value;
  if (auto value = FHost.FindSystemVariable(name)) return value;
  if (QVariant value = FHost.ValueFromCallbacks(name); value.isValid()) return value;
  if (auto value = FHost.FindReportVariable(name)) return ReportVariableValue(name, *value);
  if (auto value = FHost.FindGlobalVariable(name)) return value;
  return FHost.FindScriptVariable(name);
}

QVariant TfrxExpressionEvaluator::Get(const QString& name) {
  if (std::optional<QVariant> value = ResolveName(name)) return *value;
  if (IsAggregateCall(name)) return Calc(name);
  FHost.AddError(QStringLiteral("Unknown variable or datafield: ") + name);
  return {};
}

void TfrxExpressionEvaluator::Set(const QString& name, const QVariant& value) { FHost.SetReportVariable(name, value); }

void TfrxExpressionEvaluator::ClearCache() { FCache.Clear(FHost.CaseSensitiveExpressions()); }

QVariant TfrxExpressionEvaluator::ReportVariableValue(const QString& name, const QVariant& value) {
  if (value.typeId() != QMetaType::QString) return value;
  const QString expression = value.toString();
  if (expression.contains(QStringLiteral("\r\n"))) return value;
  // A variable reached again while it is being evaluated would recurse forever.
  if (FVariablesInEvaluation.contains(name, Qt::CaseInsensitive)) {
    Fail(QStringLiteral("Circular reference in variable '%1'").arg(name));
  }
  FVariablesInEvaluation.append(name);
  const auto leave = qScopeGuard([this] { FVariablesInEvaluation.removeLast(); });
  return Calc(expression);
}

QVariant TfrxExpressionEvaluator::RunCompiled(const QString& expression) {
  TfrxCompiledExpression* compiled = nullptr;
  try {
    compiled = &FCache.Find(expression, FHost.ScriptLanguage());
  } catch (const TfrxExpressionCompileError& error) {
    Fail(QStringLiteral("Error in expression '%1': %2").arg(expression, error.Message()));
  }
  try {
    return compiled->Run();
  } catch (const TfrxExpressionRuntimeError& error) {
    if (error.Message() == DivisionByZeroMessage() && FHost.IgnoreDevByZero()) return {};
    Fail(error.Message());
  }
}

void TfrxExpressionEvaluator::Fail(const QString& errorText) {
  const QString object = FHost.CurObject();
  const QString text = object.isEmpty() ? errorText : object + QStringLiteral(": ") + errorText;
  FHost.AddError(text);
  throw TfrxExpressionError(text);
}
