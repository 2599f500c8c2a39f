#include "ExpressionTestPrinting.h"

#include "report/expressions/FormatDataFloatPattern.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

struct PatternCase {
  const char16_t* Pattern;
  double Value;
  const char16_t* Expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << QString::fromUtf16(c.Pattern).toStdString() << " with " << c.Value;
}

class FloatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FloatPatternTest, FormatsLikeTheClassicPatternLanguage) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(FormatFloatPattern(QString::fromUtf16(c.Pattern), c.Value), QString::fromUtf16(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FloatPatternTest,
    testing::Values(
        // digits, grouping and decimal comma
        PatternCase{u"#,##0.00", 1234.5, u"1.234,50"}, PatternCase{u"#,##0", 1234567, u"1.234.567"},
        PatternCase{u"#,##0.00", 0.5, u"0,50"}, PatternCase{u"#,##0.00", 1e20, u"100.000.000.000.000.000.000,00"},
        PatternCase{u"00000", 42, u"00042"}, PatternCase{u"0.##", 1.5, u"1,5"}, PatternCase{u"0.##", 2, u"2"},
        PatternCase{u"#.##", 0.5, u",5"}, PatternCase{u".00", 12.5, u"12,50"}, PatternCase{u"#", 0, u""},
        PatternCase{u"000-000", 123456, u"123-456"}, PatternCase{u"0", 1234.0, u"1234"},
        // rounding follows the decimal digits, half away from zero
        PatternCase{u"0.00", 2.675, u"2,68"}, PatternCase{u"0.00", -2.675, u"-2,68"}, PatternCase{u"0", 0.5, u"1"},
        PatternCase{u"0", 2.5, u"3"}, PatternCase{u"0.0", 9.96, u"10,0"}, PatternCase{u"0.00", 0.006, u"0,01"},
        // literal text and the minus sign
        PatternCase{u"\"R$ \"#,##0.00", 1234.5, u"R$ 1.234,50"}, PatternCase{u"R$ #,##0.00", -1234.5, u"-R$ 1.234,50"},
        PatternCase{u"'#'0", 7, u"#7"},
        // sections: positive;negative;zero
        PatternCase{u"0.00;(0.00)", -5, u"(5,00)"}, PatternCase{u"0.00;(0.00)", 5, u"5,00"},
        PatternCase{u"0.00;(0.00);'zero'", 0, u"zero"}, PatternCase{u"0.00;;'zero'", -5, u"-5,00"},
        PatternCase{u"0.00;(0.00)", -0.001, u"0,00"}, PatternCase{u"0.00;(0.00);'zero'", -0.001, u"zero"},
        // exponent forms
        PatternCase{u"0.00E+00", 1234.5, u"1,23E+03"}, PatternCase{u"0.00E-00", 0.00012345, u"1,23E-04"},
        PatternCase{u"0.00E-00", 1234.5, u"1,23E03"}, PatternCase{u"0.0e+0", 1234, u"1,2e+3"},
        PatternCase{u"00.0E+0", 1234, u"12,3E+2"}, PatternCase{u"0.00E+00", 0, u"0,00E+00"}));

}  // namespace
