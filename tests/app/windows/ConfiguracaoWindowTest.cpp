#include "app/windows/ConfiguracaoWindow.h"
#include "app/widgets/ValidatedEdit.h"
#include "app/windows/LogoPreview.h"
#include "tests/app/windows/WindowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

using namespace quitanza::app;

class ConfiguracaoWindowTest : public WindowTest {
protected:
  void TypeAndTab(const QString& text)
  {
    Type(text);
    Key(Qt::Key_Tab);
  }
};

TEST_F(ConfiguracaoWindowTest, SavedSettingsAreShownAgainAtTheNextOpening)
{
  {
    ConfiguracaoWindow window(*Dm, Services());
    ShowActive(window);
    ASSERT_EQ(FocusedName(), QStringLiteral("edtEmpresa"));
    for (const QString& text : {QStringLiteral(u"Padaria São João"), QStringLiteral("Rua A, 10"),
                                QStringLiteral("Centro"), QStringLiteral("Recife"), QStringLiteral("11222333000181"),
                                QStringLiteral("8132104567"), QStringLiteral("Padaria@Exemplo.com"),
                                QStringLiteral("www.exemplo.com")})
      TypeAndTab(text);
    ASSERT_EQ(FocusedName(), QStringLiteral("edtImagem"));
    Key(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!window.isVisible());
    EXPECT_EQ(Answers.Boxes, QStringList{QStringLiteral(u"Quitanza: Configuração salva com sucesso!")});
  }
  EXPECT_EQ(SettingsInFile(), QByteArray("[EMITENTE]\nEMPRESA=Padaria São João\nENDERECO=Rua A, 10\nCIDADE=Recife\n"
                                         "TELEFONE=(81)3210-4567\nEMAIL=padaria@exemplo.com\nSITE=www.exemplo.com\n"
                                         "LOGO=\nBAIRRO=Centro\nCFP_CNPJ=11.222.333/0001-81\n"));

  ConfiguracaoWindow again(*Dm, Services());
  ShowActive(again);
  EXPECT_EQ(Find<QLineEdit>(again, QStringLiteral("edtEmpresa"))->text(), QStringLiteral(u"Padaria São João"));
  EXPECT_EQ(Find<ValidatedEdit>(again, QStringLiteral("edtCPFCNPJEmpresa"))->text(), QStringLiteral("11.222.333/0001-81"));
  EXPECT_EQ(Find<ValidatedEdit>(again, QStringLiteral("edtTelefone"))->text(), QStringLiteral("(81)3210-4567"));
  EXPECT_FALSE(Find<LogoPreview>(again, QStringLiteral("Image1"))->HasPicture());
  EXPECT_EQ(Find<LogoPreview>(again, QStringLiteral("Image1"))->text(), QStringLiteral("Logomarca"));
}

TEST_F(ConfiguracaoWindowTest, ARefusedValueKeepsTheFocusAndEscSavesNothing)
{
  ConfiguracaoWindow window(*Dm, Services());
  ShowActive(window);
  Find<ValidatedEdit>(window, QStringLiteral("edtTelefone"))->setFocus(Qt::TabFocusReason);
  TypeAndTab(QStringLiteral("32104567"));
  EXPECT_EQ(Answers.Boxes, QStringList{QStringLiteral(u"Quitanza:  \" 32104567 \" não é um número de telefone válido")});
  EXPECT_EQ(FocusedName(), QStringLiteral("edtTelefone"));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(ConfiguracaoWindowTest, TheChosenLogoIsShownAndSaved)
{
  const QString logo = WriteLogo();
  ConfiguracaoWindow window(*Dm, Services());
  ShowActive(window);
  Answers.ChosenFile = logo;
  auto* edtImagem = Find<QLineEdit>(window, QStringLiteral("edtImagem"));
  edtImagem->actions().constFirst()->trigger();
  EXPECT_EQ(edtImagem->text(), QDir::toNativeSeparators(logo));
  EXPECT_TRUE(Find<LogoPreview>(window, QStringLiteral("Image1"))->HasPicture());
  QTest::mouseClick(Find<QPushButton>(window, QStringLiteral("BitBtn2")), Qt::LeftButton);
  EXPECT_TRUE(SettingsInFile().contains(QStringLiteral("LOGO=%1\n").arg(logo).toUtf8()));

  ConfiguracaoWindow again(*Dm, Services());
  ShowActive(again);
  EXPECT_TRUE(Find<LogoPreview>(again, QStringLiteral("Image1"))->HasPicture());
}
