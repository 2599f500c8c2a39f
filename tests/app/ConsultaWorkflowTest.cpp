#include "app/ConsultaWorkflow.h"
#include "app/PrincipalWorkflow.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

using ::testing::ElementsAre;

class ConsultaWorkflowTest : public WorkflowTest {
protected:
  void StartWith(const std::vector<ReceiptRecord>& records)
  {
    WriteRegister(records);
    Principal.FormShow();
    Ui.Seen.clear();
  }

  PrincipalWorkflow Principal{*Dm, Ui};
  ConsultaWorkflow Consulta{*Dm, Ui};
  const QString Asked = QStringLiteral("Pergunta: Deseja realmente excluir?");
};

TEST_F(ConsultaWorkflowTest, OpeningAlwaysSelectsTheFirstRow)
{
  StartWith({Receipt(1), Receipt(2), Receipt(3)});
  Dm->cdsReg.MoveTo(2);
  Consulta.FormShow();
  EXPECT_EQ(Dm->cdsRegCodigo.AsInteger(), 1);
}

TEST_F(ConsultaWorkflowTest, AnsweringNoLeavesTheRegisterAsItWas)
{
  StartWith({Receipt(1), Receipt(2)});
  Dm->cdsReg.MoveTo(1);
  Ui.Answers = {false};
  EXPECT_FALSE(Consulta.BitBtn2Click());
  EXPECT_EQ(Ui.Seen, QStringList{Asked});
  EXPECT_EQ(Dm->cdsReg.RecordCount(), 2);
  EXPECT_EQ(Dm->cdsRegCodigo.AsInteger(), 2);
}

TEST_F(ConsultaWorkflowTest, DeletingReachesTheFileOnlyWhenTheProgramCloses)
{
  StartWith({Receipt(1), Receipt(2), Receipt(3)});
  Dm->cdsReg.MoveTo(1);
  Ui.Answers = {true};
  EXPECT_TRUE(Consulta.BitBtn2Click());
  EXPECT_EQ(Ui.Seen, QStringList{Asked});
  EXPECT_EQ(Dm->cdsRegCodigo.AsInteger(), 3);  // the row after it
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(1, 2, 3));

  EXPECT_TRUE(Principal.FormClose());
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(1, 3));
}

TEST_F(ConsultaWorkflowTest, DeletingTheLastRowSelectsTheOneBeforeIt)
{
  StartWith({Receipt(1), Receipt(2)});
  Dm->cdsReg.MoveTo(1);
  Ui.Answers = {true};
  Consulta.BitBtn2Click();
  EXPECT_EQ(Dm->cdsRegCodigo.AsInteger(), 1);
}

TEST_F(ConsultaWorkflowTest, DeletingFromAnEmptyRegisterIsTheDatasetsErrorAndChangesNothing)
{
  StartWith({});
  Ui.Answers = {true};
  EXPECT_FALSE(Consulta.BitBtn2Click());
  EXPECT_EQ(Ui.Seen, QStringList({Asked, QStringLiteral("Erro: cdsReg: Cannot perform this operation on an empty dataset")}));
  EXPECT_TRUE(Dm->cdsReg.IsEmpty());
}

TEST_F(ConsultaWorkflowTest, ADuplicatedNumberIsLocatedAtItsFirstRow)
{
  StartWith({Receipt(5), Receipt(7), Receipt(7)});
  Dm->cdsReg.MoveTo(2);
  EXPECT_TRUE(Dm->LocateCodigo(7));
  EXPECT_EQ(Dm->cdsReg.CurrentIndex(), 1);
  EXPECT_FALSE(Dm->LocateCodigo(8));
  EXPECT_EQ(Dm->cdsReg.CurrentIndex(), 1);
}
