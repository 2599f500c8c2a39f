#pragma once

#include "report/expressions/ExpressionCache.h"
#include "report/expressions/ExpressionHost.h"

#include <QStringList>

#include <optional>

namespace quitanza::report {

// The report's Calc, Get and Set. The report owns one evaluator and is its host.
class ExpressionEvaluator {
public:
  // Without a script engine, pass a LiteralCompiler.
  ExpressionEvaluator(ExpressionHost& host, std::unique_ptr<ExpressionCompiler> compiler);

  // The value of `expression`: a name when one resolves (see ResolveName), else the
  // compiled expression's result. On failure the error text ("Error in expression
  // 'X': Undeclared identifier: 'X'", prefixed by "<CurObject>: " when there is a
  // current object) is added to the host's errors and thrown as ExpressionError;
  // a division by zero gives Null instead when the host ignores it.
  QVariant Calc(const QString& expression);

  // First match of: data field, system variable, application callbacks, report
  // variable (a string value is an expression: evaluated with Calc unless it holds
  // CR LF, then taken as it stands), global variable, script variable.
  std::optional<QVariant> ResolveName(const QString& name);

  // The script function Get(Name): the resolved name; an aggregate call such as
  // "SUM(...)" is evaluated with Calc; otherwise "Unknown variable or datafield: Name"
  // is added to the host's errors (nothing is thrown) and the result is Null.
  QVariant Get(const QString& name);
  // The script function Set(Name, Value): stores a report variable.
  void Set(const QString& name, const QVariant& value);

  // Called at the start of each preparation.
  void ClearCache();

private:
  ExpressionHost& m_host;
  ExpressionCache m_cache;
  QStringList m_variablesInEvaluation;

  QVariant ReportVariableValue(const QString& name, const QVariant& value);
  QVariant RunCompiled(const QString& expression);
  [[noreturn]] void Fail(const QString& errorText);
};

}  // namespace quitanza::report
