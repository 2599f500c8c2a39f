#include "app/ConsultaWorkflow.h"
#include "app/DataModule.h"
#include "app/ReceiptVariables.h"
#include "app/cli/Command.h"
#include "app/cli/CommandLineUserInterface.h"
#include "app/cli/PdfPreview.h"
#include "app/cli/PrintPreview.h"
#include "app/cli/ReceiptSelection.h"
#include "app/cli/UsageError.h"

#include <memory>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

// quitanza reimprimir NUMERO --pdf ARQ: selecting the receipt in the lookup
// window and Imprimir, the PDF export or the print in the preview's place.
class ReimprimirCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("reimprimir"); }
  QString Summary() const override
  {
    return QStringLiteral("Exporta de novo para PDF (--pdf) ou imprime (--imprimir) o primeiro recibo do registro com esse "
                          "número; uma das duas opções é obrigatória.");
  }
  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("NUMERO"), QStringLiteral("número do recibo (42)")}};
  }
  QList<QCommandLineOption> Options() const override { return PdfPreviewOptions() + PrintCommandOptions(); }
  bool NeedsGui(const QStringList& arguments) const override { return PrintRequested(arguments); }

  void Run(const CommandInvocation& invocation) const override
  {
    const std::optional<PrintRequest> print = PrintRequestFrom(invocation.Parser);
    if (!PdfPreviewRequested(invocation.Parser) && !print)
      throw UsageError(QStringLiteral("Informe o PDF a gravar (--pdf ARQ) ou --imprimir."));
    DataModule dm(invocation.DataDirectory, {}, DataAccess::Reading, ReportStart::Empty);
    dm.frxReport.EngineOptions.NewSilentMode = SilentMode::ReThrow;
    SelectReceipt(dm, invocation.Arguments.at(0));
    CommandLineUserInterface ui(invocation.Out, invocation.Err, false);
    SetUpPdfPreview(ui, dm, invocation.Parser);
    if (print)
      ui.PrintPreviewOn(*print);
    ConsultaWorkflow(dm, ui).btnImprimirClick();
    ui.ThrowIfStopped();
    ui.CommitPreview();
    invocation.Out << QStringLiteral("Recibo ") << ReceiptNumberText(dm.cdsRegCodigo.AsInteger()) << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateReimprimirCommand()
{
  return std::make_unique<ReimprimirCommand>();
}

}  // namespace quitanza::app
