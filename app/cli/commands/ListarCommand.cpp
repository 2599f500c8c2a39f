#include "app/DataModule.h"
#include "app/cli/Command.h"
#include "platform/storage/ReceiptRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>
#include <variant>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QString JsonOption = QStringLiteral("json");

QString TypeName(std::int32_t tipo)
{
  switch (tipo) {
  case 0: return QStringLiteral("Recebimento");
  case 1: return QStringLiteral("Pagamento");
  }
  return QString::number(tipo);
}

// A field as JSON: texts as strings, numbers as numbers, a date and time in
// ISO 8601 or null. An amount is exact below a hundred billion reais,
// fifteen digits being what a double holds.
QJsonValue FieldAsJson(const ReceiptRecord& record, const FieldDef& field)
{
  if (const auto* amount = std::get_if<CurrencyMember>(&field.Member))
    return (record.**amount).ToDouble();
  if (const auto* integer = std::get_if<IntegerMember>(&field.Member))
    return record.**integer;
  if (const auto* moment = std::get_if<DateTimeMember>(&field.Member))
    return (record.**moment).isValid() ? QJsonValue((record.**moment).toString(Qt::ISODate)) : QJsonValue();
  return record.*std::get<TextMember>(field.Member);
}

// One object per row, the field names as keys.
QJsonObject RowAsJson(const ReceiptRecord& record)
{
  QJsonObject row;
  for (const FieldDef& field : ReceiptFields)
    row.insert(field.Name, FieldAsJson(record, field));
  return row;
}

// The rows as a JSON array, written one row at a time as they are read:
// each row is formatted as QJsonDocument indents it inside an array, so the
// text is the same as the whole array's without the whole register ever being
// one document.
void WriteRowsAsJson(const DataModule& dm, QTextStream& out)
{
  out << QStringLiteral("[");
  bool first = true;
  dm.ForEachStoredReceipt([&](const ReceiptRecord& record) {
    const QByteArray array = QJsonDocument(QJsonArray{RowAsJson(record)}).toJson(QJsonDocument::Indented);
    // "[\n", the row, "\n]\n"
    out << (first ? QStringLiteral("\n") : QStringLiteral(",\n")) << QString::fromUtf8(array.sliced(2, array.size() - 5));
    first = false;
  });
  out << QStringLiteral("\n]\n");
}

// A line per row, tab-separated: number, type, amount, document, client,
// code and the day and time of issue (empty for receipts stored before
// dates were kept).
QString RowAsText(const ReceiptRecord& record)
{
  return QStringList{QString::number(record.Codigo), TypeName(record.Tipo), record.Valor.ToBrazilianText(2),
                     record.CNPJ, record.Cliente, record.Autenticacao,
                     record.Data.isValid() ? record.Data.toString(QStringLiteral("dd/MM/yyyy HH:mm")) : QString()}
    .join(u'\t');
}

// quitanza listar [--json]: the register in its order.
class ListarCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("listar"); }
  QString Summary() const override { return QStringLiteral("Lista os recibos do registro, na ordem do registro."); }
  QList<PositionalArgument> PositionalArguments() const override { return {}; }

  QList<QCommandLineOption> Options() const override
  {
    return {QCommandLineOption(JsonOption, QStringLiteral("Lista em JSON, com todos os campos de cada recibo."))};
  }

  void Run(const CommandInvocation& invocation) const override
  {
    const DataModule dm(invocation.DataDirectory, {}, DataAccess::Reading, ReportStart::Empty);
    if (invocation.Parser.isSet(JsonOption)) {
      WriteRowsAsJson(dm, invocation.Out);
      return;
    }
    dm.ForEachStoredReceipt([&](const ReceiptRecord& record) { invocation.Out << RowAsText(record) << u'\n'; });
  }
};

}  // namespace

std::unique_ptr<Command> CreateListarCommand()
{
  return std::make_unique<ListarCommand>();
}

}  // namespace quitanza::app
