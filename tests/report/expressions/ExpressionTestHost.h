#pragma once

#include "report/expressions/ExpressionHost.h"

#include <QList>
#include <QPair>
#include <QStringList>

// A report as expression evaluation sees it, kept in memory: variables by name
// (ignoring case), the current object and the collected errors.
class ExpressionTestHost : public quitanza::report::ExpressionHost {
public:
  using VariablesTest = QList<QPair<QString, QVariant>>;

  VariablesTest DataFields, SystemVariables, CallbackValues, ReportVariables, GlobalVariables, ScriptVariables;
  QString CurrentObject;
  QStringList Errors;
  bool IgnoreDivisionByZero = false;
  bool CaseSensitive = false;
  QString Language = QStringLiteral("PascalScript");

  std::optional<QVariant> FindDataFieldValue(const QString& expression) override { return Find(DataFields, expression); }
  std::optional<QVariant> FindSystemVariable(const QString& name) override { return Find(SystemVariables, name); }
  QVariant ValueFromCallbacks(const QString& name) override { return Find(CallbackValues, name).value_or(QVariant()); }
  std::optional<QVariant> FindReportVariable(const QString& name) override { return Find(ReportVariables, name); }
  std::optional<QVariant> FindGlobalVariable(const QString& name) override { return Find(GlobalVariables, name); }
  std::optional<QVariant> FindScriptVariable(const QString& name) override { return Find(ScriptVariables, name); }
  void SetReportVariable(const QString& name, const QVariant& value) override {
    for (auto& variable : ReportVariables) {
      if (variable.first.compare(name, Qt::CaseInsensitive) == 0) {
        variable.second = value;
        return;
      }
    }
    ReportVariables.append({name, value});
  }
  QString CurObject() const override { return CurrentObject; }
  void AddError(const QString& text) override { Errors.append(text); }
  bool IgnoreDevByZero() const override { return IgnoreDivisionByZero; }
  bool CaseSensitiveExpressions() const override { return CaseSensitive; }
  QString ScriptLanguage() const override { return Language; }

private:
  static std::optional<QVariant> Find(const VariablesTest& variables, const QString& name) {
    for (const auto& [variableName, value] : variables) {
      if (variableName.compare(name, Qt::CaseInsensitive) == 0) return value;
    }
    return std::nullopt;
  }
};
