#include "app/listing/RegisterJson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <variant>

namespace quitanza::app {

using namespace platform;

namespace {

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

}  // namespace

QJsonObject RowAsJson(const ReceiptRecord& record)
{
  QJsonObject row;
  for (const FieldDef& field : ReceiptFields)
    row.insert(field.Name, FieldAsJson(record, field));
  return row;
}

JsonRowWriter::JsonRowWriter(QTextStream& out) : m_out(out)
{
  m_out << QStringLiteral("[\n");
}

void JsonRowWriter::Write(const ReceiptRecord& record)
{
  const QByteArray array = QJsonDocument(QJsonArray{RowAsJson(record)}).toJson(QJsonDocument::Indented);
  if (!m_empty)
    m_out << QStringLiteral(",\n");
  // "[\n", the row, "\n]\n"
  m_out << QString::fromUtf8(array.sliced(2, array.size() - 5));
  m_empty = false;
}

void JsonRowWriter::Finish()
{
  m_out << (m_empty ? QStringLiteral("]\n") : QStringLiteral("\n]\n"));
}

}  // namespace quitanza::app
