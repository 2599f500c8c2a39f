#include "report/model/ReportExpressionHost.h"

#include "report/expressions/ExpressionSystemVariables.h"
#include "report/model/Engine.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/model/Variables.h"
#include "report/model/View.h"

namespace quitanza::report {

using namespace platform;

std::optional<QVariant> ReportExpressionHost::FindDataFieldValue(const QString&)
{
  // Data sets and their fields are not part of this engine.
  return std::nullopt;
}

std::optional<QVariant> ReportExpressionHost::FindSystemVariable(const QString& name)
{
  // Most names are not system variables; the values are gathered only for those that are.
  if (!m_report.SystemVariables.contains(name, Qt::CaseInsensitive))
    return std::nullopt;
  const report::Engine& engine = m_report.Engine();
  report::PreviewPages& pages = m_report.PreviewPages();
  SystemVariableValues values;
  values.PreparationStart = QDateTime(engine.StartDate, engine.StartTime);
  values.Page = pages.GetLogicalPageNo();
  values.PhysicalPage = pages.CurPage + 1;
  values.TotalPages = pages.GetLogicalTotalPages();
  values.FirstPassTotalPages = engine.TotalPages;
  values.CopyName0 = report::GlobalVariables().Value(QStringLiteral("CopyName0"));
  return SystemVariableValue(name, values);
}

QVariant ReportExpressionHost::ValueFromCallbacks(const QString& name)
{
  if (m_report.OnGetValue) {
    if (QVariant value = m_report.OnGetValue(name); value.isValid())
      return value;
  }
  if (m_report.OnNewGetValue)
    return m_report.OnNewGetValue(m_report.SelfValue, name);
  return {};
}

std::optional<QVariant> ReportExpressionHost::FindReportVariable(const QString& name)
{
  const int index = m_report.Variables.IndexOf(name);
  if (index < 0)
    return std::nullopt;
  return m_report.Variables.Items(index).Value;
}

std::optional<QVariant> ReportExpressionHost::FindGlobalVariable(const QString& name)
{
  const report::Variables& globals = report::GlobalVariables();
  const int index = globals.IndexOf(name);
  if (index < 0)
    return std::nullopt;
  return globals.Items(index).Value;
}

std::optional<QVariant> ReportExpressionHost::FindScriptVariable(const QString& name)
{
  for (const auto& [known, value] : m_scriptVariables) {
    if (known.compare(name, Qt::CaseInsensitive) == 0)
      return value;
  }
  return std::nullopt;
}

void ReportExpressionHost::SetReportVariable(const QString& name, const QVariant& value)
{
  m_report.Variables.SetValue(name, value);
}

QString ReportExpressionHost::CurObject() const { return m_report.CurObject; }

void ReportExpressionHost::AddError(const QString& text) { m_report.Errors.Add(text); }

bool ReportExpressionHost::IgnoreDevByZero() const { return m_report.EngineOptions.IgnoreDevByZero; }

bool ReportExpressionHost::CaseSensitiveExpressions() const { return m_report.CaseSensitiveExpressions; }

QString ReportExpressionHost::ScriptLanguage() const { return m_report.ScriptLanguage; }

void ReportExpressionHost::SetScriptVariable(const QString& name, const QVariant& value)
{
  for (auto& [known, stored] : m_scriptVariables) {
    if (known.compare(name, Qt::CaseInsensitive) == 0) {
      stored = value;
      return;
    }
  }
  m_scriptVariables.emplace_back(name, value);
}

}  // namespace quitanza::report
