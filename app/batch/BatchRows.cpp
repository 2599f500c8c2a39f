#include "app/batch/BatchRows.h"

#include "app/EntryFields.h"
#include "app/batch/CsvTable.h"
#include "app/cli/AmountArgument.h"
#include "doclib/InvalidInputError.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <map>

namespace quitanza::app {

using namespace doclib;

namespace {

enum Column { Cliente, Documento, Valor, Referente, Tipo, ColumnCount };

constexpr std::array<QStringView, ColumnCount> ColumnNames = {u"cliente", u"documento", u"valor", u"referente", u"tipo"};

// Where each column is in the records; -1 for tipo when the file has none.
std::array<qsizetype, ColumnCount> ColumnsOf(const QStringList& header)
{
  std::array<qsizetype, ColumnCount> at{};
  for (int column = 0; column < ColumnCount; ++column) {
    at[column] = -1;
    for (qsizetype i = 0; i < header.size() && at[column] < 0; ++i) {
      if (header[i].trimmed().compare(ColumnNames[column], Qt::CaseInsensitive) == 0)
        at[column] = i;
    }
    if (at[column] < 0 && column != Tipo)
      throw InvalidInputError(
        QStringLiteral("Falta a coluna %1 no cabeçalho (colunas: cliente, documento, valor, referente e, se quiser, tipo).")
          .arg(ColumnNames[column]));
  }
  return at;
}

bool IsEmpty(const QStringList& fields)
{
  return std::all_of(fields.cbegin(), fields.cend(), [](const QString& field) { return field.trimmed().isEmpty(); });
}

// The entry the main window would hold; throws InvalidInputError with the
// message the window would show.
ReceiptEntry EntryOf(const QStringList& fields, const std::array<qsizetype, ColumnCount>& at, std::int32_t defaultTipo)
{
  const auto cell = [&](Column column) { return at[column] >= 0 ? fields.value(at[column]) : QString(); };
  ReceiptEntry entry;
  // The fields refuse what they cannot take as the operator leaves them, in
  // their tab order; Emitir's own checks come last.
  entry.Cliente = TextAsLeft(NameField(), cell(Cliente));
  const QString documento = cell(Documento).trimmed();
  if (!documento.isEmpty())
    entry.CNPJ = TextAsLeft(CpfCnpjField(), documento);
  const QString valor = cell(Valor).trimmed();
  entry.Valor = valor.isEmpty() ? TextAsLeft(AmountField(), valor) : AmountAsLeft(valor);
  entry.Referente = cell(Referente);
  const QString tipo = cell(Tipo).trimmed();
  entry.Tipo = tipo.isEmpty() ? defaultTipo : ReceiptTypeNamed(tipo);
  if (const std::optional<EntryRefusal> refusal = RefusalOf(entry))
    throw InvalidInputError(refusal->Message);
  return entry;
}

}  // namespace

std::int32_t ReceiptTypeNamed(const QString& word)
{
  static const std::map<QString, std::int32_t> types = {
    {QStringLiteral("recebimento"), 0},
    {QStringLiteral("pagamento"), 1},
  };
  const auto found = types.find(word.toLower());
  if (found == types.end())
    throw InvalidInputError(QStringLiteral("Tipo desconhecido: %1 (recebimento ou pagamento).").arg(word));
  return found->second;
}

BatchRows ReadBatchRows(QByteArrayView csv, std::int32_t defaultTipo)
{
  const std::vector<CsvRecord> records = ReadCsv(csv);
  if (records.empty())
    throw InvalidInputError(QStringLiteral("O arquivo está vazio: falta o cabeçalho cliente;documento;valor;referente."));
  const std::array<qsizetype, ColumnCount> at = ColumnsOf(records.front().Fields);
  const qsizetype columns = records.front().Fields.size();

  BatchRows batch;
  for (auto record = records.cbegin() + 1; record != records.cend(); ++record) {
    if (IsEmpty(record->Fields))
      continue;
    try {
      // A separator inside an unquoted cell (1,50 in a file separated by commas) moves every cell after it.
      if (record->Fields.size() > columns && !IsEmpty(record->Fields.mid(columns)))
        throw InvalidInputError(QStringLiteral("a linha tem %1 campos e o cabeçalho, %2.")
                                  .arg(record->Fields.size())
                                  .arg(columns));
      batch.Rows.push_back({record->Line, EntryOf(record->Fields, at, defaultTipo)});
    } catch (const InvalidInputError& refused) {
      batch.Refused.push_back({record->Line, refused.Message()});
    }
  }
  if (batch.Rows.empty() && batch.Refused.empty())
    throw InvalidInputError(QStringLiteral("O arquivo não tem nenhum recibo: só o cabeçalho."));
  return batch;
}

}  // namespace quitanza::app
