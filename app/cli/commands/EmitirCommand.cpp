#include "app/DataModule.h"
#include "app/EntryFields.h"
#include "app/PrincipalWorkflow.h"
#include "app/ReceiptVariables.h"
#include "app/cli/AmountArgument.h"
#include "app/cli/Command.h"
#include "app/cli/CommandLineUserInterface.h"
#include "app/cli/KindArgument.h"
#include "app/cli/PdfPreview.h"
#include "app/cli/PrintPreview.h"

#include <map>
#include <memory>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QString ClientOption = QStringLiteral("cliente");
const QString AmountOption = QStringLiteral("valor");
const QString DocumentOption = QStringLiteral("documento");
const QString ReferenteOption = QStringLiteral("referente");
const QString TypeOption = QStringLiteral("tipo");

const std::map<QString, std::int32_t> ReceiptTypes = {
  {QStringLiteral("recebimento"), 0},
  {QStringLiteral("pagamento"), 1},
};

// The main window's fields as the operator left them: the client in
// capitals, the amount formatted, the document checked and punctuated.
ReceiptEntry EntryFrom(const QCommandLineParser& parser)
{
  ReceiptEntry entry;
  entry.Cliente = TextAsLeft(NameField(), parser.value(ClientOption));
  entry.Valor = AmountAsLeft(parser, AmountOption);
  if (parser.isSet(DocumentOption))
    entry.CNPJ = TextAsLeft(CpfCnpjField(), parser.value(DocumentOption));
  entry.Referente = parser.value(ReferenteOption);
  if (parser.isSet(TypeOption))
    entry.Tipo = LookUpKind(parser.value(TypeOption), ReceiptTypes);
  return entry;
}

// quitanza emitir --cliente NOME --valor VALOR ...: the main window's Emitir,
// the PDF export or the print in the preview's place.
class EmitirCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("emitir"); }
  QString Summary() const override
  {
    return QStringLiteral("Emite o próximo recibo (--cliente e --valor são obrigatórios), guarda-o no registro e, com "
                          "--pdf ou --imprimir, exporta-o ou imprime-o.");
  }
  QList<PositionalArgument> PositionalArguments() const override { return {}; }

  QList<QCommandLineOption> Options() const override
  {
    return QList<QCommandLineOption>{
             QCommandLineOption(ClientOption, QStringLiteral("Cliente (obrigatório)."), QStringLiteral("NOME")),
             QCommandLineOption(AmountOption, QStringLiteral("Valor, 1500 ou 1.500,00 (obrigatório)."), QStringLiteral("VALOR")),
             QCommandLineOption(DocumentOption, QStringLiteral("CPF ou CNPJ do cliente."), QStringLiteral("DOC")),
             QCommandLineOption(ReferenteOption, QStringLiteral("A que o pagamento se refere."), QStringLiteral("TEXTO")),
             QCommandLineOption(TypeOption, QStringLiteral("recebimento (padrão) ou pagamento."), QStringLiteral("TIPO")),
           } +
           PdfPreviewOptions() + PrintCommandOptions();
  }

  bool NeedsGui(const QStringList& arguments) const override { return PrintRequested(arguments); }

  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::Writes; }

  void Run(const CommandInvocation& invocation) const override
  {
    const ReceiptEntry entry = EntryFrom(invocation.Parser);
    const std::optional<PrintRequest> print = PrintRequestFrom(invocation.Parser);
    DataModule dm(invocation.DataDirectory, {}, DataAccess::Writing, ReportStart::Empty);
    // What a window would show in a box stops the issue here: no receipt is
    // stored without the PDF it was asked for.
    dm.frxReport.EngineOptions.NewSilentMode = SilentMode::ReThrow;
    CommandLineUserInterface ui(invocation.Out, invocation.Err, false);
    SetUpPdfPreview(ui, dm, invocation.Parser);
    if (print)
      ui.PrintPreviewOn(*print);

    // Unlike the window's first showing, a missing register is not written
    // yet: a refused issue leaves the folder as it was.
    dm.OpenRegisterForIssuing();
    const std::optional<app::IssuedReceipt> issued = PrincipalWorkflow(dm, ui).btnEmitirClick(entry);
    ui.ThrowIfStopped();
    ui.CommitPreview();
    invocation.Out << QStringLiteral("Recibo ") << ReceiptNumberText(issued->Codigo) << u'\n'
                   << QStringLiteral(u"Autenticação: ") << issued->Autenticacao << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateEmitirCommand()
{
  return std::make_unique<EmitirCommand>();
}

}  // namespace quitanza::app
