#include "app/listing/RegisterText.h"

#include <QStringList>

namespace quitanza::app {

using namespace platform;

QString RowAsText(const ReceiptRecord& record)
{
  return QStringList{QString::number(record.Codigo), ReceiptTypeName(record.Tipo), record.Valor.ToBrazilianText(2),
                     record.CNPJ, record.Cliente, record.Autenticacao,
                     record.Data.isValid() ? record.Data.toString(QStringLiteral("dd/MM/yyyy HH:mm")) : QString()}
    .join(u'\t');
}

TextRowWriter::TextRowWriter(QTextStream& out) : m_out(out)
{
  m_out << QStringLiteral(u"Número\tTipo\tValor\tCPF/CNPJ\tCliente\tAutenticação\tEmitido em\n");
}

void TextRowWriter::Write(const ReceiptRecord& record)
{
  m_out << RowAsText(record) << u'\n';
}

}  // namespace quitanza::app
