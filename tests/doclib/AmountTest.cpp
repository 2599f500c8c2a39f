#include "doclib/Amount.h"

#include "doclib/InvalidInputError.h"
#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quitanza::doclib;

TEST(Amount, ReadsBrazilianTextsExactlyAndRoundsTiesToEven)
{
  const struct {
    const char16_t* text;
    std::int64_t ticks;
  } cases[] = {
    {u"1.234,56", 12'345'600},
    {u"R$ 10,5", 105'000},
    {u"-3,00", -30'000},
    {u"+7", 70'000},
    {u"1,2,3", 123'000},      // only the last comma is the decimal comma
    {u"7-1", 710'000},        // a sign that is not first is dropped
    {u" -5", 50'000},         // ... also after a space
    {u",5", 5'000},
    {u"5,", 50'000},
    {u"0,00005", 0},          // exact half: to the even count 0
    {u"0,00015", 2},          // exact half: to the even count 2
    {u"0,000150001", 2},
    {u"0,000149999", 1},
    {u"1,00005", 10'000},
    {u"-0,00015", -2},
    {u"922.337.203.685.477,5807", std::numeric_limits<std::int64_t>::max()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Amount::FromBrazilianText(QString::fromUtf16(c.text)).Ticks(), c.ticks) << QString::fromUtf16(c.text).toStdString();
}

TEST(Amount, RefusesTextsWithoutNumberNamingTheKeptCharacters)
{
  const struct {
    const char16_t* text;
    const char16_t* message;
  } cases[] = {
    {u"", u"'' is not a valid floating point value"},
    {u"abc", u"'' is not a valid floating point value"},
    {u"-", u"'-' is not a valid floating point value"},
    {u"-,", u"'-,' is not a valid floating point value"},
    {u"R$ ,", u"',' is not a valid floating point value"},
  };
  for (const auto& c : cases) {
    try {
      Amount::FromBrazilianText(QString::fromUtf16(c.text));
      ADD_FAILURE() << "accepted " << QString::fromUtf16(c.text).toStdString();
    } catch (const InvalidInputError& error) {
      EXPECT_EQ(error.Message(), QString::fromUtf16(c.message));
    }
  }
}

TEST(Amount, RefusesAmountsBeyondItsRange)
{
  EXPECT_THROW(Amount::FromBrazilianText(QStringLiteral("922.337.203.685.477,5808")), InvalidInputError);
  EXPECT_THROW(Amount::FromBrazilianText(QStringLiteral("99999999999999999999999")), InvalidInputError);
  EXPECT_THROW(Amount::FromDouble(1e300), InvalidInputError);
  EXPECT_THROW(Amount::FromDouble(std::numeric_limits<double>::quiet_NaN()), InvalidInputError);
}

TEST(Amount, ConvertsFromDoubleToTheNearestTenThousandthTiesToEven)
{
  EXPECT_EQ(Amount::FromDouble(1234.56).Ticks(), 12'345'600);
  EXPECT_EQ(Amount::FromDouble(-5.0).Ticks(), -50'000);
  EXPECT_EQ(Amount::FromDouble(0.00005).Ticks(), 0);    // 0.5 ten-thousandths: to even
  EXPECT_EQ(Amount::FromDouble(0.00025).Ticks(), 2);    // 2.5 ten-thousandths: to even
  EXPECT_DOUBLE_EQ(Amount::FromTicks(12'345'600).ToDouble(), 1234.56);
}

TEST(Amount, WritesBrazilianTextWithThousandsPointsRoundingHalfAwayFromZero)
{
  const struct {
    std::int64_t ticks;
    int decimals;
    const char16_t* text;
  } cases[] = {
    {12'345'000, 2, u"1.234,50"},
    {-5'000, 2, u"-0,50"},
    {0, 2, u"0,00"},
    {0, 6, u"0,000000"},
    {10'050, 2, u"1,01"},        // 1,005: half away from zero
    {-10'050, 2, u"-1,01"},
    {10'049, 2, u"1,00"},
    {-49, 2, u"0,00"},           // rounds to zero: no sign
    {12'345, 3, u"1,235"},
    {12'345, 4, u"1,2345"},
    {12'345, 6, u"1,234500"},    // only four decimals carry information
    {9'999'999'999'999'900, 2, u"999.999.999.999,99"},
    {1'000'000'0000, 2, u"1.000.000,00"},
    {std::numeric_limits<std::int64_t>::min(), 4, u"-922.337.203.685.477,5808"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Amount::FromTicks(c.ticks).ToBrazilianText(c.decimals), QString::fromUtf16(c.text)) << c.ticks;
}

TEST(Amount, ComparesByValue)
{
  EXPECT_LT(Amount::FromTicks(-1), Amount());
  EXPECT_EQ(Amount::FromBrazilianText(QStringLiteral("1,5")), Amount::FromTicks(15'000));
}
