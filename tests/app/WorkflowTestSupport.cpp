#include "tests/app/WorkflowTestSupport.h"

#include "platform/files/AtomicFile.h"
#include "platform/storage/RegisterFile.h"
#include "report/model/MemoView.h"
#include "report/model/PictureView.h"
#include "report/model/PreviewPages.h"
#include "report/model/ReportPage.h"

#include <QImage>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

// The templates the build wrote beside the executable.
WorkflowTest::WorkflowTest() : Dm(std::make_unique<DataModule>(m_folder.path(), QStringLiteral(QUITANZA_BINARY_DIR "/app"))) {}

void WorkflowTest::WriteRegister(const std::vector<ReceiptRecord>& records) const
{
  WriteRegisterFile(RegisterPath(), Packed(records));
}

std::vector<ReceiptRecord> WorkflowTest::RegisterInFile() const
{
  return Unpacked(ReadRegisterFile(RegisterPath()));
}

void WorkflowTest::WriteSettings(const QByteArray& content) const
{
  WriteFileAtomically(SettingsPath(), content);
}

QByteArray WorkflowTest::SettingsInFile() const
{
  return ReadWholeFile(SettingsPath());
}

QString WorkflowTest::WriteLogo() const
{
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::darkGreen);
  const QString path = PathOf(QStringLiteral("logo.png"));
  EXPECT_TRUE(logo.save(path));
  return path;
}

QString WorkflowTest::PreparedText(const QString& name) const
{
  quitanza::report::ReportPage* page = Dm->frxReport.PreviewPages().GetPage(0);
  const auto* memo = page ? dynamic_cast<const MemoView*>(page->FindObject(name)) : nullptr;
  if (!memo) {
    ADD_FAILURE() << "no prepared memo " << name.toStdString();
    return {};
  }
  QString text = memo->Text();
  if (text.endsWith(QStringLiteral("\r\n")))
    text.chop(2);
  return text;
}

const PictureView* WorkflowTest::PreparedPicture(const QString& name) const
{
  quitanza::report::ReportPage* page = Dm->frxReport.PreviewPages().GetPage(0);
  return page ? dynamic_cast<const quitanza::report::PictureView*>(page->FindObject(name)) : nullptr;
}

ReceiptRecord Receipt(std::int32_t codigo)
{
  ReceiptRecord record;
  record.Cliente = QStringLiteral("CLIENTE %1").arg(codigo);
  record.CNPJ = QStringLiteral("12345678000195");
  record.Valor = Amount::FromTicks(codigo * 10000LL);
  record.Referente = QStringLiteral("Parcela %1\nà vista").arg(codigo);
  record.Codigo = codigo;
  record.Autenticacao = QStringLiteral("70350F6027BCE3713F6B76473084309B");
  return record;
}

std::vector<std::int32_t> Codigos(const std::vector<ReceiptRecord>& records)
{
  std::vector<std::int32_t> codigos;
  for (const ReceiptRecord& record : records)
    codigos.push_back(record.Codigo);
  return codigos;
}
