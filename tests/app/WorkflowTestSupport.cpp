#include "tests/app/WorkflowTestSupport.h"

#include "platform/AtomicFile.h"
#include "platform/RegisterFile.h"

TWorkflowTest::TWorkflowTest() : Dm(std::make_unique<TDm>(FFolder.path())) {}

void TWorkflowTest::WriteRegister(const std::vector<TReceiptRecord>& records) const
{
  WriteRegisterFile(RegisterPath(), Packed(records));
}

std::vector<TReceiptRecord> TWorkflowTest::RegisterInFile() const
{
  return Unpacked(ReadRegisterFile(RegisterPath()));
}

void TWorkflowTest::WriteSettings(const QByteArray& content) const
{
  WriteFileAtomically(SettingsPath(), content);
}

QByteArray TWorkflowTest::SettingsInFile() const
{
  return ReadWholeFile(SettingsPath());
}

TReceiptRecord Receipt(std::int32_t codigo)
{
  TReceiptRecord record;
  record.Cliente = QStringLiteral("CLIENTE %1").arg(codigo);
  record.CNPJ = QStringLiteral("12345678000195");
  record.Valor = Amount::fromTicks(codigo * 10000LL);
  record.Referente = QStringLiteral("Parcela %1\nà vista").arg(codigo);
  record.Codigo = codigo;
  record.Autenticacao = QStringLiteral("70350F6027BCE3713F6B76473084309B");
  return record;
}

std::vector<std::int32_t> Codigos(const std::vector<TReceiptRecord>& records)
{
  std::vector<std::int32_t> codigos;
  for (const TReceiptRecord& record : records)
    codigos.push_back(record.Codigo);
  return codigos;
}
