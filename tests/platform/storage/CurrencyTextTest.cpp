#include "platform/storage/CurrencyText.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;

TEST(CurrencyText, WritesTheShortestExactForm)
{
  const struct {
    std::int64_t value;
    const char16_t* text;
  } cases[] = {
    {0, u"0"},
    {15000000, u"1500"},
    {12345000, u"1234.5"},
    {12345600, u"1234.56"},
    {1, u"0.0001"},
    {-50000, u"-5"},
    {-1, u"-0.0001"},
    {1234567890123456789, u"123456789012345.6789"},
    {std::numeric_limits<std::int64_t>::max(), u"922337203685477.5807"},
    {std::numeric_limits<std::int64_t>::min(), u"-922337203685477.5808"},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(CurrencyToText(Amount::FromTicks(c.value)), text);
    EXPECT_EQ(CurrencyFromText(text).Ticks(), c.value) << text.toStdString();
  }
}

TEST(CurrencyText, ReadsOtherWritersNumbersRoundingHalfToEven)
{
  const struct {
    const char16_t* text;
    std::int64_t value;
  } cases[] = {
    {u"1500.00", 15000000},
    {u"+7", 70000},
    {u"007.50", 75000},
    {u".5", 5000},
    {u"5.", 50000},
    {u"1.5E3", 15000000},
    {u"1.5e+3", 15000000},
    {u"15E-1", 15000},
    {u"0.00005", 0},      // half: to even 0
    {u"0.00015", 2},      // half: to even 2
    {u"0.000051", 1},     // above half
    {u"0.000049999", 0},
    {u"-0.00015", -2},
    {u"1E-9", 0},
    {u"5E-999999", 0},
    {u"0E999999", 0},
    {u"-0", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CurrencyFromText(QString::fromUtf16(c.text)).Ticks(), c.value) << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(CurrencyText, RefusesWhatIsNoAmount)
{
  for (const char16_t* text : {u"", u"-", u".", u"1,5", u"1.234,56", u"1 500", u" 1", u"1e", u"1e+", u"1.2.3", u"abc", u"0x10", u"1e1234567", u"١٢"}) {
    EXPECT_THROW(CurrencyFromText(QString::fromUtf16(text)), std::invalid_argument) << QString::fromUtf16(text).toStdString();
  }
  for (const char16_t* text : {u"922337203685477.5808", u"-922337203685477.5809", u"1E16", u"99999999999999999999999"}) {
    EXPECT_THROW(CurrencyFromText(QString::fromUtf16(text)), std::out_of_range) << QString::fromUtf16(text).toStdString();
  }
}
