#include "app/AutenticarWorkflow.h"
#include "app/AuthenticationCode.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QFile>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

class AutenticarWorkflowTest : public WorkflowTest {
protected:
  AutenticarWorkflowTest() { WriteSettings("[EMITENTE]\nCFP_CNPJ=12.345.678/0001-95\n"); }

  std::optional<QString> Autenticar(const QString& codigo, const QString& cliente, const QString& valor)
  {
    return Autenticacao.BitBtn1Click({codigo, cliente, valor});
  }

  AutenticarWorkflow Autenticacao{*Dm, Ui};
};

TEST_F(AutenticarWorkflowTest, ReproducesTheCodeOfIssuingUnderTheStoredIssuerDocument)
{
  const QString printed = CodigoAutenticacao(QStringLiteral("1.500,00"), QStringLiteral("12.345.678/0001-95"), 42,
                                             QStringLiteral("FULANO DE TAL"));
  EXPECT_EQ(Autenticar(QStringLiteral("42"), QStringLiteral("FULANO DE TAL"), QStringLiteral("1.500,00")), printed);
  EXPECT_TRUE(Ui.Seen.isEmpty());

  // The number as printed, with its zeros, is the same number.
  EXPECT_EQ(Autenticar(QStringLiteral("0000000042"), QStringLiteral("FULANO DE TAL"), QStringLiteral("1.500,00")),
            printed);
  EXPECT_EQ(Autenticar(QStringLiteral("0"), QStringLiteral("FULANO DE TAL"), QStringLiteral("1.500,00")),
            CodigoAutenticacao(QStringLiteral("1.500,00"), QStringLiteral("12.345.678/0001-95"), 0,
                               QStringLiteral("FULANO DE TAL")));
  // The amount as shown inside the field, without thousands points, too.
  EXPECT_NE(Autenticar(QStringLiteral("42"), QStringLiteral("FULANO DE TAL"), QStringLiteral("1500,00")), printed);
}

TEST_F(AutenticarWorkflowTest, ChangingTheIssuerDocumentChangesTheCodesOfEarlierReceipts)
{
  const auto before = Autenticar(QStringLiteral("7"), QStringLiteral("ANA"), QStringLiteral("10,00"));
  WriteSettings("[EMITENTE]\nCFP_CNPJ=123.456.789-09\n");
  EXPECT_NE(Autenticar(QStringLiteral("7"), QStringLiteral("ANA"), QStringLiteral("10,00")), before);
}

// Only the first half of the joined text is hashed: 150,00 + 12345678000195 +
// 1 are 21 characters, so a name of up to 21 characters enters the code by
// its length only, and a longer one from its first character on.
TEST_F(AutenticarWorkflowTest, TheClientNameCountsOnlyBeyondTheHashedHalf)
{
  WriteSettings("[EMITENTE]\nCFP_CNPJ=12345678000195\n");
  const auto code = [&](const QString& cliente) { return Autenticar(QStringLiteral("1"), cliente, QStringLiteral("150,00")); };
  EXPECT_EQ(code(QString(21, u'A')), code(QString(21, u'Z')));
  EXPECT_EQ(code(QStringLiteral("ANA")), code(QStringLiteral("ZOE")));
  EXPECT_NE(code(QString(22, u'A')), code(QString(22, u'Z')));
}

TEST_F(AutenticarWorkflowTest, MissingInputsAreRefusedWithTheFocusOnTheirField)
{
  const struct {
    const char16_t* codigo;
    const char16_t* cliente;
    const char16_t* valor;
    const char16_t* warning;
    const char16_t* field;
  } cases[] = {
    {u"", u"ANA", u"10,00", u"Informe o código do recibo.", u"edtCodigo"},
    {u"1", u"", u"10,00", u"Informe o Cliente.", u"edtCliente"},
    {u"", u"", u"0,00", u"Informe o código do recibo.", u"edtCodigo"},
    {u"1", u"ANA", u"0,00", u"Informe o Valor.", u"edtValor"},
    {u"1", u"ANA", u"-0,00", u"Informe o Valor.", u"edtValor"},
  };
  for (const auto& c : cases) {
    Ui.Seen.clear();
    EXPECT_EQ(Autenticar(QString::fromUtf16(c.codigo), QString::fromUtf16(c.cliente), QString::fromUtf16(c.valor)),
              std::nullopt);
    EXPECT_EQ(Ui.Seen, QStringList({QStringLiteral(u"Atenção: ") + QString::fromUtf16(c.warning),
                                    QStringLiteral("foco: ") + QString::fromUtf16(c.field)}));
  }
}

TEST_F(AutenticarWorkflowTest, SpacesAreANameAndANegativeAmountIsAnAmount)
{
  EXPECT_NE(Autenticar(QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("-5,00")), std::nullopt);
  EXPECT_TRUE(Ui.Seen.isEmpty());
}

TEST_F(AutenticarWorkflowTest, AnAmountThatIsNoNumberGivesTheConversionError)
{
  EXPECT_EQ(Autenticar(QStringLiteral("1"), QStringLiteral("ANA"), QString()), std::nullopt);
  EXPECT_EQ(Ui.Seen, QStringList{QStringLiteral("Erro: '' is not a valid floating point value")});
}

TEST_F(AutenticarWorkflowTest, AnUnreadableSettingsFileIsAnErrorNotAnEmptyIssuerDocument)
{
  ASSERT_TRUE(QFile::remove(SettingsPath()));
  ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("config.ini")));
  EXPECT_EQ(Autenticar(QStringLiteral("1"), QStringLiteral("ANA"), QStringLiteral("1,00")), std::nullopt);
  ASSERT_EQ(Ui.Seen.size(), 1);
  EXPECT_TRUE(Ui.Seen.at(0).startsWith(QStringLiteral(u"Erro: Não foi possível ler "))) << Ui.Seen.at(0).toStdString();
}
