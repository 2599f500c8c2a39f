#include "app/ConfiguracaoWorkflow.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QFile>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

class ConfiguracaoWorkflowTest : public WorkflowTest {
protected:
  ConfiguracaoWorkflow Configuracao{*Dm, Ui};
};

TEST_F(ConfiguracaoWorkflowTest, WithoutSettingsFileEveryFieldIsEmptyAndNothingIsCreated)
{
  EXPECT_EQ(Configuracao.FormShow(), IssuerSettings());
  EXPECT_TRUE(Ui.Seen.isEmpty());
  EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(ConfiguracaoWorkflowTest, SavingEmptyFieldsWritesTheNineKeysInTheWindowsOrder)
{
  EXPECT_TRUE(Configuracao.BitBtn2Click(IssuerSettings()));
  EXPECT_EQ(Ui.Seen, QStringList{QStringLiteral("Mensagem: Configuração salva com sucesso!")});
  EXPECT_EQ(SettingsInFile(), QByteArray("[EMITENTE]\nEMPRESA=\nENDERECO=\nCIDADE=\nTELEFONE=\nEMAIL=\nSITE=\nLOGO=\n"
                                         "BAIRRO=\nCFP_CNPJ=\n"));
}

TEST_F(ConfiguracaoWorkflowTest, SavedValuesAreWhatTheNextOpeningShowsAndTheCounterStays)
{
  WriteSettings("[EMITENTE]\nCODIGO=41\n");
  IssuerSettings values;
  values.Empresa = QStringLiteral("Padaria São João");
  values.Endereco = QStringLiteral("Rua das Flores, 10");
  values.Bairro = QStringLiteral("Centro");
  values.Cidade = QStringLiteral("São Luís");
  values.CfpCnpj = QStringLiteral("12.345.678/0001-95");
  values.Telefone = QStringLiteral("(98)3210-4567");
  values.Email = QStringLiteral("padaria@exemplo.com.br");
  values.Site = QStringLiteral("www.exemplo.com.br");
  values.Logo = QStringLiteral("/srv/logos/padaria.png");
  ASSERT_TRUE(Configuracao.BitBtn2Click(values));
  EXPECT_EQ(Configuracao.LerConfiguracao(), values);
  EXPECT_EQ(Dm->Settings().ReadInteger(u"EMITENTE", u"CODIGO"), 41);
  EXPECT_TRUE(SettingsInFile().startsWith("[EMITENTE]\nCODIGO=41\nEMPRESA=Padaria S\xc3\xa3o Jo\xc3\xa3o\n"));
}

TEST_F(ConfiguracaoWorkflowTest, ANamedSelectionOfKeysLeavesTheOthersAsTheyWere)
{
  WriteSettings("[EMITENTE]\nEMPRESA=Antiga\nSITE=www.antigo.com\n");
  IssuerSettings values;
  values.Empresa = QStringLiteral("Nova");
  values.Cidade = QStringLiteral("Imperatriz");
  ASSERT_TRUE(Configuracao.BitBtn2Click(values, {QStringLiteral("CIDADE"), QStringLiteral("EMPRESA")}));
  EXPECT_EQ(SettingsInFile(), QByteArray("[EMITENTE]\nEMPRESA=Nova\nSITE=www.antigo.com\nCIDADE=Imperatriz\n"));
}

TEST_F(ConfiguracaoWorkflowTest, AFailedWriteShowsTheErrorWithoutConfirmationAndKeepsTheWindowOpen)
{
  ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("config.ini")));
  EXPECT_FALSE(Configuracao.BitBtn2Click(IssuerSettings()));
  ASSERT_EQ(Ui.Seen.size(), 1);
  EXPECT_TRUE(Ui.Seen.at(0).startsWith(QStringLiteral("Erro: Unable to ")));
}
