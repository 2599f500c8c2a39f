#include "doclib/InvalidInputError.h"
#include "doclib/MVEditRules.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

namespace {

MVEditSettings fieldOf(TCheck check, TCaracters caracter = tcAlfanumeric)
{
  MVEditSettings settings;
  settings.Check = check;
  settings.Caracter = caracter;
  settings.UF = QStringLiteral("SP");
  return settings;
}

QString refusalOnLeaving(const QString& text, const MVEditSettings& settings)
{
  try {
    const QString shown = TextOnFocusLost(text, settings);
    return QStringLiteral("accepted as ") + shown;
  } catch (const InvalidInputError& error) {
    return error.message();
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
    TCheck check;
    const char16_t* text;
    const char16_t* shown;
  } cases[] = {
    {ckNone, u"qualquer coisa", u"qualquer coisa"},
    {ckCpfCnpj, u"11144477735", u"111.444.777-35"},
    {ckCpfCnpj, u"11222333000181", u"11.222.333/0001-81"},
    {ckCpfCnpj, u"12ABC34501DE35", u"12.ABC.345/01DE-35"},
    {ckCpfCnpj, u"", u""},
    {ckCpfCnpj, u"   ", u"   "},
    {ckCep, u"12345678", u"12.345-678"},
    {ckTelefone, u"1132104567", u"(11)3210-4567"},
    {ckPIS, u"12056412545", u"120.56412.54-5"},
    {ckTitulo, u"123456780191", u"012345678-01.91"},
    {ckIE, u"123456789012", u"123.456.789.012"},
    {ckIE, u" ISENTO ", u" ISENTO "},
    {ckUF, u"SP", u"SP"},
    {ckEmail, u"fulano@empresa.com.br", u"fulano@empresa.com.br"},
    {ckURL, u"www.empresa.com.br", u"www.empresa.com.br"},
    {ckDate, u"", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextOnFocusLost(QString::fromUtf16(c.text), fieldOf(c.check)), QString::fromUtf16(c.shown))
      << c.check << " " << QString::fromUtf16(c.text).toStdString();
}

TEST(TextOnFocusLost, RefusesWithTheMessageOfEachKind)
{
  const struct {
    TCheck check;
    const char16_t* text;
    const char16_t* message;
  } cases[] = {
    {ckCpfCnpj, u"11144477736", u" \" 11144477736 \" não é um CPF válido"},
    {ckCpfCnpj, u"111.444.777-36", u" \" 111.444.777-36 \" não é um CPF válido"},
    {ckCpfCnpj, u"11222333000182", u" \" 11222333000182 \" não é um CNPJ válido"},
    {ckCpfCnpj, u"1234", u" \" 1234 \" não é um CNPJ válido"},
    {ckCep, u"1234", u" \" 1234 \" não é um CEP válido"},
    {ckEmail, u"fulano", u" \" fulano \" Formato de E-mail não aceitável"},
    {ckPIS, u"12056412546", u" \" 12056412546 \" Não é um PIS válida"},
    {ckTelefone, u"32104567", u" \" 32104567 \" não é um número de telefone válido"},
    {ckTitulo, u"123456780192", u" \" 123456780192 \" Não é um título válida"},
    {ckUF, u"XX", u" \" XX \" Não é uma UF válida"},
    {ckURL, u"empresa.com", u" \" empresa.com \" Não é endereço WEB aceitável"},
    {ckDate, u"310213", u"Data inválida: 31/02/13"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(refusalOnLeaving(QString::fromUtf16(c.text), fieldOf(c.check)), QString::fromUtf16(c.message))
      << c.check << " " << QString::fromUtf16(c.text).toStdString();
}

TEST(RefusalMessage, NamesTheStateOfAStateRegistration)
{
  EXPECT_EQ(RefusalMessage(ckIE, QStringLiteral("123"), QStringLiteral("MG")),
            QStringLiteral(" \" 123 \" não é uma IE válido para UF: MG"));
}

TEST(TextOnFocusLost, FormatsAmountFields)
{
  const MVEditSettings amount = fieldOf(ckNone, tcReal);
  EXPECT_EQ(TextOnFocusLost(QStringLiteral("1234,5"), amount), QStringLiteral("1.234,50"));
  EXPECT_EQ(TextOnFocusLost(QStringLiteral("-"), amount), QStringLiteral("0,00"));
  EXPECT_EQ(TextOnFocusLost(QString(), amount), QString());  // an empty field is left alone
}

TEST(TextOnFocusLost, RequiresAValueWhenNullIsRefused)
{
  MVEditSettings amount = fieldOf(ckNone, tcReal);
  amount.AcceptNull = false;
  MVEditSettings telefone = fieldOf(ckTelefone);
  telefone.AcceptNull = false;
  MVEditSettings ie = fieldOf(ckIE);
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
  EXPECT_EQ(ApplyCharCase(ckEmail, QStringLiteral("Fulano@Empresa.COM")), QStringLiteral("fulano@empresa.com"));
  EXPECT_EQ(ApplyCharCase(ckURL, QStringLiteral("WWW.X.COM")), QStringLiteral("www.x.com"));
  EXPECT_EQ(ApplyCharCase(ckUF, QStringLiteral("sp")), QStringLiteral("SP"));
  EXPECT_EQ(ApplyCharCase(ckNone, QStringLiteral("são joão")), QStringLiteral("SÃO JOÃO"));
}
