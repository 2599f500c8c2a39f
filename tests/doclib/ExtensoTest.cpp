#include "doclib/Extenso.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quitanza::doclib;

namespace {

QString inWords(const char16_t* amountText)
{
  return Extenso(Amount::FromBrazilianText(QString::fromUtf16(amountText)), QStringLiteral("Real"),
                 QStringLiteral("Reais"), QStringLiteral("Centavo"), QStringLiteral("Centavos"));
}

struct WordsCase {
  const char16_t* amount;
  const char16_t* words;
};

void expectWords(std::initializer_list<WordsCase> cases)
{
  for (const auto& c : cases)
    EXPECT_EQ(inWords(c.amount), QString::fromUtf16(c.words)) << QString::fromUtf16(c.amount).toStdString();
}

}  // namespace

TEST(Extenso, WritesReceiptAmounts)
{
  expectWords({
    {u"0,00", u""},
    {u"0,01", u"Um Centavo"},
    {u"0,50", u"Cinquenta Centavos"},
    {u"1,00", u"Um Real"},
    {u"1,01", u"Um Real e Um Centavo"},
    {u"1,50", u"Um Real e Cinquenta Centavos"},
    {u"2,00", u"Dois Reais"},
    {u"15,00", u"Quinze Reais"},
    {u"100,00", u"Cem Reais"},
    {u"101,50", u"Cento e Um Reais e Cinquenta Centavos"},
    {u"600,00", u"Seiscentos Reais"},
    {u"1.000,00", u"Um Mil Reais"},
    {u"1.100,00", u"Um Mil e Cem Reais"},
    {u"1.234,56", u"Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos"},
    {u"1.000.000,00", u"Um Milhão de Reais"},
    {u"1.000.001,00", u"Um Milhão e Um Reais"},
    {u"1.001.000,00", u"Um Milhão e Um Mil Reais"},
    {u"2.500.000,00", u"Dois Milhões e Quinhentos Mil Reais"},  // the last comma becomes " e"
    {u"2.500.000,75", u"Dois Milhões, Quinhentos Mil Reais e Setenta e Cinco Centavos"},
    {u"1.000.000.000,00", u"Um Bilhão de Reais"},
    {u"2.000.000.000,00", u"Dois Bilhões de Reais"},
    {u"3.000.000.000,10", u"Três Bilhões de Reais e Dez Centavos"},
    {u"999.999.999.999,99",
     u"Novecentos e Noventa e Nove Bilhões, Novecentos e Noventa e Nove Milhões, Novecentos e Noventa e Nove Mil, "
     u"Novecentos e Noventa e Nove Reais e Noventa e Nove Centavos"},
  });
}

TEST(Extenso, RoundsToCentavosHalfAwayFromZeroAndNamesTheCurrencyByTheRoundedAmount)
{
  expectWords({
    {u"1,005", u"Um Real e Um Centavo"},
    {u"1,0049", u"Um Real"},
    {u"0,9999", u"Um Real"},
    {u"1,9999", u"Dois Reais"},
    {u"1,994", u"Um Real e Noventa e Nove Centavos"},
  });
}

TEST(Extenso, HoldsAmountsAboveOneHundredBillionToFifteenSignificantDigits)
{
  expectWords({
    {u"100.000.000.000,0049", u"Cem Bilhões de Reais e Um Centavo"},
    {u"999.999.999.999,9904", u"Novecentos e Noventa e Nove Bilhões, Novecentos e Noventa e Nove Milhões, "
                              u"Novecentos e Noventa e Nove Mil, Novecentos e Noventa e Nove Reais e Noventa e "
                              u"Nove Centavos"},
    {u"999.999.999.999,9949", u"Valor Muito Extenso"},
  });
}

TEST(Extenso, RefusesToWriteAmountsBeyondTheLimit)
{
  expectWords({
    {u"1.000.000.000.000,00", u"Valor Muito Extenso"},
    {u"-1.000.000.000.000,00", u"Valor Muito Extenso"},
  });
  const QString words = Extenso(Amount::FromTicks(std::numeric_limits<std::int64_t>::min()), QStringLiteral("Real"),
                                QStringLiteral("Reais"), QStringLiteral("Centavo"), QStringLiteral("Centavos"));
  EXPECT_EQ(words, QStringLiteral("Valor Muito Extenso"));
}

TEST(Extenso, WritesNegativeAmountsAsMenosAndTheirAbsoluteValue)
{
  expectWords({
    {u"-1,00", u"Menos Um Real"},
    {u"-0,50", u"Menos Cinquenta Centavos"},
    {u"-5,00", u"Menos Cinco Reais"},
    {u"-1.234,56", u"Menos Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos"},
    {u"-0,0001", u""},
  });
}

TEST(Extenso, InsertsTheCurrencyNamesAsGiven)
{
  EXPECT_EQ(Extenso(Amount::FromTicks(21'010'000), QStringLiteral("dólar"), QStringLiteral("dólares"),
                    QStringLiteral("cent"), QStringLiteral("cents")),
            QStringLiteral("Dois Mil e Cento e Um dólares"));  // the last comma becomes " e"
}

TEST(Extenso1_999, WritesWholeNumbersUpToNineHundredNinetyNine)
{
  const struct {
    int n;
    const char16_t* words;
  } cases[] = {
    {0, u""}, {5, u"Cinco"}, {10, u"Dez"}, {16, u"Dezesseis"}, {21, u"Vinte e Um"}, {100, u"Cem"},
    {101, u"Cento e Um"}, {110, u"Cento e Dez"}, {115, u"Cento e Quinze"}, {250, u"Duzentos e Cinquenta"},
    {600, u"Seiscentos"}, {999, u"Novecentos e Noventa e Nove"}, {1000, u"<Erro Extenso1_999>"},
    {-1, u"<Erro Extenso1_999>"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Extenso1_999(c.n), QString::fromUtf16(c.words)) << c.n;
}

TEST(ExtensoDigito, ReadsTheFourTablesAndMarksOtherTables)
{
  EXPECT_EQ(ExtensoDigito(3, 0), QStringLiteral("Três"));
  EXPECT_EQ(ExtensoDigito(4, 1), QStringLiteral("Quatorze"));
  EXPECT_EQ(ExtensoDigito(1, 2), QString());
  EXPECT_EQ(ExtensoDigito(6, 3), QStringLiteral("Seiscentos"));
  EXPECT_EQ(ExtensoDigito(1, 4), QStringLiteral("<Erro ExtensoDigito>"));
}
