#include "app/windows/ConsultaWindow.h"
#include "platform/files/AtomicFile.h"
#include "tests/app/RunQuitanza.h"
#include "tests/app/windows/WindowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>

using namespace quitanza::app;
using namespace quitanza::doclib;
using namespace quitanza::platform;

using ::testing::ElementsAre;

class ConsultaWindowTest : public WindowTest {
protected:
  ConsultaWindowTest()
  {
    ReceiptRecord pagamento = Receipt(7);
    pagamento.CNPJ = QStringLiteral("12345678000195");
    pagamento.Valor = Amount::FromTicks(1500 * 10000LL);
    WriteRegister({Receipt(9), Receipt(8), pagamento});
    Dm->LoadOrCreateRegister();
    Dm->cdsReg.MoveTo(2);
  }

  QTableView* Grid(ConsultaWindow& window) { return Find<QTableView>(window, QStringLiteral("DBGrid1")); }
  QString Cell(ConsultaWindow& window, int row, int column)
  {
    return Grid(window)->model()->index(row, column).data().toString();
  }
  void ClickRow(ConsultaWindow& window, int row)
  {
    QTableView* grid = Grid(window);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 0)).center());
  }
  void Click(ConsultaWindow& window, const QString& button)
  {
    QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
  }
};

TEST_F(ConsultaWindowTest, ListsTheRegisterFormattedAndOpensOnTheFirstRow)
{
  ConsultaWindow window(*Dm, Services());
  ShowActive(window);
  EXPECT_EQ(Dm->cdsReg.CurrentIndex(), 0);
  EXPECT_EQ(Grid(window)->currentIndex().row(), 0);
  ASSERT_EQ(Grid(window)->model()->rowCount(), 3);
  EXPECT_EQ(Cell(window, 2, 0), QStringLiteral("CLIENTE 7"));
  EXPECT_EQ(Cell(window, 2, 1), QStringLiteral("12.345.678/0001-95"));
  EXPECT_EQ(Cell(window, 2, 2), QStringLiteral("R$ 1.500,00"));
  EXPECT_EQ(Grid(window)->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Cliente:"));
}

TEST_F(ConsultaWindowTest, ExcluirDeletesTheSelectedRowOnlyWhenAnsweredYes)
{
  ConsultaWindow window(*Dm, Services());
  ShowActive(window);
  ClickRow(window, 1);
  EXPECT_EQ(Dm->cdsReg.CurrentIndex(), 1);

  Answers.Buttons = {QMessageBox::No, QMessageBox::Yes};
  Click(window, QStringLiteral("BitBtn2"));
  EXPECT_EQ(Dm->cdsReg.RecordCount(), 3);
  Click(window, QStringLiteral("BitBtn2"));
  EXPECT_EQ(Answers.Boxes, QStringList(2, QStringLiteral("Pergunta: Deseja realmente excluir?")));
  EXPECT_EQ(Grid(window)->model()->rowCount(), 2);
  EXPECT_EQ(Cell(window, 1, 0), QStringLiteral("CLIENTE 7"));
  // The file changes at the main window's next save.
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(9, 8, 7));
  Dm->SaveRegister();
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(9, 7));
}

TEST_F(ConsultaWindowTest, ImprimirAndADoubleClickShowTheStoredReceiptAgain)
{
  ConsultaWindow window(*Dm, Services());
  WhilePreviewing = [&] { EXPECT_FALSE(Find<QPushButton>(window, QStringLiteral("btnImprimir"))->isEnabled()); };
  ShowActive(window);
  ClickRow(window, 2);
  Click(window, QStringLiteral("btnImprimir"));
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_GE(Shown.front().Pages, 1);
  EXPECT_TRUE(Shown.front().Texts.contains(QStringLiteral("12.345.678/0001-95 - CLIENTE 7")))
    << Shown.front().Texts.toStdString();
  EXPECT_TRUE(Shown.front().Texts.contains(QStringLiteral("1.500,00"))) << Shown.front().Texts.toStdString();
  EXPECT_TRUE(Shown.front().Texts.contains(QStringLiteral(u"N°: 0000000007"))) << Shown.front().Texts.toStdString();
  EXPECT_TRUE(Find<QPushButton>(window, QStringLiteral("btnImprimir"))->isEnabled());

  // A double click: a click, then the second press.
  QTableView* grid = Grid(window);
  ClickRow(window, 0);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
  ASSERT_EQ(Shown.size(), 2u);
  EXPECT_TRUE(Shown.back().Texts.contains(QStringLiteral(u"N°: 0000000009"))) << Shown.back().Texts.toStdString();
}

TEST_F(ConsultaWindowTest, AnEmptyRegisterPrintsNothingAndEscCloses)
{
  while (!Dm->cdsReg.IsEmpty())
    Dm->cdsReg.Delete();
  ConsultaWindow window(*Dm, Services());
  ShowActive(window);
  Click(window, QStringLiteral("btnImprimir"));
  QTest::mouseClick(Grid(window)->viewport(), Qt::LeftButton);
  QTest::mouseDClick(Grid(window)->viewport(), Qt::LeftButton);
  EXPECT_TRUE(Shown.empty());
  Key(Qt::Key_Return);
  EXPECT_TRUE(window.isVisible());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ConsultaWindowTest, ExportarWritesTheFileListarCsvWrites)
{
  ConsultaWindow window(*Dm, Services());
  ShowActive(window);
  const QString path = PathOf(QStringLiteral("registro.csv"));
  Answers.ChosenFile = path;
  Click(window, QStringLiteral("btnExportar"));
  EXPECT_TRUE(Answers.Boxes.isEmpty()) << Answers.Boxes.join(u'\n').toStdString();
  const ProcessResult listar = RunQuitanza({QStringLiteral("listar"), QStringLiteral("--csv"), QStringLiteral("--dados"), m_folder.path()});
  ASSERT_EQ(listar.exitCode, 0) << listar.err.toStdString();
  // The program's output read as text has lost its byte order mark.
  EXPECT_EQ(ReadWholeFile(path), "\xEF\xBB\xBF" + listar.out.toUtf8());
  EXPECT_EQ(listar.out.count(QStringLiteral("\r\n")), 4) << "the header and three rows";

  // A file that cannot be written (its link leads nowhere): the error box, and the window goes on.
  const QString broken = PathOf(QStringLiteral("quebrado.csv"));
  ASSERT_TRUE(QFile::link(PathOf(QStringLiteral("nao-existe/registro.csv")), broken));
  Answers.ChosenFile = broken;
  Click(window, QStringLiteral("btnExportar"));
  ASSERT_EQ(Answers.Boxes.size(), 1) << Answers.Boxes.join(u'\n').toStdString();
  EXPECT_TRUE(Answers.Boxes.front().contains(broken)) << Answers.Boxes.front().toStdString();
  EXPECT_TRUE(window.isVisible());
}

TEST_F(ConsultaWindowTest, CancellingTheExportWritesNothing)
{
  ConsultaWindow window(*Dm, Services());
  ShowActive(window);
  Answers.ChosenFile.clear();
  Click(window, QStringLiteral("btnExportar"));
  EXPECT_TRUE(Answers.Boxes.isEmpty());
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibos.csv"))));
}
