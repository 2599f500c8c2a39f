#include "app/listing/RegisterCsv.h"

#include "platform/files/FileError.h"
#include "platform/files/FileReplacement.h"
#include "platform/storage/ReceiptRegister.h"

#include <QStringConverter>
#include <QStringList>

#include <cstdint>

namespace quitanza::app {

using namespace doclib;
using namespace platform;

namespace {

QString Cell(const QString& text)
{
  if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
    return text;
  QString quoted = text;
  quoted.replace(u'"', QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

// 1500,00 and -0,5 as -0,50; 0,0001 keeps its four decimals, so the cell
// holds the stored amount exactly.
QString AmountCell(Amount amount)
{
  const std::int64_t ticks = amount.Ticks();
  const std::uint64_t magnitude = ticks < 0 ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
  QString fraction = QStringLiteral("%1").arg(magnitude % Amount::TicksPerUnit, 4, 10, QChar(u'0'));
  while (fraction.size() > 2 && fraction.endsWith(u'0'))
    fraction.chop(1);
  return (ticks < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / Amount::TicksPerUnit) + u',' + fraction;
}

}  // namespace

QString RowAsCsv(const ReceiptRecord& record)
{
  return QStringList{QString::number(record.Codigo),
                     record.Data.isValid() ? record.Data.toString(QStringLiteral("dd/MM/yyyy")) : QString(),
                     ReceiptTypeName(record.Tipo),
                     Cell(record.Cliente),
                     Cell(record.CNPJ),
                     AmountCell(record.Valor),
                     Cell(record.Referente),
                     Cell(record.Autenticacao)}
           .join(u';') +
         QStringLiteral("\r\n");
}

CsvRowWriter::CsvRowWriter(QTextStream& out) : m_out(out)
{
  m_out << QChar(0xFEFF) << QStringLiteral(u"Número;Data;Tipo;Cliente;CPF/CNPJ;Valor;Referente;Autenticação\r\n");
}

void CsvRowWriter::Write(const ReceiptRecord& record)
{
  m_out << RowAsCsv(record);
}

void ExportRegisterCsv(const ReceiptRegister& reg, const QString& path)
{
  FileReplacement file(path);
  QTextStream out(&file.Device());
  out.setEncoding(QStringConverter::Utf8);
  CsvRowWriter writer(out);
  for (qsizetype i = 0; i < reg.RecordCount(); ++i)
    writer.Write(reg.Record(i));
  writer.Finish();
  out.flush();
  if (out.status() != QTextStream::Ok)
    throw FileError::UnableToWrite(file.Path(), file.Device().errorString());
  file.Commit();
}

}  // namespace quitanza::app
