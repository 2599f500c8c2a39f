#include "app/DataModule.h"
#include "app/ReceiptIssuer.h"
#include "app/ReceiptVariables.h"
#include "app/batch/BatchIssuer.h"
#include "app/batch/BatchRows.h"
#include "app/cli/Command.h"
#include "app/cli/PrintPreview.h"
#include "app/cli/ProgressLine.h"
#include "app/cli/ProtectedFiles.h"
#include "app/cli/UsageError.h"
#include "app/listing/RegisterRows.h"
#include "doclib/InvalidInputError.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/OpenFileLimit.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <memory>
#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QString PdfOption = QStringLiteral("pdf");
const QString PdfFolderOption = QStringLiteral("pasta-pdf");
const QString PasswordOption = QStringLiteral("senha");
const QString TypeOption = QStringLiteral("tipo");
const QString SimulateOption = QStringLiteral("simular");

std::int32_t DefaultType(const QCommandLineParser& parser)
{
  if (!parser.isSet(TypeOption))
    return 0;
  try {
    return ReceiptTypeNamed(parser.value(TypeOption));
  } catch (const InvalidInputError& unknown) {
    throw UsageError(unknown.Message());
  }
}

// The file's receipts, all of them accepted; otherwise every refused row is
// listed and nothing is issued.
std::vector<BatchRow> AcceptedRows(const QString& csvPath, std::int32_t defaultTipo)
{
  if (!QFileInfo(csvPath).isFile())
    throw InvalidInputError(QStringLiteral("O arquivo %1 não existe.").arg(QDir::toNativeSeparators(csvPath)));
  BatchRows batch = ReadBatchRows(ReadWholeFile(csvPath), defaultTipo);
  if (batch.Refused.empty())
    return std::move(batch.Rows);
  QStringList lines;
  for (const RefusedRow& refused : batch.Refused)
    lines << QStringLiteral("Linha %1: %2").arg(refused.Line).arg(refused.Message);
  lines << QStringLiteral("Nenhum recibo foi emitido: %1 de %2 linhas recusadas.")
             .arg(batch.Refused.size())
             .arg(batch.Refused.size() + batch.Rows.size());
  throw InvalidInputError(lines.join(u'\n'));
}

BatchOutputs OutputsFrom(const QCommandLineParser& parser)
{
  if (parser.isSet(PdfOption) && parser.isSet(PdfFolderOption))
    throw UsageError(QStringLiteral("--pdf e --pasta-pdf não vão juntos: um PDF com todos ou um PDF por recibo."));
  if (parser.isSet(PasswordOption) && !parser.isSet(PdfOption) && !parser.isSet(PdfFolderOption))
    throw UsageError(QStringLiteral("--senha protege o PDF: informe também --pdf ARQ ou --pasta-pdf PASTA."));
  BatchOutputs outputs;
  outputs.PdfFile = parser.value(PdfOption);
  outputs.PdfFolder = parser.value(PdfFolderOption);
  outputs.PdfSettings.UserPassword = parser.value(PasswordOption);
  return outputs;
}

// What would be issued, numbered from the register as it is; nothing is
// stored and no lock is taken.
void Simulate(const std::vector<BatchRow>& rows, const QString& dataFolder, QTextStream& out)
{
  DataModule dm(dataFolder, {}, DataAccess::Reading, ReportStart::Empty);
  dm.OpenRegisterForIssuing();
  std::int32_t codigo = ReceiptIssuer(dm).FirstFreeCodigo(dm.Settings()) - 1;
  for (const BatchRow& row : rows) {
    codigo = NextCodigo(codigo);
    out << QStringList{ReceiptNumberText(codigo), ReceiptTypeName(row.Entry.Tipo), row.Entry.Valor, row.Entry.CNPJ,
                       row.Entry.Cliente}
             .join(u'\t')
        << u'\n';
  }
  out << QStringLiteral("%1 recibos seriam emitidos; nada foi guardado.\n").arg(rows.size());
}

// quitanza lote ARQ.csv [--pdf ARQ | --pasta-pdf PASTA] [--senha S] [--tipo T]
// [--simular] [--imprimir ...]: a receipt for each row of a spreadsheet's CSV.
class LoteCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("lote"); }
  QString Summary() const override
  {
    return QStringLiteral("Emite um recibo por linha de um arquivo CSV e guarda todos no registro; com --pdf, "
                          "--pasta-pdf ou --imprimir, exporta-os ou imprime-os.");
  }
  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("ARQ.csv"),
             QStringLiteral("Planilha em CSV com o cabeçalho cliente;documento;valor;referente (e, se quiser, tipo).")}};
  }

  QList<QCommandLineOption> Options() const override
  {
    return QList<QCommandLineOption>{
             QCommandLineOption(PdfOption, QStringLiteral("Um PDF com todos os recibos, uma página cada."),
                                QStringLiteral("ARQ")),
             QCommandLineOption(PdfFolderOption,
                                QStringLiteral("Um PDF por recibo nessa pasta, com o número do recibo como nome."),
                                QStringLiteral("PASTA")),
             QCommandLineOption(PasswordOption, QStringLiteral("Protege os PDFs: senha para abri-los."),
                                QStringLiteral("SENHA")),
             QCommandLineOption(TypeOption, QStringLiteral("Tipo das linhas sem tipo: recebimento (padrão) ou pagamento."),
                                QStringLiteral("TIPO")),
             QCommandLineOption(SimulateOption, QStringLiteral("Só confere e mostra o que seria emitido, sem guardar nada.")),
           } +
           PrintCommandOptions();
  }

  DataFolderUse DataUse(const QCommandLineParser& parser) const override
  {
    return parser.isSet(SimulateOption) ? DataFolderUse::Reads : DataFolderUse::Writes;
  }
  bool NeedsGui(const QStringList& arguments) const override { return PrintRequested(arguments); }

  void Run(const CommandInvocation& invocation) const override
  {
    const QCommandLineParser& parser = invocation.Parser;
    const QString csvPath = invocation.Arguments.at(0);
    BatchOutputs outputs = OutputsFrom(parser);
    const std::vector<BatchRow> rows = AcceptedRows(csvPath, DefaultType(parser));
    if (parser.isSet(SimulateOption)) {
      Simulate(rows, invocation.DataDirectory, invocation.Out);
      return;
    }
    outputs.Print = PrintRequestFrom(parser);

    DataModule dm(invocation.DataDirectory, {}, DataAccess::Writing, ReportStart::Empty);
    // What a window would show in a box stops the receipt here, as in emitir.
    dm.frxReport.EngineOptions.NewSilentMode = SilentMode::ReThrow;
    ProtectedFiles protectedFiles(dm.DataFolder());
    protectedFiles.Add(csvPath);
    if (!outputs.PdfFile.isEmpty())
      protectedFiles.RefuseAsOutput(outputs.PdfFile);
    if (!outputs.PdfFolder.isEmpty()) {
      if (!QDir().mkpath(outputs.PdfFolder))
        throw std::runtime_error(
          QStringLiteral("A pasta %1 não pôde ser criada.").arg(QDir::toNativeSeparators(outputs.PdfFolder)).toStdString());
      // Each receipt's PDF stays open beside its place until the register holds the receipt.
      AllowOpenFiles(rows.size());
    }
    dm.OpenRegisterForIssuing();

    BatchOutcome outcome;
    {
      ProgressLine progress(invocation.Err, QStringLiteral("Recibos"), ProgressLine::StandardErrorIsTerminal());
      BatchIssuer issuer(
        dm, [&](int done, int total) { progress.Show(done, total); },
        [&](const QString& text) { invocation.Err << QStringLiteral("Aviso: ") << text << u'\n'; });
      outcome = issuer.Issue(rows, outputs);
    }
    for (const ReceiptRecord& record : outcome.Stored)
      invocation.Out << ReceiptNumberText(record.Codigo) << u'\t' << record.Autenticacao << u'\t' << record.Cliente
                     << u'\n';
    if (!outcome.Failure.isEmpty())
      throw std::runtime_error(outcome.Failure.toStdString());
  }
};

}  // namespace

std::unique_ptr<Command> CreateLoteCommand()
{
  return std::make_unique<LoteCommand>();
}

}  // namespace quitanza::app
