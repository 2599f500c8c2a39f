#include "doclib/Validar.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

#include <functional>

using namespace quitanza::doclib;

namespace {

using Check = std::function<bool(const QString&)>;

void expectVerdict(const Check& check, bool verdict, std::initializer_list<const char16_t*> texts)
{
  for (const char16_t* text : texts)
    EXPECT_EQ(check(QString::fromUtf16(text)), verdict) << QString::fromUtf16(text).toStdString();
}

}  // namespace

TEST(IsValidCpfCnpj, AcceptsRealCpfNumbers)
{
  expectVerdict(IsValidCpfCnpj, true,
                {u"111.444.777-35", u"11144477735", u"529.982.247-25", u"935.411.347-80", u"453.178.287-91",
                 u"012.345.678-90", u"000.000.001-91"});
}

TEST(IsValidCpfCnpj, RefusesWrongAndNeverIssuedCpfNumbers)
{
  expectVerdict(IsValidCpfCnpj, false,
                {u"111.444.777-36", u"123.456.789-09", u"1234567890", u"00000000000", u"11111111111", u"99999999999",
                 u"", u"ABCDEFGHIJK", u"1114447773A"});
}

TEST(IsValidCpfCnpj, AcceptsRealNumericCnpjNumbers)
{
  expectVerdict(IsValidCpfCnpj, true,
                {u"11.222.333/0001-81", u"00.000.000/0001-91", u"33.000.167/0001-01", u"00.360.305/0001-04",
                 u"33.592.510/0001-54", u"60.701.190/0001-04", u"60.746.948/0001-12", u"47.960.950/0001-21",
                 u"07.526.557/0001-00", u"71.673.990/0001-77"});
}

TEST(IsValidCpfCnpj, AcceptsAlphanumericCnpjNumbersWithAsciiValuesMinus48)
{
  expectVerdict(IsValidCpfCnpj, true,
                {u"12ABC34501DE35", u"12.ABC.345/01DE-35", u"12abc34501de35", u"00000000E08G12", u"93ZB0VRYV6KA67"});
}

TEST(IsValidCpfCnpj, RefusesWrongCnpjNumbers)
{
  expectVerdict(IsValidCpfCnpj, false,
                {u"93ZB0VRYV6KA66", u"12ABC34501DE45",  // 45: check digits of a base-36 reading of the letters
                 u"00.000.000/0000-00", u"11.222.333/0001-82", u"12ABC34501DE3A", u"1122233300018",
                 u"112223330001811", u"12ÁBC34501DE35"});
}

TEST(IsValidCep, AcceptsNoDigitsOrExactlyEight)
{
  expectVerdict(IsValidCep, true, {u"", u"12345-678", u"12.345-678", u"abc"});
  expectVerdict(IsValidCep, false, {u"1234567", u"123456789"});
}

TEST(IsValidPis, ChecksTheEleventhDigit)
{
  expectVerdict(IsValidPis, true, {u"", u"120.56412.54-5", u"17033259504", u"12345678900", u"120564125459"});
  expectVerdict(IsValidPis, false, {u"1205641254", u"12056412546", u"20000000004"});
}

TEST(IsValidTitulo, ChecksBothDigitsIncludingTheStateCodeRule)
{
  expectVerdict(IsValidTitulo, true,
                {u"", u"100000010116", u"100000010507", u"123456780191", u"0123456780191", u"0043 5687 09 06",
                 u"0000000000213"});
  expectVerdict(IsValidTitulo, false,
                {u"123456780192", u"100000010117", u"100000010517", u"10123456780191", u"1"});
}

TEST(IsValidUF, AcceptsTheCodesOfTheList)
{
  expectVerdict(IsValidUF, true,
                {u"", u"SP", u"sp", u"EX", u"FN", u"DF", u"AC", u"TO", u"RO", u"PA", u"B", u"D", u"E", u"M", u"R",
                 u"S"});
  expectVerdict(IsValidUF, false, {u"PM", u"XX", u"SPM", u"SPMG", u"A", u"1"});
}

TEST(IsValidTelefone, AcceptsAreaCodesAndNineToElevenDigits)
{
  expectVerdict(IsValidTelefone, true,
                {u"", u"1", u"11", u"113210456", u"1132104567", u"(11)3210-4567", u"11987654321", u"(11)98765-4321"});
  expectVerdict(IsValidTelefone, false, {u"113", u"32104567", u"119876543210"});
}

TEST(IsValidEmail, AppliesItsRulesToTheWholeText)
{
  expectVerdict(IsValidEmail, true,
                {u"", u"fulano@empresa.com.br", u"fulano.@empresa.com", u"fulano@empresa.com.", u"-@-.x",
                 u"um.nome.de.caixa.postal.bem.comprido.para.passar.de.cinquenta@empresa.com.br"});
  expectVerdict(IsValidEmail, false,
                {u"fulano.empresa.com", u"fulano@@empresa.com", u"fulano@-empresa.com", u"fulano@empresa",
                 u"@empresa.com", u"fulano@", u"fulano@Empresa.com",
                 u"umnomedecaixapostalbemcompridoparapassardecinquentaletras@empresa"});
}

TEST(IsValidURL, AcceptsKnownBeginningsWithADottedNameAndIpv4Addresses)
{
  expectVerdict(IsValidURL, true,
                {u"", u"www.empresa.com.br", u"WWW.Empresa.com", u"http://empresa.com.br", u"https://empresa.com.br",
                 u"HTTPS://Empresa.com.br/loja", u"https://x.yz", u"ftp://arquivos.com", u"news:grupo.local",
                 u"192.168.0.1", u"0.0.0.0", u"255.255.255.255"});
  expectVerdict(IsValidURL, false,
                {u"https://x.y", u"https://.empresa.com", u"https:/empresa.com.br", u"empresa.com.br", u"www.empresa..com", u"www.empresa.com.",
                 u"www.x", u"www.abc", u"http://x.y", u"http://.empresa.com", u"www.empre sa.com",
                 u"www.empresa.com/(x)", u"www.sãopaulo.com", u"192.168.0.256", u"1.2.3", u"1.2.3.4.5",
                 u"1.2.3.0004", u"1.2.3.-4"});
}

TEST(Validators, AnswerJunkWithoutFailing)
{
  const Check checks[] = {IsValidCpfCnpj, IsValidCep, IsValidPis, IsValidTitulo, IsValidUF,
                          IsValidTelefone, IsValidEmail, IsValidURL};
  const char16_t* junk[] = {u"²³¹", u"ⅫⅣ", u"①②③", u"١٢٣٤٥٦٧٨٩٠١", u"\u0001\u0002", u"@", u".", u"..", u"@.",
                            u"99999999999999999999999999999999", u"ÇÃÕ", u"\U0001F600"};
  for (const Check& check : checks)
    for (const char16_t* text : junk)
      check(QString::fromUtf16(text));
  // Digits of other scripts are not digits: these hold no document number.
  expectVerdict(IsValidCpfCnpj, false, {u"١١١٤٤٤٧٧٧٣٥", u"①①①④④④⑦⑦⑦③⑤"});
  expectVerdict(IsValidTelefone, true, {u"١١٣٢١٠٤٥٦٧"});
}
