#include "tests/platform/storage/SampleRecords.h"

#include <QCryptographicHash>

using namespace quitanza::doclib;
using namespace quitanza::platform;

ReceiptRecord SampleRecord(int number)
{
  ReceiptRecord record;
  record.Cliente = QStringLiteral("PADARIA E CONFEITARIA SÃO JOÃO %1 LTDA").arg(number);
  record.CNPJ = QStringLiteral("12.345.678/%1-95").arg(number % 10000, 4, 10, QLatin1Char('0'));
  record.Valor = Amount::FromTicks((static_cast<std::int64_t>(number) * 1234567) % 100000000 - 1000000);
  record.Referente = QStringLiteral("Serviços de manutenção, parcela %1\nPagamento à vista").arg(number);
  record.Tipo = number % 2;
  record.Codigo = number;
  record.Autenticacao = QString::fromLatin1(QCryptographicHash::hash(QByteArray::number(number), QCryptographicHash::Md5).toHex().toUpper());
  return record;
}

std::vector<ReceiptRecord> SampleRecords(int count)
{
  std::vector<ReceiptRecord> records;
  records.reserve(static_cast<std::size_t>(count));
  for (int number = 1; number <= count; ++number) records.push_back(SampleRecord(number));
  return records;
}
