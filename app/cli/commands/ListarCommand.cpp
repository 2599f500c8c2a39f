#include "app/DataModule.h"
#include "app/cli/Command.h"
#include "app/cli/UsageError.h"
#include "app/listing/IssuePeriod.h"
#include "app/listing/RegisterCsv.h"
#include "app/listing/RegisterJson.h"
#include "app/listing/RegisterText.h"

#include <memory>

namespace quitanza::app {

using namespace platform;

namespace {

const QString JsonOption = QStringLiteral("json");
const QString CsvOption = QStringLiteral("csv");
const QString FromOption = QStringLiteral("de");
const QString ToOption = QStringLiteral("ate");

std::unique_ptr<RowWriter> WriterFor(const QCommandLineParser& parser, QTextStream& out)
{
  if (parser.isSet(JsonOption) && parser.isSet(CsvOption))
    throw UsageError(QStringLiteral("--json e --csv não vão juntos: escolha um formato."));
  if (parser.isSet(JsonOption))
    return std::make_unique<JsonRowWriter>(out);
  if (parser.isSet(CsvOption))
    return std::make_unique<CsvRowWriter>(out);
  return std::make_unique<TextRowWriter>(out);
}

IssuePeriod PeriodFrom(const QCommandLineParser& parser)
{
  IssuePeriod period;
  if (parser.isSet(FromOption))
    period.From = DayFromText(parser.value(FromOption));
  if (parser.isSet(ToOption))
    period.To = DayFromText(parser.value(ToOption));
  return period;
}

// quitanza listar [--json | --csv] [--de DATA] [--ate DATA]: the register in its order.
class ListarCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("listar"); }
  QString Summary() const override { return QStringLiteral("Lista os recibos do registro, na ordem do registro."); }
  QList<PositionalArgument> PositionalArguments() const override { return {}; }

  QList<QCommandLineOption> Options() const override
  {
    return {
      QCommandLineOption(JsonOption, QStringLiteral("Lista em JSON, com todos os campos de cada recibo.")),
      QCommandLineOption(CsvOption, QStringLiteral("Lista em CSV para planilhas: separador ;, vírgula decimal, "
                                                   "UTF-8 com BOM, datas dd/mm/aaaa.")),
      QCommandLineOption(FromOption, QStringLiteral("Só os recibos emitidos a partir desse dia (dd/mm/aaaa)."),
                         QStringLiteral("DATA")),
      QCommandLineOption(ToOption, QStringLiteral("Só os recibos emitidos até esse dia (dd/mm/aaaa)."),
                         QStringLiteral("DATA")),
    };
  }

  void Run(const CommandInvocation& invocation) const override
  {
    const IssuePeriod period = PeriodFrom(invocation.Parser);
    const DataModule dm(invocation.DataDirectory, {}, DataAccess::Reading, ReportStart::Empty);
    const std::unique_ptr<RowWriter> writer = WriterFor(invocation.Parser, invocation.Out);
    // Rows go out as they are read: the register is never whole in memory.
    dm.ForEachStoredReceipt([&](const ReceiptRecord& record) {
      if (period.Contains(record))
        writer->Write(record);
    });
    writer->Finish();
  }
};

}  // namespace

std::unique_ptr<Command> CreateListarCommand()
{
  return std::make_unique<ListarCommand>();
}

}  // namespace quitanza::app
