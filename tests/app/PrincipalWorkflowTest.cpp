#include "app/PrincipalWorkflow.h"
#include "platform/files/AtomicFile.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QFile>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

using ::testing::ElementsAre;

class PrincipalWorkflowTest : public WorkflowTest {
protected:
  PrincipalWorkflow Principal{*Dm, Ui};
};

TEST_F(PrincipalWorkflowTest, FirstRunCreatesAnEmptyRegisterFileAtOnce)
{
  Principal.FormShow();
  EXPECT_EQ(Ui.Seen, QStringList{QStringLiteral("foco: edtCliente")});
  ASSERT_TRUE(QFile::exists(RegisterPath()));
  EXPECT_TRUE(RegisterInFile().empty());
  EXPECT_TRUE(ReadWholeFile(RegisterPath()).contains("attrname=\"Autenticacao\""));
}

TEST_F(PrincipalWorkflowTest, StartUpLoadsTheRegisterWithItsFirstRowCurrentAndClosingSavesIt)
{
  WriteRegister({Receipt(3), Receipt(2), Receipt(1)});
  Principal.FormShow();
  EXPECT_EQ(Dm->cdsReg.RecordCount(), 3);
  EXPECT_EQ(Dm->cdsRegCodigo.AsInteger(), 3);

  Dm->cdsReg.MoveTo(2);
  Dm->cdsReg.Delete();
  EXPECT_TRUE(Principal.FormClose());
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(3, 2));
  EXPECT_EQ(Ui.Seen, QStringList{QStringLiteral("foco: edtCliente")});
}

// The register that could not be read stays closed: closing the program must
// neither destroy the file nor refuse to end for ever.
TEST_F(PrincipalWorkflowTest, AnUnreadableRegisterIsReportedNeverOverwrittenAndDoesNotBlockClosing)
{
  const QByteArray damaged("<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>");
  WriteFileAtomically(RegisterPath(), damaged);
  Principal.FormShow();
  ASSERT_EQ(Ui.Seen.size(), 2);
  EXPECT_TRUE(Ui.Seen.at(1).startsWith(QStringLiteral(u"Erro: Não foi possível ler ") + RegisterPath()))
    << Ui.Seen.at(1).toStdString();
  EXPECT_FALSE(Dm->RegisterActive());

  EXPECT_TRUE(Principal.FormClose());
  EXPECT_EQ(ReadWholeFile(RegisterPath()), damaged);
}

TEST_F(PrincipalWorkflowTest, AFailedSaveAtClosingShowsTheErrorAndKeepsTheProgramOpen)
{
  Principal.FormShow();
  Dm->cdsReg.Insert();
  Dm->cdsRegCodigo.SetAsInteger(7);
  Dm->cdsReg.Post();
  // A folder where the register file should be: the save cannot replace it.
  ASSERT_TRUE(QFile::remove(RegisterPath()));
  ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("recibo.xml")));

  EXPECT_FALSE(Principal.FormClose());
  ASSERT_EQ(Ui.Seen.size(), 2);
  EXPECT_TRUE(Ui.Seen.at(1).startsWith(QStringLiteral(u"Erro: Não foi possível gravar ") + RegisterPath()))
    << Ui.Seen.at(1).toStdString();

  ASSERT_TRUE(QDir(m_folder.path()).rmdir(QStringLiteral("recibo.xml")));
  EXPECT_TRUE(Principal.FormClose());
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(7));
}

TEST_F(PrincipalWorkflowTest, LimparClearsTheFieldsAndReturnsToTheClient)
{
  Principal.btnLimparClick();
  EXPECT_EQ(Ui.Seen, QStringList({QStringLiteral("campos limpos"), QStringLiteral("foco: edtCliente")}));
}
