#include "ExpressionTestPrinting.h"

#include "report/expressions/FormatDataConversion.h"
#include "report/expressions/FormatDataPrintf.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

struct PrintfCase {
  const char16_t* Format;
  PrintfArgument Argument;
  const char16_t* Expected;
};

void PrintTo(const PrintfCase& c, std::ostream* os) { *os << QString::fromUtf16(c.Format).toStdString(); }

class PrintfTest : public testing::TestWithParam<PrintfCase> {};

TEST_P(PrintfTest, FormatsTheClassicWayWithDecimalComma) {
  EXPECT_EQ(FormatPrintf(QString::fromUtf16(GetParam().Format), GetParam().Argument),
            QString::fromUtf16(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Specifiers, PrintfTest,
    testing::Values(
        PrintfCase{u"%2.2f", 3.14159, u"3,14"}, PrintfCase{u"%f", 2.675, u"2,68"}, PrintfCase{u"%.0f", -0.4, u"0"},
        PrintfCase{u"%8.1f|", 12.25, u"    12,3|"}, PrintfCase{u"%-8.1f|", 12.25, u"12,3    |"},
        PrintfCase{u"%n", 1234567.891, u"1.234.567,89"}, PrintfCase{u"%m", 1234.5, u"R$ 1.234,50"},
        PrintfCase{u"%m", -1234.5, u"-R$ 1.234,50"}, PrintfCase{u"%e", 1234.5, u"1,23450000000000E+003"},
        PrintfCase{u"%.3e", 0.00012345, u"1,23E-004"}, PrintfCase{u"%g", 1234.5, u"1234,5"},
        PrintfCase{u"Total: %f%%", 12.5, u"Total: 12,50%"}, PrintfCase{u"%d", qint64(42), u"42"},
        PrintfCase{u"%5d", qint64(42), u"   42"}, PrintfCase{u"%.4d", qint64(-42), u"-0042"},
        PrintfCase{u"%u", qint64(7), u"7"}, PrintfCase{u"%x", qint64(255), u"FF"},
        PrintfCase{u"%s", qint64(9), u"9"}, PrintfCase{u"no specifier", 1.0, u"no specifier"}));

TEST(Printf, RefusesSpecifiersThatDoNotFitTheArgument) {
  EXPECT_THROW(FormatPrintf(QStringLiteral("%f"), qint64(1)), FormatConversionError);
  EXPECT_THROW(FormatPrintf(QStringLiteral("%d"), 1.5), FormatConversionError);
  EXPECT_THROW(FormatPrintf(QStringLiteral("%d %d"), qint64(1)), FormatConversionError);
  EXPECT_THROW(FormatPrintf(QStringLiteral("%q"), 1.5), FormatConversionError);
  EXPECT_THROW(FormatPrintf(QStringLiteral("%5"), 1.5), FormatConversionError);
}

}  // namespace
