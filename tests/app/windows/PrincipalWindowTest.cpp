#include "app/windows/PrincipalWindow.h"
#include "app/widgets/ValidatedEdit.h"
#include "platform/files/AtomicFile.h"
#include "tests/app/windows/WindowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

using namespace quitanza::app;
using namespace quitanza::platform;

using ::testing::ElementsAre;

class PrincipalWindowTest : public WindowTest {
protected:
  PrincipalWindowTest() { Window.SetProgressStep(std::chrono::milliseconds(0)); }

  ValidatedEdit* Field(const QString& name) { return Find<ValidatedEdit>(Window, name); }
  QPushButton* Button(const QString& name) { return Find<QPushButton>(Window, name); }
  // Types into the focused control and moves on with Tab.
  void TypeAndTab(const QString& text)
  {
    Type(text);
    Key(Qt::Key_Tab);
  }

  PrincipalWindow Window{*Dm, Services()};
};

TEST_F(PrincipalWindowTest, AReceiptIssuedWithTheKeyboardIsPreviewedStoredAndCounted)
{
  WhilePreviewing = [this] {
    EXPECT_FALSE(Button(QStringLiteral("btnEmitir"))->isEnabled());
    EXPECT_TRUE(Find<QProgressBar>(Window, QStringLiteral("ProgressBar1"))->isVisible());
  };
  ShowActive(Window);
  ASSERT_TRUE(QFile::exists(RegisterPath()));
  ASSERT_EQ(FocusedName(), QStringLiteral("edtCliente"));
  TypeAndTab(QStringLiteral(u"d'ávila"));
  TypeAndTab(QStringLiteral("11144477735"));
  Type(QStringLiteral("1500"));
  Key(Qt::Key_E, Qt::AltModifier);

  QTRY_COMPARE(Shown.size(), 1u);
  EXPECT_GE(Shown.front().Pages, 1);
  EXPECT_TRUE(Shown.front().Texts.contains(QStringLiteral(u"111.444.777-35 - D'ÁVILA"))) << Shown.front().Texts.toStdString();
  EXPECT_TRUE(Shown.front().Texts.contains(QStringLiteral(u"N°: 0000000001"))) << Shown.front().Texts.toStdString();
  // Emitir by its key from inside the amount: the form without thousands points.
  EXPECT_TRUE(Shown.front().Texts.contains(QStringLiteral("\n1500\n"))) << Shown.front().Texts.toStdString();

  QTRY_VERIFY(Button(QStringLiteral("btnEmitir"))->isEnabled());
  const auto stored = RegisterInFile();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored.front().Cliente, QStringLiteral(u"D'ÁVILA"));
  EXPECT_EQ(stored.front().CNPJ, QStringLiteral("111.444.777-35"));
  EXPECT_EQ(stored.front().Codigo, 1);
  EXPECT_TRUE(SettingsInFile().contains("CODIGO=1"));
  EXPECT_TRUE(Field(QStringLiteral("edtCliente"))->text().isEmpty());
  EXPECT_EQ(Field(QStringLiteral("edtValor"))->text(), QStringLiteral("0,00"));
  EXPECT_EQ(FocusedName(), QStringLiteral("edtCliente"));
  EXPECT_FALSE(Find<QProgressBar>(Window, QStringLiteral("ProgressBar1"))->isVisible());
  EXPECT_TRUE(Answers.Boxes.isEmpty()) << Answers.Boxes.join(u'|').toStdString();
}

TEST_F(PrincipalWindowTest, EmitirWithAMouseClickRefusesAMissingClientOrAmount)
{
  ShowActive(Window);
  QTest::mouseClick(Button(QStringLiteral("btnEmitir")), Qt::LeftButton);
  EXPECT_EQ(Answers.Boxes, QStringList{QStringLiteral(u"Atenção: Informe o Cliente.")});
  EXPECT_EQ(FocusedName(), QStringLiteral("edtCliente"));

  Type(QStringLiteral("ANA"));
  QTest::mouseClick(Button(QStringLiteral("btnEmitir")), Qt::LeftButton);
  EXPECT_EQ(Answers.Boxes.last(), QStringLiteral(u"Atenção: Informe o Valor."));
  EXPECT_EQ(FocusedName(), QStringLiteral("edtValor"));
  EXPECT_TRUE(Shown.empty());
  EXPECT_TRUE(RegisterInFile().empty());
  EXPECT_EQ(Field(QStringLiteral("edtCliente"))->text(), QStringLiteral("ANA"));
}

TEST_F(PrincipalWindowTest, AnIssueThatCannotBeStoredIsReportedAndTheWindowGoesOn)
{
  // The register file turns into a folder while the receipt is shown.
  WhilePreviewing = [this] {
    ASSERT_TRUE(QFile::remove(RegisterPath()));
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("recibo.xml")));
  };
  ShowActive(Window);
  TypeAndTab(QStringLiteral("ANA"));
  Key(Qt::Key_Tab);
  Type(QStringLiteral("10"));
  QTest::mouseClick(Button(QStringLiteral("btnEmitir")), Qt::LeftButton);

  ASSERT_EQ(Shown.size(), 1u);
  ASSERT_EQ(Answers.Boxes.size(), 1);
  EXPECT_TRUE(Answers.Boxes.front().startsWith(QStringLiteral("Quitanza: Erro ao gerar recibo: ")))
    << Answers.Boxes.front().toStdString();
  EXPECT_TRUE(Window.isVisible());
  EXPECT_TRUE(Button(QStringLiteral("btnEmitir"))->isEnabled());
  EXPECT_TRUE(Field(QStringLiteral("edtCliente"))->text().isEmpty());
  EXPECT_FALSE(QFile::exists(SettingsPath()));
  ASSERT_TRUE(QDir(m_folder.path()).rmdir(QStringLiteral("recibo.xml")));
}

TEST_F(PrincipalWindowTest, EnterMovesThroughTheTabOrderAndStillReachesTheControl)
{
  ShowActive(Window);
  QStringList visited{FocusedName()};
  for (int i = 0; i < 8; ++i) {
    Key(Qt::Key_Return);
    visited << FocusedName();
  }
  EXPECT_EQ(visited, (QStringList{QStringLiteral("edtCliente"), QStringLiteral("edtCNPJ"), QStringLiteral("edtValor"),
                                  QStringLiteral("mmReferente"), QStringLiteral("btnEmitir"), QStringLiteral("btnLimpar"),
                                  QStringLiteral("btnConsultar"), QStringLiteral("BitBtn1"),
                                  QStringLiteral("rbRecebimento")}));
  EXPECT_EQ(Find<QPlainTextEdit>(Window, QStringLiteral("mmReferente"))->toPlainText(), QStringLiteral("\n"));
  EXPECT_TRUE(Shown.empty());
  EXPECT_TRUE(Window.isVisible());
}

TEST_F(PrincipalWindowTest, LimparEmptiesTheFieldsAndKeepsTheReceiptType)
{
  ShowActive(Window);
  TypeAndTab(QStringLiteral("ANA"));
  TypeAndTab(QStringLiteral("11144477735"));
  TypeAndTab(QStringLiteral("12,5"));
  Type(QStringLiteral("aluguel"));
  auto* pagamento = Find<QRadioButton>(Window, QStringLiteral("rbPagamento"));
  QTest::mouseClick(pagamento, Qt::LeftButton, {}, QPoint(8, pagamento->height() / 2));
  ASSERT_TRUE(pagamento->isChecked());
  Key(Qt::Key_L, Qt::AltModifier);

  QTRY_VERIFY(Field(QStringLiteral("edtCliente"))->text().isEmpty());
  EXPECT_TRUE(Field(QStringLiteral("edtCNPJ"))->text().isEmpty());
  EXPECT_EQ(Field(QStringLiteral("edtValor"))->text(), QStringLiteral("0,00"));
  EXPECT_TRUE(Find<QPlainTextEdit>(Window, QStringLiteral("mmReferente"))->toPlainText().isEmpty());
  EXPECT_TRUE(Find<QRadioButton>(Window, QStringLiteral("rbPagamento"))->isChecked());
  EXPECT_EQ(FocusedName(), QStringLiteral("edtCliente"));
}

TEST_F(PrincipalWindowTest, F1WithAnyModifierOpensTheManualAndTheBannerTheMakersPage)
{
  ShowActive(Window);
  Key(Qt::Key_F1);
  Key(Qt::Key_F1, Qt::ControlModifier);
  QTest::mouseClick(Find<QLabel>(Window, QStringLiteral("Image1")), Qt::LeftButton);
  ASSERT_EQ(Opened.size(), 3u);
  EXPECT_TRUE(Opened.at(0).isLocalFile());
  EXPECT_TRUE(Opened.at(0).toLocalFile().endsWith(QStringLiteral("/manual.pdf")));
  EXPECT_EQ(Opened.at(1), Opened.at(0));
  EXPECT_EQ(Opened.at(2), PrincipalWindow::MakerWebAddress());
}

TEST_F(PrincipalWindowTest, AnUnreadableRegisterIsReportedAndTheWindowGoesOn)
{
  const QByteArray damaged("<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>");
  WriteFileAtomically(RegisterPath(), damaged);
  ShowActive(Window);
  ASSERT_EQ(Answers.Boxes.size(), 1);
  EXPECT_TRUE(Answers.Boxes.front().startsWith(QStringLiteral(u"Quitanza: Não foi possível ler "))) << Answers.Boxes.front().toStdString();
  EXPECT_TRUE(Window.close());
  EXPECT_EQ(ReadWholeFile(RegisterPath()), damaged);
}

TEST_F(PrincipalWindowTest, ClosingSavesAndAFailedSaveKeepsTheWindowOpen)
{
  WriteRegister({Receipt(2), Receipt(1)});
  ShowActive(Window);
  Dm->cdsReg.Delete();
  // A folder where the register file should be: the save cannot replace it.
  ASSERT_TRUE(QFile::remove(RegisterPath()));
  ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("recibo.xml")));
  QTest::mouseClick(Button(QStringLiteral("BitBtn1")), Qt::LeftButton);
  EXPECT_TRUE(Window.isVisible());
  ASSERT_EQ(Answers.Boxes.size(), 1);
  EXPECT_TRUE(Answers.Boxes.front().startsWith(QStringLiteral(u"Quitanza: Não foi possível gravar "))) << Answers.Boxes.front().toStdString();

  ASSERT_TRUE(QDir(m_folder.path()).rmdir(QStringLiteral("recibo.xml")));
  QTest::mouseClick(Button(QStringLiteral("BitBtn1")), Qt::LeftButton);
  EXPECT_FALSE(Window.isVisible());
  EXPECT_THAT(Codigos(RegisterInFile()), ElementsAre(1));
}
