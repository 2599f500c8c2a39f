#pragma once

#include "report/model/frxComponent.h"
#include "report/model/frxDataSets.h"
#include "report/model/frxEngineOptions.h"
#include "report/model/frxErrorList.h"
#include "report/model/frxErrorReporter.h"
#include "report/model/frxPreviewOptions.h"
#include "report/model/frxPrintOptions.h"
#include "report/model/frxReportOptions.h"
#include "report/model/frxStyles.h"
#include "report/model/frxVariables.h"

#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class TfrxDataSet;
class TfrxPage;
class TfrxReportComponent;
class TfrxView;

// The report document: owns its pages, which own the objects placed on them.
class TfrxReport : public TfrxComponent {
public:
  TfrxReport();
  ~TfrxReport() override;

  QString ClassName() const override { return QStringLiteral("TfrxReport"); }
  TfrxReport* AsReport() override { return this; }
  const TfrxPropTable& Props() const override;

  // --- published
  QString Version = QStringLiteral("4.13.2");
  QString ParentReport;
  TfrxDataSet* DataSet = nullptr;
  QString DataSetName;
  bool DotMatrixReport = false;
  TfrxEngineOptions EngineOptions;
  QString IniFile = QStringLiteral("\\Software\\Quitanza");
  bool OldStyleProgress = false;
  TfrxPreviewOptions PreviewOptions;
  TfrxPrintOptions PrintOptions;
  TfrxReportOptions ReportOptions;
  QString ScriptLanguage;
  QStringList ScriptText;
  bool ShowProgress = true;
  bool StoreInDFM = true;
  QString OnRunDialogs;
  QString OnStartReport;
  QString OnStopReport;
  QString OnReportPrint;

  // --- application callbacks, never written to files
  // Called during preparation for the band carrying the objects and for each
  // object before its content is computed, and after printing.
  std::function<void(TfrxReportComponent* sender)> OnBeforePrint;
  std::function<void(TfrxReportComponent* sender)> OnAfterPrint;

  // --- public state
  TfrxVariables Variables;
  TfrxReportDataSets DataSets;
  TfrxStyles Styles;
  // Sorted, each text once; shown by ReportErrors.
  TfrxErrorList Errors;
  // "Date", "Time", "Page" ... as set by Clear.
  QStringList SystemVariables;
  // The last template file loaded.
  QString FileName;
  // Name of the object being processed, for error messages.
  QString CurObject;
  // Set to stop a running preparation.
  bool Terminated = false;
  TfrxView* SelfValue = nullptr;
  QVariant LocalValue;
  bool CaseSensitiveExpressions = false;
  // Position of the report on its host form; kept in PropData only.
  int DesignLeft = 0;
  int DesignTop = 0;

  int PagesCount() const { return static_cast<int>(Objects().size()); }
  TfrxPage* Pages(int index) const;

  // Empties the report: pages, objects, collections and options.
  void Clear() override;
  // Always clears first. Returns whether the file exists; a missing file
  // raises an error only when exceptionIfNotFound.
  bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false);
  void LoadFromStream(QIODevice& stream) override;
  void SaveToFile(const QString& fileName);

  // Reports Errors as one message, as EngineOptions.NewSilentMode says.
  void ReportErrors();
  // Clears every reference (component properties of the objects, the data
  // set list) to the given objects, which are about to be freed.
  void ForgetReferencesTo(const std::vector<const TfrxComponent*>& gone);
  // Frees the children of `parent` without clearing references again per child.
  void ReleaseChildrenOf(TfrxComponent& parent);
  bool IsReleasing() const { return FReleasing; }

  // Where error messages are shown; standard error by default.
  void SetErrorReporter(std::shared_ptr<TfrxErrorReporter> reporter) { FErrorReporter = std::move(reporter); }

private:
  void EnsureDataPage();

  bool FReleasing = false;

  std::shared_ptr<TfrxErrorReporter> FErrorReporter;
};
