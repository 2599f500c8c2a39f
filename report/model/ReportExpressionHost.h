#pragma once

#include "report/expressions/ExpressionHost.h"

#include <utility>
#include <vector>

namespace quitanza::report {

class Report;

// What expressions see of a report: its variables, the system variables of
// the running preparation, the application's value callbacks, the global
// variables and the main script's variables.
class ReportExpressionHost : public ExpressionHost {
public:
  explicit ReportExpressionHost(quitanza::report::Report& report) : m_report(report) {}

  std::optional<QVariant> FindDataFieldValue(const QString& expression) override;
  std::optional<QVariant> FindSystemVariable(const QString& name) override;
  QVariant ValueFromCallbacks(const QString& name) override;
  std::optional<QVariant> FindReportVariable(const QString& name) override;
  std::optional<QVariant> FindGlobalVariable(const QString& name) override;
  std::optional<QVariant> FindScriptVariable(const QString& name) override;
  void SetReportVariable(const QString& name, const QVariant& value) override;

  QString CurObject() const override;
  void AddError(const QString& text) override;
  bool IgnoreDevByZero() const override;
  bool CaseSensitiveExpressions() const override;
  QString ScriptLanguage() const override;

  void SetScriptVariable(const QString& name, const QVariant& value);

private:
  quitanza::report::Report& m_report;
  // Few names ("Value"): a list beats hashing a lower-case copy of every name looked up.
  std::vector<std::pair<QString, QVariant>> m_scriptVariables;
};

}  // namespace quitanza::report
