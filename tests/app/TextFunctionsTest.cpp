#include "app/TextFunctions.h"

#include "doclib/InvalidInputError.h"
#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

using namespace quitanza::doclib;
using namespace quitanza::app;

TEST(FormatarCpfCnpj, LaysOutTheNumberWithItsPunctuation)
{
  const struct {
    const char16_t* text;
    const char16_t* formatted;
  } cases[] = {
    {u"123.456.789-09", u"123.456.789-09"}, {u"12345678000195", u"12.345.678/0001-95"},
    {u"", u""},                             {u"12345", u"12.345./-"},
    {u"12abc34501de35", u"12.ABC.345/01DE-35"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatarCpfCnpj(QString::fromUtf16(c.text)), QString::fromUtf16(c.formatted));
}

TEST(RemoverCaracters, KeepsOnlyDigits)
{
  EXPECT_EQ(RemoverCaracters(QStringLiteral("12.ABC.345/01DE-35")), QStringLiteral("123450135"));
}

TEST(StringToFloat, ReadsBrazilianAmountsWhateverTheLocale)
{
  const struct {
    const char16_t* text;
    double value;
  } cases[] = {{u"1.234,56", 1234.56}, {u"R$ 10,5", 10.5}, {u"-3,00", -3}, {u"1,2,3", 12.3}, {u"7-1", 71}, {u"0,00", 0}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(StringToFloat(QString::fromUtf16(c.text)), c.value);
}

TEST(StringToFloat, FailsOnAnEmptyTextWithAnEmptyPlaceholder)
{
  try {
    StringToFloat(QString());
    ADD_FAILURE() << "accepted the empty text";
  } catch (const InvalidInputError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("'' is not a valid floating point value"));
  }
}

TEST(QuotedStr, EnclosesInQuotesAndDoublesTheInnerOnes)
{
  EXPECT_EQ(QuotedStr(QStringLiteral("D'ÁVILA")), QStringLiteral("'D''ÁVILA'"));
  EXPECT_EQ(QuotedStr(QString()), QStringLiteral("''"));
}
