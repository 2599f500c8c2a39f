#include "app/cli/CommandLineUserInterface.h"

#include "doclib/InvalidInputError.h"
#include "report/model/frxPreviewPages.h"
#include "report/model/frxReport.h"

#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;

void TCommandLineUserInterface::Warning(const QString& text)
{
  Stop(TStop::Refused, text);
}

bool TCommandLineUserInterface::Question(const QString& text)
{
  if (!FConfirmed)
    Stop(TStop::Refused, text + QStringLiteral(" Confirme com --sim."));
  return FConfirmed;
}

void TCommandLineUserInterface::Error(const std::exception& error)
{
  const bool refusal = dynamic_cast<const InvalidInputError*>(&error) != nullptr;
  Stop(refusal ? TStop::Refused : TStop::Failed, QString::fromUtf8(error.what()));
}

void TCommandLineUserInterface::Information(const QString& text)
{
  FOut << text << u'\n';
}

void TCommandLineUserInterface::Caution(const QString& text)
{
  FErr << QStringLiteral("Aviso: ") << text << u'\n';
  FErr.flush();
}

void TCommandLineUserInterface::ExportPreviewTo(TfrxPDFExport& filter, const QString& fileName,
                                                const TfrxPDFFileSettings& settings)
{
  FPdfFilter = &filter;
  FPdfFileName = fileName;
  FPdfSettings = settings;
}

void TCommandLineUserInterface::Preview(TfrxReport& report)
{
  if (!FPdfFilter)
    return;
  auto file = std::make_unique<FileReplacement>(FPdfFileName);
  frxExportPDFStream(*FPdfFilter, report.PreviewPages(), file->Device(), FPdfSettings);
  FPendingPdf = std::move(file);
}

void TCommandLineUserInterface::CommitPreview()
{
  if (FPendingPdf)
    FPendingPdf->Commit();
  FPendingPdf.reset();
}

void TCommandLineUserInterface::Stop(TStop kind, const QString& message)
{
  if (FStop != TStop::None)
    return;
  FStop = kind;
  FMessage = message;
}

void TCommandLineUserInterface::ThrowIfStopped() const
{
  switch (FStop) {
  case TStop::None: return;
  case TStop::Refused: throw InvalidInputError(FMessage);
  case TStop::Failed: throw std::runtime_error(FMessage.toStdString());
  }
}
