#include "app/cli/PdfPreview.h"

#include "app/DataModule.h"
#include "app/cli/CommandLineUserInterface.h"
#include "app/cli/ProtectedFiles.h"
#include "app/cli/UsageError.h"

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QCommandLineOption PdfOption(QStringLiteral("pdf"), QStringLiteral("Exporta o recibo para esse PDF."),
                                   QStringLiteral("ARQ"));
const QCommandLineOption PasswordOption(QStringLiteral("senha"), QStringLiteral("Protege o PDF: senha para abri-lo."),
                                        QStringLiteral("SENHA"));

}  // namespace

QList<QCommandLineOption> PdfPreviewOptions()
{
  return {PdfOption, PasswordOption};
}

bool PdfPreviewRequested(const QCommandLineParser& parser)
{
  return parser.isSet(PdfOption);
}

void SetUpPdfPreview(CommandLineUserInterface& ui, DataModule& dm, const QCommandLineParser& parser)
{
  if (!parser.isSet(PdfOption)) {
    if (parser.isSet(PasswordOption))
      throw UsageError(QStringLiteral("--senha protege o PDF: informe também --pdf ARQ."));
    return;
  }
  ProtectedFiles(dm.DataFolder()).RefuseAsOutput(parser.value(PdfOption));
  PDFFileSettings settings;
  settings.UserPassword = parser.value(PasswordOption);
  ui.ExportPreviewTo(dm.frxPDFExport, parser.value(PdfOption), settings);
}

}  // namespace quitanza::app
