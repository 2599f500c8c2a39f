#include "doclib/Formatting.h"
#include "doclib/InvalidInputError.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

#include <functional>

using namespace quitanza::doclib;

namespace {

struct MaskCase {
  const char16_t* input;
  const char16_t* expected;
};

void expectMask(const std::function<QString(const QString&)>& mask, std::initializer_list<MaskCase> cases)
{
  for (const auto& c : cases)
    EXPECT_EQ(mask(QString::fromUtf16(c.input)), QString::fromUtf16(c.expected))
      << QString::fromUtf16(c.input).toStdString();
}

}  // namespace

TEST(OnlyDigits, KeepsTheAsciiDigitsOnly)
{
  expectMask(OnlyDigits, {
    {u"123.456.789-09", u"12345678909"},
    {u"ISENTO", u""},
    {u"١٢٣ ²³ ①", u""},  // other scripts' digits, superscripts and circled numbers are not digits
    {u"", u""},
  });
}

TEST(ReplaceChar, ReplacesEveryOccurrence)
{
  EXPECT_EQ(ReplaceChar(QStringLiteral("1.234.567,89"), u'.', QString()), QStringLiteral("1234567,89"));
  EXPECT_EQ(ReplaceChar(QStringLiteral("a-b-c"), u'-', QStringLiteral("--")), QStringLiteral("a--b--c"));
}

TEST(ParseValue, ReadsBrazilianAmountsWhateverTheLocale)
{
  const struct {
    const char16_t* text;
    double value;
  } cases[] = {
    {u"1.234,56", 1234.56}, {u"R$ 10,5", 10.5}, {u"-3,00", -3}, {u"1,2,3", 12.3},
    {u"12-3", 123},         {u" -5", 5},        {u"0,00", 0},   {u"+2", 2},
    {u",5", 0.5},           {u"5,", 5},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(ParseValue(QString::fromUtf16(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(ParseValue, FailsWithTheConversionErrorWhenNothingNumericIsLeft)
{
  for (const char16_t* text : {u"", u"-", u",", u"abc"}) {
    try {
      ParseValue(QString::fromUtf16(text));
      ADD_FAILURE() << "accepted " << QString::fromUtf16(text).toStdString();
    } catch (const InvalidInputError& error) {
      EXPECT_TRUE(error.Message().endsWith(QStringLiteral("' is not a valid floating point value")));
    }
  }
}

TEST(FormatCpfCnpj, LaysOutCpfAndCnpjNumbers)
{
  expectMask(FormatCpfCnpj, {
    {u"12345678909", u"123.456.789-09"},
    {u"123.456.789-09", u"123.456.789-09"},
    {u"12345678000195", u"12.345.678/0001-95"},
    {u"", u""},
    {u"---", u""},
    {u"12345", u"12.345./-"},  // missing groups stay empty, punctuation stays
    {u"123456789012345", u"12.345.678/9012-34"},
  });
}

TEST(FormatCpfCnpj, LaysOutAlphanumericCnpjNumbersInCapitals)
{
  expectMask(FormatCpfCnpj, {
    {u"12ABC34501DE35", u"12.ABC.345/01DE-35"},
    {u"12abc34501de35", u"12.ABC.345/01DE-35"},
    {u"12.ABC.345/01DE-35", u"12.ABC.345/01DE-35"},
    {u"ABCDEFGHIJK", u"AB.CDE.FGH/IJK-"},  // eleven characters with letters are no CPF
  });
}

TEST(FormatCep, PunctuatesTextsOfExactlyEightCharacters)
{
  expectMask(FormatCep, {
    {u"12345678", u"12.345-678"},
    {u"12345 678", u"12345678"},
    {u"1234", u"1234"},
    {u"", u""},
  });
}

TEST(FormatPis, PunctuatesTheDigits)
{
  expectMask(FormatPis, {
    {u"12056412545", u"120.56412.54-5"},
    {u"120.56412.54-5", u"120.56412.54-5"},
    {u"1205", u"120.5.-"},
    {u"", u""},
  });
}

TEST(FormatTelefone, PunctuatesNineToElevenCharacterNumbers)
{
  expectMask(FormatTelefone, {
    {u"1132104567", u"(11)3210-4567"},
    {u"113210456", u"(11)321-0456"},
    {u"32104567", u"32104567"},
    {u"  1132104567 ", u"(11)3210-4567"},
    {u" 11987654321", u"(11)98765-4321"},
    {u"119876543210", u"119876543210"},
    {u"", u""},
  });
}

TEST(FormatTitulo, PunctuatesThirteenDigitTitles)
{
  expectMask(FormatTitulo, {
    {u"0123456780191", u"012345678-01.91"},
    {u"   ", u"   "},
    {u"12345", u"12345-."},
  });
}

TEST(WidenTitulo, ReadsTheDigitsAsANumberOfAtLeastThirteenDigits)
{
  expectMask(WidenTitulo, {
    {u"123456780191", u"0123456780191"},
    {u"0000123", u"0000000000123"},
    {u"12345678901234", u"12345678901234"},
  });
}
