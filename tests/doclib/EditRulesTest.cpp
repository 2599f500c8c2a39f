#include "doclib/EditRules.h"
#include "doclib/InvalidInputError.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

using namespace quitanza::doclib;

namespace {

EditSettings fieldOf(Check check, Caracters caracter = Caracters::Alfanumeric)
{
  EditSettings settings;
  settings.Check = check;
  settings.Caracter = caracter;
  settings.UF = QStringLiteral("SP");
  return settings;
}

QString refusalOnLeaving(const QString& text, const EditSettings& settings)
{
  try {
    const QString shown = TextOnFocusLost(text, settings);
    return QStringLiteral("accepted as ") + shown;
  } catch (const InvalidInputError& error) {
    return error.Message();
  }
}

}  // namespace

TEST(FormatValue, WritesAmountsWithThousandsPointsAndTheFieldsDecimals)
{
  const struct {
    const char16_t* text;
    int decimals;
    const char16_t* shown;
  } cases[] = {
    {u"1234,5", 2, u"1.234,50"},  {u"-0,5", 2, u"-0,50"},        {u"abc", 2, u"0,00"},
    {u"", 3, u"0,000"},           {u"  ", 6, u"0,000000"},       {u"1.234,5", 2, u"1.234,50"},
    {u"1,005", 2, u"1,01"},       {u"1,23456", 4, u"1,2346"},    {u"1,23456", 6, u"1,234600"},
    {u"1234,5", 1, u"1.234,50"},  {u"1234,5", 9, u"1.234,500000"}, {u"R$ 1000000", 2, u"1.000.000,00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatValue(QString::fromUtf16(c.text), c.decimals), QString::fromUtf16(c.shown))
      << QString::fromUtf16(c.text).toStdString() << " " << c.decimals;
}

TEST(TextOnFocusLost, FormatsAcceptedValuesOfEachKind)
{
  const struct {
    Check check;
    const char16_t* text;
    const char16_t* shown;
  } cases[] = {
    {Check::None, u"qualquer coisa", u"qualquer coisa"},
    {Check::CpfCnpj, u"11144477735", u"111.444.777-35"},
    {Check::CpfCnpj, u"11222333000181", u"11.222.333/0001-81"},
    {Check::CpfCnpj, u"12ABC34501DE35", u"12.ABC.345/01DE-35"},
    {Check::CpfCnpj, u"", u""},
    {Check::CpfCnpj, u"   ", u"   "},
    {Check::Cep, u"12345678", u"12.345-678"},
    {Check::Telefone, u"1132104567", u"(11)3210-4567"},
    {Check::PIS, u"12056412545", u"120.56412.54-5"},
    {Check::Titulo, u"123456780191", u"012345678-01.91"},
    {Check::IE, u"123456789012", u"123.456.789.012"},
    {Check::IE, u" ISENTO ", u" ISENTO "},
    {Check::UF, u"SP", u"SP"},
    {Check::Email, u"fulano@empresa.com.br", u"fulano@empresa.com.br"},
    {Check::URL, u"www.empresa.com.br", u"www.empresa.com.br"},
    {Check::Date, u"", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextOnFocusLost(QString::fromUtf16(c.text), fieldOf(c.check)), QString::fromUtf16(c.shown))
      << static_cast<int>(c.check) << " " << QString::fromUtf16(c.text).toStdString();
}

TEST(TextOnFocusLost, RefusesWithTheMessageOfEachKind)
{
  const struct {
    Check check;
    const char16_t* text;
    const char16_t* message;
  } cases[] = {
    {Check::CpfCnpj, u"11144477736", u" \" 11144477736 \" não é um CPF válido"},
    {Check::CpfCnpj, u"111.444.777-36", u" \" 111.444.777-36 \" não é um CPF válido"},
    {Check::CpfCnpj, u"11222333000182", u" \" 11222333000182 \" não é um CNPJ válido"},
    {Check::CpfCnpj, u"1234", u" \" 1234 \" não é um CNPJ válido"},
    {Check::Cep, u"1234", u" \" 1234 \" não é um CEP válido"},
    {Check::Email, u"fulano", u" \" fulano \" Formato de E-mail não aceitável"},
    {Check::PIS, u"12056412546", u" \" 12056412546 \" Não é um PIS válida"},
    {Check::Telefone, u"32104567", u" \" 32104567 \" não é um número de telefone válido"},
    {Check::Titulo, u"123456780192", u" \" 123456780192 \" Não é um título válida"},
    {Check::UF, u"XX", u" \" XX \" Não é uma UF válida"},
    {Check::URL, u"empresa.com", u" \" empresa.com \" Não é endereço WEB aceitável"},
    {Check::Date, u"310213", u"Data inválida: 31/02/13"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(refusalOnLeaving(QString::fromUtf16(c.text), fieldOf(c.check)), QString::fromUtf16(c.message))
      << static_cast<int>(c.check) << " " << QString::fromUtf16(c.text).toStdString();
}

TEST(RefusalMessage, NamesTheStateOfAStateRegistration)
{
  EXPECT_EQ(RefusalMessage(Check::IE, QStringLiteral("123"), QStringLiteral("MG")),
            QStringLiteral(" \" 123 \" não é uma IE válido para UF: MG"));
}

TEST(TextOnFocusLost, FormatsAmountFields)
{
  const EditSettings amount = fieldOf(Check::None, Caracters::Real);
  EXPECT_EQ(TextOnFocusLost(QStringLiteral("1234,5"), amount), QStringLiteral("1.234,50"));
  EXPECT_EQ(TextOnFocusLost(QStringLiteral("-"), amount), QStringLiteral("0,00"));
  EXPECT_EQ(TextOnFocusLost(QString(), amount), QString());  // an empty field is left alone
}

TEST(TextOnFocusLost, RequiresAValueWhenNullIsRefused)
{
  EditSettings amount = fieldOf(Check::None, Caracters::Real);
  amount.AcceptNull = false;
  EditSettings telefone = fieldOf(Check::Telefone);
  telefone.AcceptNull = false;
  EditSettings ie = fieldOf(Check::IE);
  ie.AcceptNull = false;
  const QString required = QStringLiteral("Informação necessária");

  EXPECT_EQ(refusalOnLeaving(QStringLiteral("0,00"), amount), required);
  EXPECT_EQ(refusalOnLeaving(QString(), amount), required);
  EXPECT_EQ(refusalOnLeaving(QStringLiteral("0,001"), amount), required);
  EXPECT_EQ(TextOnFocusLost(QStringLiteral("0,01"), amount), QStringLiteral("0,01"));
  EXPECT_EQ(refusalOnLeaving(QStringLiteral("11"), telefone), required);
  EXPECT_EQ(refusalOnLeaving(QString(), ie), required);
  EXPECT_EQ(TextOnFocusLost(QStringLiteral("ISENTO"), ie), QStringLiteral("ISENTO"));
}

TEST(ApplyCharCase, LowersAddressesAndRaisesEverythingElse)
{
  EXPECT_EQ(ApplyCharCase(Check::Email, QStringLiteral("Fulano@Empresa.COM")), QStringLiteral("fulano@empresa.com"));
  EXPECT_EQ(ApplyCharCase(Check::URL, QStringLiteral("WWW.X.COM")), QStringLiteral("www.x.com"));
  EXPECT_EQ(ApplyCharCase(Check::UF, QStringLiteral("sp")), QStringLiteral("SP"));
  EXPECT_EQ(ApplyCharCase(Check::None, QStringLiteral("são joão")), QStringLiteral("SÃO JOÃO"));
}
