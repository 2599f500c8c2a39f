#include "app/widgets/ValidatedEdit.h"
#include "tests/app/windows/WindowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest/QTest>

using namespace quitanza::app;
using namespace quitanza::doclib;

namespace {

struct FieldKind {
  Check Kind;
  Caracters Caracter;
  bool AcceptNull = true;
};

// A window with the field under test and a plain field after it, so the
// operator can leave the first with Tab.
class EditHost {
public:
  explicit EditHost(const FieldKind& kind)
  {
    auto* layout = new QVBoxLayout(&m_window);
    layout->addWidget(Field = new ValidatedEdit);
    layout->addWidget(Next = new QLineEdit);
    Field->SetCheck(kind.Kind);
    Field->SetCaracter(kind.Caracter);
    if (!kind.AcceptNull)
      Field->SetAcceptNull(false);
    m_window.show();
    m_window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
    Field->setFocus(Qt::TabFocusReason);
  }

  void Leave() { QTest::keyClick(Field, Qt::Key_Tab); }
  // The window's own focus: a closed message box leaves no window active on
  // the offscreen platform.
  QWidget* Focused() { return m_window.focusWidget(); }
  void Enter() { QTest::keyClick(Next, Qt::Key_Backtab, Qt::ShiftModifier); }

  ValidatedEdit* Field = nullptr;
  QLineEdit* Next = nullptr;

private:
  QWidget m_window;
};

}  // namespace

TEST(ValidatedEdit, TypedKeysPassTheFilterOfTheFieldsKind)
{
  struct Case {
    FieldKind Kind;
    QString Typed;
    QString Shown;
  };
  const Case cases[] = {
    {{Check::None, Caracters::Alfanumeric}, QStringLiteral("ab1.,-"), QStringLiteral("AB1.,-")},
    {{Check::None, Caracters::Numeric}, QStringLiteral("a1.b2-"), QStringLiteral("12")},
    {{Check::None, Caracters::NumericSymbol}, QStringLiteral(u"a1!b²³"), QStringLiteral(u"1!³")},
    {{Check::None, Caracters::Real}, QStringLiteral("1.234,5-x"), QStringLiteral("1234,5-")},
    {{Check::None, Caracters::IE}, QStringLiteral("isento9x"), QStringLiteral("ISENTO9")},
    // Outside the filtered characters: the space and ç always pass.
    {{Check::Telefone, Caracters::Numeric}, QStringLiteral(u"(1a1) 3ç"), QStringLiteral(u"11 3Ç")},
    // A mobile number has eleven digits: the field takes them all.
    {{Check::Telefone, Caracters::Numeric}, QStringLiteral("119876543210"), QStringLiteral("11987654321")},
    // The alphanumeric CNPJ: letters in either case, shown in capitals.
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("12abc.345/01de-35"), QStringLiteral("12ABC34501DE35")},
    {{Check::Email, Caracters::Alfanumeric}, QStringLiteral("Ana@Exemplo.COM"), QStringLiteral("ana@exemplo.com")},
    {{Check::UF, Caracters::Alfanumeric}, QStringLiteral("s1p"), QStringLiteral("SP")},
    {{Check::Cep, Caracters::Alfanumeric}, QStringLiteral("01310-100x9"), QStringLiteral("01310100")},
  };
  for (const Case& c : cases) {
    EditHost host(c.Kind);
    // As entering leaves it: the text (an amount's zero) selected.
    host.Field->Clear();
    host.Field->selectAll();
    TypeText(host.Field, c.Typed);
    EXPECT_EQ(host.Field->text(), c.Shown) << c.Typed.toStdString();
  }
}

TEST(ValidatedEdit, BackspacePassesEveryFilter)
{
  EditHost host({Check::CpfCnpj, Caracters::Numeric});
  QTest::keyClicks(host.Field, QStringLiteral("123"));
  QTest::keyClick(host.Field, Qt::Key_Backspace);
  EXPECT_EQ(host.Field->text(), QStringLiteral("12"));
}

TEST(ValidatedEdit, LeavingFormatsOrRefusesAndARefusedFieldKeepsTheFocus)
{
  struct Case {
    FieldKind Kind;
    QString Typed;
    QString Shown;    // after leaving, when accepted
    QString Refusal;  // the error box's message, when refused
  };
  const Case cases[] = {
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("11144477735"), QStringLiteral("111.444.777-35"), {}},
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("11144477736"), {},
     QStringLiteral(u" \" 11144477736 \" não é um CPF válido")},
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("11222333000100"), {},
     QStringLiteral(u" \" 11222333000100 \" não é um CNPJ válido")},
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("12abc34501de35"), QStringLiteral("12.ABC.345/01DE-35"), {}},
    {{Check::CpfCnpj, Caracters::Numeric}, QString(), QString(), {}},
    {{Check::Telefone, Caracters::Numeric}, QStringLiteral("1132104567"), QStringLiteral("(11)3210-4567"), {}},
    {{Check::Telefone, Caracters::Numeric}, QStringLiteral("11987654321"), QStringLiteral("(11)98765-4321"), {}},
    {{Check::Telefone, Caracters::Numeric}, QStringLiteral("32104567"), {},
     QStringLiteral(u" \" 32104567 \" não é um número de telefone válido")},
    {{Check::Telefone, Caracters::Numeric, false}, QStringLiteral("11"), {}, QStringLiteral(u"Informação necessária")},
    {{Check::Email, Caracters::Alfanumeric}, QStringLiteral("semarroba"), {},
     QStringLiteral(u" \" semarroba \" Formato de E-mail não aceitável")},
    {{Check::Date, Caracters::Numeric}, QStringLiteral("251213"), QStringLiteral("25/12/2013"), {}},
    {{Check::Date, Caracters::Numeric}, QStringLiteral("310213"), {}, QStringLiteral(u"Data inválida: 31/02/13")},
    {{Check::None, Caracters::Real}, QStringLiteral("1234,5"), QStringLiteral("1.234,50"), {}},
    {{Check::None, Caracters::Real}, QStringLiteral("-,5"), QStringLiteral("-0,50"), {}},
    {{Check::None, Caracters::Real, false}, QStringLiteral("0,00"), {}, QStringLiteral(u"Informação necessária")},
    {{Check::None, Caracters::Real, false}, QString(), {}, QStringLiteral(u"Informação necessária")},
  };
  for (const Case& c : cases) {
    ModalAnswers answers;
    EditHost host(c.Kind);
    host.Field->setText(c.Typed);
    host.Leave();
    if (c.Refusal.isEmpty()) {
      EXPECT_TRUE(answers.Boxes.isEmpty()) << c.Typed.toStdString() << answers.Boxes.join(u'|').toStdString();
      EXPECT_EQ(host.Field->text(), c.Shown) << c.Typed.toStdString();
      EXPECT_EQ(host.Focused(), host.Next) << c.Typed.toStdString();
    } else {
      EXPECT_EQ(answers.Boxes, QStringList{QStringLiteral("Quitanza: ") + c.Refusal}) << c.Typed.toStdString();
      EXPECT_EQ(host.Focused(), host.Field) << c.Typed.toStdString();
    }
  }
}

TEST(ValidatedEdit, EnteringShowsTheBareValueSelected)
{
  struct Case {
    FieldKind Kind;
    QString Left;
    QString Entered;
  };
  const Case cases[] = {
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("11144477735"), QStringLiteral("11144477735")},
    {{Check::CpfCnpj, Caracters::Numeric}, QStringLiteral("12ABC34501DE35"), QStringLiteral("12ABC34501DE35")},
    {{Check::Telefone, Caracters::Numeric}, QStringLiteral("1132104567"), QStringLiteral("1132104567")},
    {{Check::None, Caracters::Real}, QStringLiteral("1234567,5"), QStringLiteral("1234567,50")},
  };
  for (const Case& c : cases) {
    EditHost host(c.Kind);
    host.Field->setText(c.Left);
    host.Leave();
    ASSERT_NE(host.Field->text(), c.Entered) << c.Left.toStdString();
    host.Enter();
    EXPECT_EQ(host.Field->text(), c.Entered) << c.Left.toStdString();
    EXPECT_EQ(host.Field->selectedText(), c.Entered) << c.Left.toStdString();
  }
}

TEST(ValidatedEdit, TheFocusColourComesAndGoes)
{
  EditHost host({Check::None, Caracters::Alfanumeric});
  EXPECT_EQ(host.Field->palette().color(QPalette::Base), QColor(166, 202, 240));
  host.Leave();
  EXPECT_NE(host.Field->palette().color(QPalette::Base), QColor(166, 202, 240));
}

TEST(ValidatedEdit, ClearAndChoosingAKindResetTheText)
{
  EditHost host({Check::None, Caracters::Real});
  EXPECT_EQ(host.Field->text(), QStringLiteral("0,00"));
  EXPECT_EQ(host.Field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  host.Field->setText(QStringLiteral("12,00"));
  host.Field->Clear();
  EXPECT_EQ(host.Field->text(), QStringLiteral("0,00"));
  host.Field->SetCasasDecimais(9);
  EXPECT_EQ(host.Field->text(), QStringLiteral("0,000000"));

  host.Field->setText(QStringLiteral("ABC"));
  host.Field->SetCheck(Check::CpfCnpj);
  EXPECT_TRUE(host.Field->text().isEmpty());
  EXPECT_EQ(host.Field->MaxLength(), 14);
  EXPECT_EQ(host.Field->Caracter(), Caracters::Numeric);
  host.Field->SetCheck(Check::IE);
  EXPECT_EQ(host.Field->UF(), QStringLiteral("MA"));
  EXPECT_FALSE(host.Field->AcceptNull());
}
