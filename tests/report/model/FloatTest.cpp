#include "report/model/frxErrors.h"
#include "report/model/frxFloat.h"

#include <gtest/gtest.h>

namespace {

struct FloatCase {
  long double value;
  const char* point;
};

class FloatFormat : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatFormat, WritesShortestGeneralFormWithTheGivenSeparator)
{
  const FloatCase c = GetParam();
  EXPECT_EQ(frxFloatToStr(c.value, QLatin1Char('.')), QString::fromLatin1(c.point));
  QString comma = QString::fromLatin1(c.point);
  comma.replace(QLatin1Char('.'), QLatin1Char(','));
  EXPECT_EQ(frxFloatToStr(c.value, QLatin1Char(',')), comma);
}

INSTANTIATE_TEST_SUITE_P(Values, FloatFormat,
                         testing::Values(FloatCase{548.9295L, "548.9295"}, FloatCase{0, "0"},
                                         FloatCase{-16, "-16"}, FloatCase{145.25L * 3.77953L, "548.9767325"},
                                         FloatCase{186 * 3.77953L, "702.99258"}, FloatCase{210, "210"},
                                         FloatCase{0.00001L, "1E-5"}, FloatCase{1e20L, "1E20"},
                                         FloatCase{1.0L / 3, "0.333333333333333"}));

TEST(FloatParse, AcceptsPointAndCommaAndIgnoresSpaces)
{
  EXPECT_EQ(frxStrToFloat(u"7.55906"), 7.55906L);
  EXPECT_EQ(frxStrToFloat(u"7,55906"), 7.55906L);
  EXPECT_EQ(frxStrToFloat(u" 1 000,5"), 1000.5L);
  EXPECT_EQ(frxStrToFloat(u"1E-5"), 0.00001L);
}

TEST(FloatParse, RejectsTextThatIsNotANumber)
{
  for (QStringView text : {u"", u"abc", u"1.2.3", u"12px", u"١٢"}) {
    try {
      frxStrToFloat(text);
      ADD_FAILURE() << text.toString().toStdString();
    } catch (const EfrxError& error) {
      EXPECT_TRUE(error.Message().endsWith(QStringLiteral("is not a valid floating point value")));
    }
  }
}

TEST(FloatSetting, TheProgramSeparatorIsAPointUnlessChanged)
{
  EXPECT_EQ(frxDecimalSeparator(), QLatin1Char('.'));
}

}  // namespace
