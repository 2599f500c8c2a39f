// TfrxReport: expressions, preparation and progress.
#include "report/model/frxReport.h"

#include "report/expressions/frxExpressionError.h"
#include "report/expressions/frxExpressionEvaluator.h"
#include "report/format/frxErrors.h"
#include "report/model/frxEngine.h"
#include "report/model/frxPictureCache.h"
#include "report/model/frxPreviewControl.h"
#include "report/model/frxPreviewPages.h"
#include "report/model/frxReportExpressionHost.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryFile>
#include <QTimer>

using namespace quitanza::platform;

QVariant TfrxReport::Calc(const QString& expression) { return FEvaluator->Calc(expression); }

QVariant TfrxReport::Get(const QString& name) { return FEvaluator->Get(name); }

void TfrxReport::Set(const QString& name, const QVariant& value) { FEvaluator->Set(name, value); }

void TfrxReport::SetScriptVariable(const QString& name, const QVariant& value)
{
  FExpressionHost->SetScriptVariable(name, value);
}

void TfrxReport::CheckDataSets()
{
  for (const TfrxDataSetItem& item : DataSets.Items) {
    if (!item.DataSet)
      Errors.Add(QStringLiteral("Data set \"%1\" does not exist").arg(item.DataSetName));
  }
}

bool TfrxReport::RunPreparation()
{
  try {
    if (OnBeginDoc)
      OnBeginDoc(this);
    FEvaluator->ClearCache();
    SetScriptVariable(QStringLiteral("Value"), QVariant());
    if (!Terminated && FEngine->Run()) {
      if (OnEndDoc)
        OnEndDoc(this);
      return true;
    }
    if (Preview)
      Preview->Close();
  } catch (const EfrxError& error) {
    Errors.Add(error.Message());
  } catch (const TfrxExpressionError& error) {
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
std::unique_ptr<QIODevice> SnapshotDevice(const TfrxEngineOptions& options)
{
  if (!options.UseFileCache)
    return std::make_unique<QBuffer>();
  return std::make_unique<QTemporaryFile>(frxTempFileTemplate(options.TempDir));
}

}  // namespace

bool TfrxReport::PrepareReport(bool clearLastReport)
{
  if (clearLastReport)
    FPreviewPages->Clear();
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
        throw EfrxError(QStringLiteral(u"Não foi possível guardar o relatório antes de prepará-lo: %1").arg(snapshot->errorString()));
      ReportOptions.Password.clear();
      SaveToStream(*snapshot);
      ReportOptions.Password = password;
    }
    prepared = RunPreparation();
    if (snapshot) {
      // Reloading throws away what preparation changed in the objects; the
      // prepared pages keep their own copies.
      const TfrxErrorList errors = Errors;
      const TfrxSilentMode silentMode = EngineOptions.NewSilentMode;
      EngineOptions.NewSilentMode = simSilent;
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

QTimer& TfrxReport::PreparationTimer()
{
  if (!FPreparationTimer) {
    FPreparationTimer = std::make_unique<QTimer>();
    FPreparationTimer->setInterval(50);
    QObject::connect(FPreparationTimer.get(), &QTimer::timeout, [this] {
      FPreparationTimer->stop();
      PrepareReport(false);
    });
  }
  return *FPreparationTimer;
}

void TfrxReport::InternalOnProgressStart(int kind)
{
  if (OnProgressStart)
    OnProgressStart(this, kind, 0);
  if (Preview)
    Preview->OnProgressStart(*this, kind);
}

void TfrxReport::InternalOnProgress(int kind, int progress)
{
  if (OnProgress)
    OnProgress(this, kind, progress);
  if (Preview)
    Preview->OnProgress(*this, kind, progress);
  // A preview or progress window stays usable while pages are made.
  if (QCoreApplication::instance())
    QCoreApplication::processEvents();
}

void TfrxReport::InternalOnProgressStop(int kind)
{
  if (OnProgressStop)
    OnProgressStop(this, kind, 0);
  if (Preview)
    Preview->OnProgressStop(*this, kind);
}
