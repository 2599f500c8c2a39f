#include "report/format/Errors.h"
#include "report/format/Float.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace quitanza::report;

namespace {

struct FloatCase {
  long double value;
  const char* point;
};

class FloatFormat : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatFormat, WritesShortestGeneralFormWithTheGivenSeparator)
{
  const FloatCase c = GetParam();
  EXPECT_EQ(FloatToStr(c.value, QLatin1Char('.')), QString::fromLatin1(c.point));
  QString comma = QString::fromLatin1(c.point);
  comma.replace(QLatin1Char('.'), QLatin1Char(','));
  EXPECT_EQ(FloatToStr(c.value, QLatin1Char(',')), comma);
}

INSTANTIATE_TEST_SUITE_P(Values, FloatFormat,
                         testing::Values(FloatCase{548.9295L, "548.9295"}, FloatCase{0, "0"},
                                         FloatCase{-16, "-16"}, FloatCase{145.25L * 3.77953L, "548.9767325"},
                                         FloatCase{186 * 3.77953L, "702.99258"}, FloatCase{210, "210"},
                                         FloatCase{0.00001L, "1E-5"}, FloatCase{1e20L, "1E20"},
                                         FloatCase{1.0L / 3, "0.333333333333333"}));

TEST(FloatParse, AcceptsPointAndCommaAndIgnoresSpaces)
{
  EXPECT_EQ(StrToFloat(u"7.55906"), 7.55906L);
  EXPECT_EQ(StrToFloat(u"7,55906"), 7.55906L);
  EXPECT_EQ(StrToFloat(u" 1 000,5"), 1000.5L);
  EXPECT_EQ(StrToFloat(u"1E-5"), 0.00001L);
}

TEST(FloatParse, RejectsTextThatIsNotANumber)
{
  for (QStringView text : {u"", u"abc", u"1.2.3", u"12px", u"١٢"}) {
    try {
      StrToFloat(text);
      ADD_FAILURE() << text.toString().toStdString();
    } catch (const ReportError& error) {
      EXPECT_TRUE(error.Message().endsWith(QStringLiteral("is not a valid floating point value")));
    }
  }
}

TEST(FloatSetting, TheProgramSeparatorIsAPointUnlessChanged)
{
  EXPECT_EQ(DecimalSeparator(), QLatin1Char('.'));
}

}  // namespace

namespace {

// The general format of the C library with 15 significant digits, in the
// file's exponent spelling: the reference the fast path must agree with.
QString Reference(long double value)
{
  char text[64];
  std::snprintf(text, sizeof text, "%.15Lg", value);
  QString reference = QString::fromLatin1(text);
  const qsizetype e = reference.indexOf(QLatin1Char('e'));
  if (e >= 0) {
    QString exponent = reference.mid(e + 1);
    const bool negative = exponent.startsWith(QLatin1Char('-'));
    exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
      exponent.remove(0, 1);
    reference = reference.left(e) + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
  }
  return reference;
}

TEST(FloatFormat, AgreesWithTheLibraryGeneralFormat)
{
  QRandomGenerator random(1046);
  for (int i = 0; i < 20000; ++i) {
    const int millimetres = random.bounded(-3000, 3000);
    const int scale = random.bounded(0, 6);
    const long double candidates[] = {
        millimetres * 3.77953L / (1 << scale), millimetres / 7.0L, random.generateDouble() * 1e-3,
        random.generateDouble() * 1e14, (millimetres + 0.5L) * 37.7953L};
    for (long double value : candidates)
      ASSERT_EQ(FloatToStr(value, QLatin1Char('.')), Reference(value)) << static_cast<double>(value);
  }
}

}  // namespace

namespace {

// What a file gives back of a value: its text read again.
long double ThroughText(long double value) { return StrToFloat(FloatToStr(value, QLatin1Char('.'))); }

TEST(FileFloat, GivesWhatTheTextReadsBackAs)
{
  QRandomGenerator random(2718);
  // Values from files, values computed from them, the edges of the fixed
  // range and values whose 15th digit is a tie.
  std::vector<long double> values = {1e-4L, 9.99999999999999e-5L, 1e15L, 999999999999999.5L, 0.5L, -0.125L,
                                     123456789012345.5L, 1.000000000000005L, 2.675L, 1e-300L, 1e300L};
  for (int i = 0; i < 20000; ++i) {
    const int millimetres = random.bounded(-3000, 3000);
    values.push_back(millimetres * 3.77953L / (1 << random.bounded(0, 6)));
    values.push_back(millimetres / 7.0L);
    values.push_back(random.generateDouble() * 1e-3);
    values.push_back(random.generateDouble() * 1e15);
    values.push_back(static_cast<long double>(random.bounded(1, 1000000)) / 1000000.0L + millimetres);
  }
  for (long double value : values)
    ASSERT_EQ(FileFloat(value), ThroughText(value)) << static_cast<double>(value);
}

}  // namespace
