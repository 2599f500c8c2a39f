// Report: expressions, preparation and progress.
#include "report/model/Report.h"

#include "report/expressions/ExpressionError.h"
#include "report/expressions/ExpressionEvaluator.h"
#include "report/format/Errors.h"
#include "report/model/Engine.h"
#include "report/model/PictureCache.h"
#include "report/model/PreviewControl.h"
#include "report/model/PreviewPages.h"
#include "report/model/ReportExpressionHost.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryFile>
#include <QTimer>

namespace quitanza::report {

using namespace platform;

QVariant Report::Calc(const QString& expression) { return m_evaluator->Calc(expression); }

QVariant Report::Get(const QString& name) { return m_evaluator->Get(name); }

void Report::Set(const QString& name, const QVariant& value) { m_evaluator->Set(name, value); }

void Report::SetScriptVariable(const QString& name, const QVariant& value)
{
  m_expressionHost->SetScriptVariable(name, value);
}

void Report::CheckDataSets()
{
  for (const DataSetItem& item : DataSets.Items) {
    if (!item.DataSet)
      Errors.Add(QStringLiteral("Data set \"%1\" does not exist").arg(item.DataSetName));
  }
}

bool Report::RunPreparation()
{
  try {
    if (OnBeginDoc)
      OnBeginDoc(this);
    m_evaluator->ClearCache();
    SetScriptVariable(QStringLiteral("Value"), QVariant());
    if (!Terminated && m_engine->Run()) {
      if (OnEndDoc)
        OnEndDoc(this);
      return true;
    }
    if (Preview)
      Preview->Close();
  } catch (const ReportError& error) {
    Errors.Add(error.Message());
  } catch (const ExpressionError& error) {
    Errors.Add(error.Message());
  } catch (const std::exception& error) {
    // The application's before-print handler may fail in its own way.
    Errors.Add(QString::fromUtf8(error.what()));
  }
  return false;
}

namespace {

// The report as it was before preparing: memory, or a temporary file with
// the engine's file cache.
std::unique_ptr<QIODevice> SnapshotDevice(const EngineOptions& options)
{
  if (!options.UseFileCache)
    return std::make_unique<QBuffer>();
  return std::make_unique<QTemporaryFile>(TempFileTemplate(options.TempDir));
}

}  // namespace

bool Report::PrepareReport(bool clearLastReport)
{
  if (clearLastReport)
    m_previewPages->Clear();
  Errors.Clear();
  TextsCut.clear();
  Terminated = false;
  CheckDataSets();
  bool prepared = false;
  if (Errors.IsEmpty()) {
    std::unique_ptr<QIODevice> snapshot;
    const QString password = ReportOptions.Password;
    if (EngineOptions.RestoreReportAfterPreparing) {
      snapshot = SnapshotDevice(EngineOptions);
      if (!snapshot->open(QIODevice::ReadWrite))
        throw ReportError(QStringLiteral(u"Não foi possível guardar o relatório antes de prepará-lo: %1").arg(snapshot->errorString()));
      ReportOptions.Password.clear();
      SaveToStream(*snapshot);
      ReportOptions.Password = password;
    }
    prepared = RunPreparation();
    if (snapshot) {
      // Reloading throws away what preparation changed in the objects; the
      // prepared pages keep their own copies.
      const ErrorList errors = Errors;
      const report::SilentMode silentMode = EngineOptions.NewSilentMode;
      EngineOptions.NewSilentMode = SilentMode::Silent;
      snapshot->seek(0);
      LoadFromStream(*snapshot);
      EngineOptions.NewSilentMode = silentMode;
      ReportOptions.Password = password;
      Errors = errors;
    }
  }
  if (Errors.IsEmpty())
    return prepared;
  ReportErrors();
  return false;
}

QTimer& Report::PreparationTimer()
{
  if (!m_preparationTimer) {
    m_preparationTimer = std::make_unique<QTimer>();
    m_preparationTimer->setInterval(50);
    QObject::connect(m_preparationTimer.get(), &QTimer::timeout, [this] {
      m_preparationTimer->stop();
      PrepareReport(false);
    });
  }
  return *m_preparationTimer;
}

void Report::InternalOnProgressStart(int kind)
{
  if (OnProgressStart)
    OnProgressStart(this, kind, 0);
  if (Preview)
    Preview->OnProgressStart(*this, kind);
}

void Report::InternalOnProgress(int kind, int progress)
{
  if (OnProgress)
    OnProgress(this, kind, progress);
  if (Preview)
    Preview->OnProgress(*this, kind, progress);
  // A preview or progress window stays usable while pages are made.
  if (QCoreApplication::instance())
    QCoreApplication::processEvents();
}

void Report::InternalOnProgressStop(int kind)
{
  if (OnProgressStop)
    OnProgressStop(this, kind, 0);
  if (Preview)
    Preview->OnProgressStop(*this, kind);
}

}  // namespace quitanza::report
