#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace quitanza::report {

// What expression evaluation needs from its report. Each Find... answers whether
// the name is known there (a known name may hold Null) and its value; names
// match ignoring case unless a method says otherwise.
class ExpressionHost {
public:
  virtual ~ExpressionHost() = default;

  // A data set field named by the expression ("DataSet."Field""), with ConvertNulls applied.
  virtual std::optional<QVariant> FindDataFieldValue(const QString& expression) = 0;
  // "Date", "Time", "Page", "Page#", ... (see ExpressionSystemVariables.h).
  virtual std::optional<QVariant> FindSystemVariable(const QString& name) = 0;
  // The application's OnGetValue / OnNewGetValue answer; Null when they give none.
  virtual QVariant ValueFromCallbacks(const QString& name) = 0;
  // The report variable's raw value: an expression text when it is a string.
  virtual std::optional<QVariant> FindReportVariable(const QString& name) = 0;
  virtual std::optional<QVariant> FindGlobalVariable(const QString& name) = 0;
  // A variable of the report's main script (not a procedure or method).
  virtual std::optional<QVariant> FindScriptVariable(const QString& name) = 0;
  virtual void SetReportVariable(const QString& name, const QVariant& value) = 0;

  // Name of the object being processed, prefixed to error messages; empty outside preparation.
  virtual QString CurObject() const = 0;
  // Adds to the report's Errors list (sorted, without duplicates).
  virtual void AddError(const QString& text) = 0;
  virtual bool IgnoreDevByZero() const = 0;
  virtual bool CaseSensitiveExpressions() const = 0;
  // "PascalScript", "C++Script", "BasicScript" or "JScript".
  virtual QString ScriptLanguage() const = 0;
};

}  // namespace quitanza::report
