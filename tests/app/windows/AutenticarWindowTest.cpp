#include "app/windows/AutenticarWindow.h"
#include "app/widgets/ValidatedEdit.h"
#include "tests/app/RunQuitanza.h"
#include "tests/app/windows/WindowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QPushButton>
#include <QtTest/QTest>

using namespace quitanza::app;

class AutenticarWindowTest : public WindowTest {
protected:
  void TypeAndEnter(const QString& text)
  {
    Type(text);
    Key(Qt::Key_Return);
  }
};

TEST_F(AutenticarWindowTest, TheCodeIsTheOneTheCommandLineGivesForTheSameReceipt)
{
  WriteSettings("[EMITENTE]\nCFP_CNPJ=12345678000195\n");
  AutenticarWindow window(*Dm, Services());
  ShowActive(window);
  ASSERT_EQ(FocusedName(), QStringLiteral("edtCodigo"));
  TypeAndEnter(QStringLiteral("42"));
  TypeAndEnter(QStringLiteral("maria da silva"));
  TypeAndEnter(QStringLiteral("1500"));
  ASSERT_EQ(FocusedName(), QStringLiteral("BitBtn1"));
  Key(Qt::Key_Space);

  const ProcessResult cli = RunQuitanza({QStringLiteral("--dados"), m_folder.path(), QStringLiteral("autenticar"),
                                         QStringLiteral("--numero"), QStringLiteral("42"), QStringLiteral("--cliente"),
                                         QStringLiteral("maria da silva"), QStringLiteral("--valor"),
                                         QStringLiteral("1.500,00")});
  ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
  const QString code = Find<ValidatedEdit>(window, QStringLiteral("edtAutenticacao"))->text();
  EXPECT_EQ(code.size(), 32);
  EXPECT_EQ(code + u'\n', cli.out);
  EXPECT_TRUE(Answers.Boxes.isEmpty()) << Answers.Boxes.join(u'|').toStdString();
}

TEST_F(AutenticarWindowTest, MissingInputsAreRefusedOneByOne)
{
  AutenticarWindow window(*Dm, Services());
  ShowActive(window);
  auto autenticar = [&] { Key(Qt::Key_A, Qt::AltModifier); };
  autenticar();
  QTRY_COMPARE(Answers.Boxes.size(), 1);
  EXPECT_EQ(FocusedName(), QStringLiteral("edtCodigo"));
  Type(QStringLiteral("7"));
  autenticar();
  QTRY_COMPARE(Answers.Boxes.size(), 2);
  EXPECT_EQ(FocusedName(), QStringLiteral("edtCliente"));
  Type(QStringLiteral("ANA"));
  autenticar();
  QTRY_COMPARE(Answers.Boxes.size(), 3);
  EXPECT_EQ(FocusedName(), QStringLiteral("edtValor"));
  EXPECT_EQ(Answers.Boxes, (QStringList{QStringLiteral(u"Atenção: Informe o código do recibo."),
                                        QStringLiteral(u"Atenção: Informe o Cliente."),
                                        QStringLiteral(u"Atenção: Informe o Valor.")}));
  EXPECT_TRUE(Find<ValidatedEdit>(window, QStringLiteral("edtAutenticacao"))->text().isEmpty());
}

TEST_F(AutenticarWindowTest, EscClosesFromAnyField)
{
  AutenticarWindow window(*Dm, Services());
  ShowActive(window);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}
