#include "app/AuthenticationCode.h"
#include "app/PrincipalWorkflow.h"
#include "report/model/PictureView.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QFile>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

using ::testing::ElementsAre;

class EmitirWorkflowTest : public WorkflowTest {
protected:
  static ReceiptEntry Entry(const QString& cliente, const QString& valor)
  {
    ReceiptEntry entry;
    entry.Cliente = cliente;
    entry.Valor = valor;
    return entry;
  }

  PrincipalWorkflow Principal{*Dm, Ui};
  // What the operator sees of an issue that runs to its end.
  const QStringList Completed = {QStringLiteral("progresso"), QStringLiteral(u"visualização"),
                                 QStringLiteral("campos limpos"), QStringLiteral("foco: edtCliente"),
                                 QStringLiteral("progresso oculto")};
};

TEST_F(EmitirWorkflowTest, AMissingClientOrAZeroAmountIsRefusedAndChangesNothing)
{
  const struct {
    const char16_t* cliente;
    const char16_t* valor;
    QStringList seen;
  } cases[] = {
    {u"", u"10,00", {QStringLiteral(u"Atenção: Informe o Cliente."), QStringLiteral("foco: edtCliente")}},
    {u"JOÃO", u"0,00", {QStringLiteral(u"Atenção: Informe o Valor."), QStringLiteral("foco: edtValor")}},
    // Spaces are a name; only the empty text is refused.
    {u" ", u"0", {QStringLiteral(u"Atenção: Informe o Valor."), QStringLiteral("foco: edtValor")}},
    {u"JOÃO", u"-", {QStringLiteral("Erro: '-' is not a valid floating point value")}},
  };
  for (const auto& c : cases) {
    Ui.Seen.clear();
    EXPECT_FALSE(Principal.btnEmitirClick(Entry(QString::fromUtf16(c.cliente), QString::fromUtf16(c.valor))));
    EXPECT_EQ(Ui.Seen, c.seen);
  }
  EXPECT_FALSE(QFile::exists(SettingsPath()));
  EXPECT_FALSE(QFile::exists(RegisterPath()));
  EXPECT_TRUE(Dm->cdsReg.IsEmpty());
}

TEST_F(EmitirWorkflowTest, TheFirstReceiptIsNumberOneAndLeavesOnlyTheCounterInTheSettings)
{
  Principal.FormShow();
  ASSERT_TRUE(QFile::exists(RegisterPath()));
  Ui.Seen.clear();

  const std::optional<IssuedReceipt> issued = Principal.btnEmitirClick(Entry(QStringLiteral("JOÃO"), QStringLiteral("150,00")));
  ASSERT_TRUE(issued);
  EXPECT_EQ(issued->Codigo, 1);
  EXPECT_EQ(Ui.Seen, Completed);
  EXPECT_EQ(SettingsInFile(), QByteArray("[EMITENTE]\nCODIGO=1\n"));
  EXPECT_EQ(PreparedText(QStringLiteral("Codigo")), QStringLiteral(u"N°: 0000000001"));
  // The issuer lines keep their separators without values.
  EXPECT_EQ(PreparedText(QStringLiteral("Endereco")), QStringLiteral(","));
  EXPECT_EQ(PreparedText(QStringLiteral("Cidade")), QStringLiteral("Fone:  / "));
  EXPECT_EQ(PreparedText(QStringLiteral("Email_Site")), QStringLiteral(" / "));
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(1));
}

TEST_F(EmitirWorkflowTest, TheNumberFollowsTheCounterAndTheReceiptIsStoredAsTyped)
{
  WriteSettings("[EMITENTE]\nCODIGO=41\nCFP_CNPJ=12345678000195\nEMPRESA=Padaria São João\n");
  Principal.FormShow();
  ReceiptEntry entry = Entry(QStringLiteral(u"D'ÁVILA"), QStringLiteral("1.500,00"));
  entry.CNPJ = QStringLiteral("123.456.789-09");
  entry.Referente = QStringLiteral("Aluguel de março\nparcela única");

  const std::optional<IssuedReceipt> issued = Principal.btnEmitirClick(entry);
  ASSERT_TRUE(issued);
  const QString code =
    CodigoAutenticacao(QStringLiteral("1.500,00"), QStringLiteral("12345678000195"), 42, QStringLiteral(u"D'ÁVILA"));
  EXPECT_EQ(issued->Codigo, 42);
  EXPECT_EQ(issued->Autenticacao, code);
  EXPECT_EQ(SettingsInFile(),
            QStringLiteral(u"[EMITENTE]\nCODIGO=42\nCFP_CNPJ=12345678000195\nEMPRESA=Padaria São João\n").toUtf8());

  EXPECT_EQ(PreparedText(QStringLiteral("Codigo")), QStringLiteral(u"N°: 0000000042"));
  EXPECT_EQ(PreparedText(QStringLiteral("Cliente")), QStringLiteral(u"123.456.789-09 - D'ÁVILA"));
  EXPECT_EQ(PreparedText(QStringLiteral("Empresa")), QStringLiteral(u"PADARIA SÃO JOÃO"));
  EXPECT_EQ(PreparedText(QStringLiteral("CPF_CNPJ")), QStringLiteral("12345678000195"));
  EXPECT_EQ(PreparedText(QStringLiteral("Valor")), QStringLiteral("1.500,00"));
  EXPECT_EQ(PreparedText(QStringLiteral("Informacao")), QStringLiteral("UM MIL E QUINHENTOS REAIS"));
  EXPECT_EQ(PreparedText(QStringLiteral("Referente")), QStringLiteral(u"ALUGUEL DE MARÇO\r\nPARCELA ÚNICA"));
  EXPECT_EQ(PreparedText(QStringLiteral("MD5")), QStringLiteral(u"Autenticação: ") + code);

  const std::vector<ReceiptRecord> stored = RegisterInFile();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Cliente, QStringLiteral(u"D'ÁVILA"));
  EXPECT_EQ(stored[0].CNPJ, QStringLiteral("123.456.789-09"));
  EXPECT_EQ(stored[0].Valor, Amount::FromTicks(15000000));
  EXPECT_EQ(stored[0].Referente, entry.Referente);
  EXPECT_EQ(stored[0].Tipo, 0);
  EXPECT_EQ(stored[0].Codigo, 42);
  EXPECT_EQ(stored[0].Autenticacao, code);
}

// The receipt goes in at the current row: after start-up the first one, then
// the receipt just issued.
TEST_F(EmitirWorkflowTest, ReceiptsAreInsertedAtTheCurrentRow)
{
  WriteSettings("[EMITENTE]\nCODIGO=3\n");
  WriteRegister({Receipt(3), Receipt(2), Receipt(1)});
  Principal.FormShow();
  Dm->cdsReg.MoveTo(1);
  ASSERT_TRUE(Principal.btnEmitirClick(Entry(QStringLiteral("A"), QStringLiteral("1,00"))));
  ASSERT_TRUE(Principal.btnEmitirClick(Entry(QStringLiteral("B"), QStringLiteral("-5,00"))));
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(3, 5, 4, 2, 1));
  EXPECT_EQ(RegisterInFile().at(1).Valor, Amount::FromTicks(-50000));
}

TEST_F(EmitirWorkflowTest, AReceiptPrintsTheLogoInBothCopiesAndAPaymentNone)
{
  WriteSettings(QStringLiteral("[EMITENTE]\nLOGO=%1\n").arg(WriteLogo()).toUtf8());
  ReceiptEntry entry = Entry(QStringLiteral("JOÃO"), QStringLiteral("10,00"));
  ASSERT_TRUE(Principal.btnEmitirClick(entry));
  for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
    const PictureView* logo = PreparedPicture(name);
    ASSERT_NE(logo, nullptr) << name.toStdString();
    EXPECT_EQ(logo->Picture().Width(), 40);
    EXPECT_NEAR(static_cast<double>(logo->Width()), 143.62, 1e-9);
    EXPECT_NEAR(static_cast<double>(logo->Height()), 83.15, 1e-9);
  }

  entry.Tipo = 1;
  ASSERT_TRUE(Principal.btnEmitirClick(entry));
  EXPECT_EQ(PreparedText(QStringLiteral("Memo1")), QStringLiteral("RECIBO DE PAGAMENTO"));
  for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
    ASSERT_NE(PreparedPicture(name), nullptr);
    EXPECT_TRUE(PreparedPicture(name)->Picture().IsEmpty()) << name.toStdString();
  }
  EXPECT_EQ(RegisterInFile().at(0).Tipo, 1);
}

// A folder in the file's place: the tests may run as root, whom a read-only
// file does not stop.
TEST_F(EmitirWorkflowTest, ARegisterThatCannotBeWrittenEndsTheIssueAfterThePreviewAndKeepsTheCounter)
{
  WriteSettings("[EMITENTE]\nCODIGO=7\n");
  Principal.FormShow();
  ASSERT_TRUE(QFile::remove(RegisterPath()));
  ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("recibo.xml")));
  Ui.Seen.clear();

  EXPECT_FALSE(Principal.btnEmitirClick(Entry(QStringLiteral("JOÃO"), QStringLiteral("10,00"))));
  ASSERT_EQ(Ui.Seen.size(), Completed.size() + 1);
  EXPECT_EQ(Ui.Seen.mid(0, Completed.size()), Completed);
  EXPECT_TRUE(Ui.Seen.last().startsWith(QStringLiteral(u"Erro: Erro ao gerar recibo: Não foi possível gravar ") + RegisterPath()))
    << Ui.Seen.last().toStdString();
  EXPECT_EQ(SettingsInFile(), QByteArray("[EMITENTE]\nCODIGO=7\n"));
  // The row stays in memory and reaches the file at the next save.
  EXPECT_EQ(Dm->cdsRegCodigo.AsInteger(), 8);
}

TEST_F(EmitirWorkflowTest, AFailureBeforeTheRegisterStoresNothing)
{
  WriteSettings("[EMITENTE]\nCODIGO=2147483647\n");
  EXPECT_FALSE(Principal.btnEmitirClick(Entry(QStringLiteral("JOÃO"), QStringLiteral("10,00"))));
  EXPECT_EQ(Ui.Seen.last(),
            QStringLiteral(u"Erro: Erro ao gerar recibo: CODIGO=2147483647 é o último número de recibo possível."));
  EXPECT_TRUE(Ui.Seen.contains(QStringLiteral("campos limpos")));
  EXPECT_TRUE(Dm->cdsReg.IsEmpty());
  EXPECT_FALSE(QFile::exists(RegisterPath()));
}
