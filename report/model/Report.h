#pragma once

#include "report/model/Component.h"
#include "report/model/DataSets.h"
#include "report/model/EngineOptions.h"
#include "report/model/ErrorList.h"
#include "report/model/ErrorReporter.h"
#include "report/model/PreviewOptions.h"
#include "report/model/PrintOptions.h"
#include "report/model/ReportOptions.h"
#include "report/model/Styles.h"
#include "report/model/Variables.h"

#include <QDateTime>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;

namespace quitanza::report {

class DataSet;
class Engine;
class ExpressionEvaluator;
class Page;
class PreviewControl;
class PreviewPages;
class XMLDocument;
class ReportComponent;
class ReportExpressionHost;
class View;

// The report document: owns its pages, which own the objects placed on them.
class Report : public Component {
public:
  Report();
  ~Report() override;

  QString ClassName() const override { return QStringLiteral("TfrxReport"); }
  quitanza::report::Report* AsReport() override { return this; }
  const PropTable& Props() const override;

  // --- published
  QString Version = QStringLiteral("4.13.2");
  QString ParentReport;
  quitanza::report::DataSet* DataSet = nullptr;
  QString DataSetName;
  bool DotMatrixReport = false;
  quitanza::report::EngineOptions EngineOptions;
  QString IniFile = QStringLiteral("\\Software\\Quitanza");
  bool OldStyleProgress = false;
  quitanza::report::PreviewOptions PreviewOptions;
  quitanza::report::PrintOptions PrintOptions;
  quitanza::report::ReportOptions ReportOptions;
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
  std::function<void(ReportComponent* sender)> OnBeforePrint;
  std::function<void(ReportComponent* sender)> OnAfterPrint;
  // At the start of a preparation, and after a successful one.
  std::function<void(quitanza::report::Report* report)> OnBeginDoc;
  std::function<void(quitanza::report::Report* report)> OnEndDoc;
  // Values of names that expressions use; an invalid QVariant means no value.
  std::function<QVariant(const QString& name)> OnGetValue;
  std::function<QVariant(quitanza::report::Component* sender, const QString& name)> OnNewGetValue;
  // Progress of kind 0 (preparation), 1 (export) or 2 (printing).
  std::function<void(quitanza::report::Report* report, int kind, int progress)> OnProgressStart;
  std::function<void(quitanza::report::Report* report, int kind, int progress)> OnProgress;
  std::function<void(quitanza::report::Report* report, int kind, int progress)> OnProgressStop;
  // The preview control currently attached, if any: it receives progress.
  PreviewControl* Preview = nullptr;

  // --- public state
  quitanza::report::Variables Variables;
  ReportDataSets DataSets;
  quitanza::report::Styles Styles;
  // Sorted, each text once; shown by ReportErrors.
  ErrorList Errors;
  // "Date", "Time", "Page" ... as set by Clear.
  QStringList SystemVariables;
  // The objects whose text did not fit their box even at its smallest size
  // (FitText), in the last preparation; they show what fits.
  QStringList TextsCut;
  // The moment "Date" and "Time" show for the documents prepared from now
  // on; unset, each preparation takes the moment it starts. Loading a
  // template leaves it as it is.
  std::optional<QDateTime> PreparationTime;
  // The last template file loaded.
  QString FileName;
  // Name of the object being processed, for error messages.
  QString CurObject;
  // Set to stop a running preparation.
  bool Terminated = false;
  quitanza::report::View* SelfValue = nullptr;
  QVariant LocalValue;
  bool CaseSensitiveExpressions = false;
  // Position of the report on its host form; kept in PropData only.
  int DesignLeft = 0;
  int DesignTop = 0;

  int PagesCount() const { return static_cast<int>(Objects().size()); }
  quitanza::report::Page* Pages(int index) const;

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
  void ForgetReferencesTo(const std::vector<const quitanza::report::Component*>& gone);
  // Frees the children of `parent` without clearing references again per child.
  void ReleaseChildrenOf(quitanza::report::Component& parent);
  bool IsReleasing() const { return m_releasing; }

  // Where error messages are shown; standard error by default.
  void SetErrorReporter(std::shared_ptr<ErrorReporter> reporter) { m_errorReporter = std::move(reporter); }

  // --- expressions
  // The value of an expression; raises ExpressionError (also listed in
  // Errors) when it fails.
  QVariant Calc(const QString& expression);
  // The script functions Get and Set.
  QVariant Get(const QString& name);
  void Set(const QString& name, const QVariant& value);
  // Variables of the main script that expressions can read ("Value").
  void SetScriptVariable(const QString& name, const QVariant& value);

  // --- preparation
  quitanza::report::Engine& Engine() const { return *m_engine; }
  quitanza::report::PreviewPages& PreviewPages() const { return *m_previewPages; }
  // Prepares the report into PreviewPages, emptied first when
  // clearLastReport, else appended to. True when preparation ran to its end
  // without errors; otherwise the errors are reported as NewSilentMode says.
  // The report is back in its loaded state afterwards.
  bool PrepareReport(bool clearLastReport = true);
  // The 50 ms timer through which showing the report prepares it: created
  // disabled; its first tick disables it and calls PrepareReport(false).
  QTimer& PreparationTimer();
  // Progress notifications: to the application's callbacks and the preview.
  void InternalOnProgressStart(int kind);
  void InternalOnProgress(int kind, int progress);
  void InternalOnProgressStop(int kind);

private:
  // Loads the document `parse` gives; a document it cannot give leaves the
  // report empty, with the error in Errors.
  void LoadFromDocument(const std::function<std::shared_ptr<const XMLDocument>()>& parse);
  void EnsureDataPage();
  void CheckDataSets();
  // The engine run with its callbacks; errors raised go to Errors.
  bool RunPreparation();

  bool m_releasing = false;

  std::shared_ptr<ErrorReporter> m_errorReporter;
  std::unique_ptr<ReportExpressionHost> m_expressionHost;
  std::unique_ptr<ExpressionEvaluator> m_evaluator;
  std::unique_ptr<quitanza::report::Engine> m_engine;
  std::unique_ptr<quitanza::report::PreviewPages> m_previewPages;
  std::unique_ptr<QTimer> m_preparationTimer;
};

}  // namespace quitanza::report
