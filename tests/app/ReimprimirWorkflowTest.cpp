#include "app/ConsultaWorkflow.h"
#include "app/PrincipalWorkflow.h"
#include "platform/files/AtomicFile.h"
#include "report/model/PictureView.h"
#include "report/model/PreviewPages.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QLocale>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

class ReimprimirWorkflowTest : public WorkflowTest {
protected:
  // The register and settings as a previous run left them, the window open.
  void StartWith(const std::vector<ReceiptRecord>& records, const QByteArray& settings)
  {
    WriteRegister(records);
    WriteSettings(settings);
    Principal.FormShow();
    Consulta.FormShow();
    Ui.Seen.clear();
  }

  PrincipalWorkflow Principal{*Dm, Ui};
  ConsultaWorkflow Consulta{*Dm, Ui};
};

TEST_F(ReimprimirWorkflowTest, AnEmptyRegisterPrintsNothing)
{
  Principal.FormShow();
  Ui.Seen.clear();
  Consulta.btnImprimirClick();
  EXPECT_TRUE(Ui.Seen.isEmpty());
  EXPECT_EQ(Dm->frxReport.PreviewPages().Count(), 0);
}

TEST_F(ReimprimirWorkflowTest, TheStoredReceiptIsPrintedWithItsDocumentAndAmountFormatted)
{
  ReceiptRecord record = Receipt(42);
  record.Cliente = QStringLiteral(u"D'ÁVILA");
  record.Valor = Amount::FromTicks(15000000);
  record.Referente = QStringLiteral(u"Aluguel de março");
  const QByteArray settings = "[EMITENTE]\nCODIGO=99\nEMPRESA=Padaria Sao Joao\nCFP_CNPJ=11144477735\n";
  StartWith({Receipt(1), record}, settings);
  Dm->cdsReg.MoveTo(1);
  const QByteArray registerBefore = ReadWholeFile(RegisterPath());

  Consulta.btnImprimirClick();
  EXPECT_EQ(Ui.Seen, QStringList{QStringLiteral(u"visualização")});
  EXPECT_EQ(PreparedText(QStringLiteral("Empresa")), QStringLiteral("PADARIA SAO JOAO"));
  EXPECT_EQ(PreparedText(QStringLiteral("CPF_CNPJ")), QStringLiteral("111.444.777-35"));
  EXPECT_EQ(PreparedText(QStringLiteral("Cliente")), QStringLiteral(u"12.345.678/0001-95 - D'ÁVILA"));
  EXPECT_EQ(PreparedText(QStringLiteral("Valor")), QStringLiteral("1.500,00"));
  EXPECT_EQ(PreparedText(QStringLiteral("Informacao")), QStringLiteral("UM MIL E QUINHENTOS REAIS"));
  EXPECT_EQ(PreparedText(QStringLiteral("Referente")), QStringLiteral(u"ALUGUEL DE MARÇO"));
  EXPECT_EQ(PreparedText(QStringLiteral("Codigo")), QStringLiteral(u"N°: 0000000042"));
  EXPECT_EQ(PreparedText(QStringLiteral("MD5")), QStringLiteral(u"Autenticação: ") + record.Autenticacao);
  // A reprint stores nothing.
  EXPECT_EQ(ReadWholeFile(RegisterPath()), registerBefore);
  EXPECT_EQ(SettingsInFile(), settings);
}

// A reprint shows the day the receipt was issued; one stored before the day
// was kept shows today, as it always did.
TEST_F(ReimprimirWorkflowTest, TheDateIsTheDayOfIssue)
{
  ReceiptRecord dated = Receipt(1);
  dated.Data = QDateTime(QDate(2013, 9, 2), QTime(10, 30));
  StartWith({dated, Receipt(2)}, "[EMITENTE]\nCIDADE=Recife\n");
  Consulta.btnImprimirClick();
  EXPECT_EQ(PreparedText(QStringLiteral("Date")), QStringLiteral(u"Recife , segunda-feira, 02 de setembro de 2013"));

  Dm->cdsReg.MoveTo(1);
  Consulta.btnImprimirClick();
  EXPECT_EQ(PreparedText(QStringLiteral("Date")),
            QStringLiteral("Recife , ") + QLocale(QLocale::Portuguese, QLocale::Brazil)
                                            .toString(QDate::currentDate(), QStringLiteral("dddd, dd 'de' MMMM 'de' yyyy")));
}

// Issuing keeps the moment the receipt shows, and its reprint shows it again.
TEST_F(ReimprimirWorkflowTest, AnIssuedReceiptKeepsItsDate)
{
  StartWith({}, "[EMITENTE]\nCIDADE=Recife\n");
  const QDateTime before = QDateTime::currentDateTime();
  ReceiptEntry entry;
  entry.Cliente = QStringLiteral("ANA");
  entry.Valor = QStringLiteral("10,00");
  ASSERT_TRUE(Principal.btnEmitirClick(entry));
  const QString issuedText = PreparedText(QStringLiteral("Date"));
  Dm->LoadRegisterIfPresent();
  ASSERT_EQ(Dm->cdsReg.RecordCount(), 1);
  const QDateTime stored = Dm->cdsReg.Record(0).Data;
  EXPECT_GE(stored, before.addMSecs(-1));
  EXPECT_LE(stored, QDateTime::currentDateTime());
  Consulta.FormShow();
  Consulta.btnImprimirClick();
  EXPECT_EQ(PreparedText(QStringLiteral("Date")), issuedText);
}

TEST_F(ReimprimirWorkflowTest, TheDocumentIsShownPunctuatedWhateverFormItWasStoredIn)
{
  const struct {
    const char16_t* stored;
    const char16_t* shown;
  } cases[] = {
    {u"12345678000195", u"12.345.678/0001-95 - CLIENTE 1"},
    {u"123.456.789-09", u"123.456.789-09 - CLIENTE 1"},
    {u"", u" - CLIENTE 1"},
  };
  for (const auto& c : cases) {
    ReceiptRecord record = Receipt(1);
    record.CNPJ = QString::fromUtf16(c.stored);
    Dm->cdsReg.Insert();
    Dm->cdsRegCliente.SetAsString(record.Cliente);
    Dm->cdsRegCNPJ.SetAsString(record.CNPJ);
    Dm->cdsReg.Post();
    Consulta.btnImprimirClick();
    EXPECT_EQ(PreparedText(QStringLiteral("Cliente")), QString::fromUtf16(c.shown));
  }
}

TEST_F(ReimprimirWorkflowTest, TheTemplateAndLogoFollowTheStoredTypeAndTheCurrentSettings)
{
  ReceiptRecord payment = Receipt(2);
  payment.Tipo = 1;
  StartWith({Receipt(1), payment}, QStringLiteral("[EMITENTE]\nLOGO=%1\n").arg(WriteLogo()).toUtf8());

  Consulta.btnImprimirClick();
  ASSERT_NE(PreparedPicture(QStringLiteral("Picture3")), nullptr);
  EXPECT_EQ(PreparedPicture(QStringLiteral("Picture3"))->Picture().Width(), 40);

  Dm->cdsReg.MoveTo(1);
  Consulta.btnImprimirClick();
  EXPECT_EQ(PreparedText(QStringLiteral("Memo1")), QStringLiteral("RECIBO DE PAGAMENTO"));
  EXPECT_TRUE(PreparedPicture(QStringLiteral("Picture1"))->Picture().IsEmpty());
}

TEST_F(ReimprimirWorkflowTest, ErrorsAreShownWithTheirOwnMessage)
{
  ReceiptRecord unknown = Receipt(1);
  unknown.Tipo = 7;
  StartWith({unknown}, "");
  Consulta.btnImprimirClick();
  EXPECT_EQ(Ui.Seen, QStringList{QStringLiteral("Erro: Tipo de recibo desconhecido: 7")});
}
