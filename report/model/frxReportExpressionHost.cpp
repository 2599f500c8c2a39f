#include "report/model/frxReportExpressionHost.h"

#include "report/expressions/frxExpressionSystemVariables.h"
#include "report/model/frxEngine.h"
#include "report/model/frxGlobalVariables.h"
#include "report/model/frxPreviewPages.h"
#include "report/model/frxReport.h"
#include "report/model/frxView.h"

using namespace quitanza::platform;

std::optional<QVariant> TfrxReportExpressionHost::FindDataFieldValue(const QString&)
{
  // Data sets and their fields are not part of this engine.
  return std::nullopt;
}

std::optional<QVariant> TfrxReportExpressionHost::FindSystemVariable(const QString& name)
{
  // Most names are not system variables; the values are gathered only for those that are.
  if (!FReport.SystemVariables.contains(name, Qt::CaseInsensitive))
    return std::nullopt;
  const TfrxEngine& engine = FReport.Engine();
  TfrxPreviewPages& pages = FReport.PreviewPages();
  TfrxSystemVariableValues values;
  values.PreparationStart = QDateTime(engine.StartDate, engine.StartTime);
  values.Page = pages.GetLogicalPageNo();
  values.PhysicalPage = pages.CurPage + 1;
  values.TotalPages = pages.GetLogicalTotalPages();
  values.FirstPassTotalPages = engine.TotalPages;
  values.CopyName0 = frxGlobalVariables().Value(QStringLiteral("CopyName0"));
  return SystemVariableValue(name, values);
}

QVariant TfrxReportExpressionHost::ValueFromCallbacks(const QString& name)
{
  if (FReport.OnGetValue) {
    if (QVariant value = FReport.OnGetValue(name); value.isValid())
      return value;
  }
  if (FReport.OnNewGetValue)
    return FReport.OnNewGetValue(FReport.SelfValue, name);
  return {};
}

std::optional<QVariant> TfrxReportExpressionHost::FindReportVariable(const QString& name)
{
  const int index = FReport.Variables.IndexOf(name);
  if (index < 0)
    return std::nullopt;
  return FReport.Variables.Items(index).Value;
}

std::optional<QVariant> TfrxReportExpressionHost::FindGlobalVariable(const QString& name)
{
  const TfrxVariables& globals = frxGlobalVariables();
  const int index = globals.IndexOf(name);
  if (index < 0)
    return std::nullopt;
  return globals.Items(index).Value;
}

std::optional<QVariant> TfrxReportExpressionHost::FindScriptVariable(const QString& name)
{
  for (const auto& [known, value] : FScriptVariables) {
    if (known.compare(name, Qt::CaseInsensitive) == 0)
      return value;
  }
  return std::nullopt;
}

void TfrxReportExpressionHost::SetReportVariable(const QString& name, const QVariant& value)
{
  FReport.Variables.SetValue(name, value);
}

QString TfrxReportExpressionHost::CurObject() const { return FReport.CurObject; }

void TfrxReportExpressionHost::AddError(const QString& text) { FReport.Errors.Add(text); }

bool TfrxReportExpressionHost::IgnoreDevByZero() const { return FReport.EngineOptions.IgnoreDevByZero; }

bool TfrxReportExpressionHost::CaseSensitiveExpressions() const { return FReport.CaseSensitiveExpressions; }

QString TfrxReportExpressionHost::ScriptLanguage() const { return FReport.ScriptLanguage; }

void TfrxReportExpressionHost::SetScriptVariable(const QString& name, const QVariant& value)
{
  for (auto& [known, stored] : FScriptVariables) {
    if (known.compare(name, Qt::CaseInsensitive) == 0) {
      stored = value;
      return;
    }
  }
  FScriptVariables.emplace_back(name, value);
}
