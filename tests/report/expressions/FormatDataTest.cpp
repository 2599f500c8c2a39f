#include "ExpressionTestPrinting.h"

#include "report/expressions/FormatData.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

Format Format(FormatKind kind, const QString& formatStr, const QString& decimal = {},
              const QString& thousands = {}) {
  return {decimal, thousands, formatStr, kind};
}

struct FormatCase {
  const char* Name;
  QVariant Value;
  quitanza::report::Format DisplayFormat;
  QString Expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.Name; }

class FormatDataTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDataTest, GivesTheExpectedText) {
  EXPECT_EQ(FormatData(GetParam().Value, GetParam().DisplayFormat), GetParam().Expected);
}

const QString LongDate = QStringLiteral("dddd, dd \"de\" mmmm \"de\" yyyy");

INSTANTIATE_TEST_SUITE_P(
    DefaultTextForms, FormatDataTest,
    testing::Values(
        FormatCase{"null", QVariant(), Format(fkNumeric, QStringLiteral("0.00")), QString()},
        FormatCase{"text", QStringLiteral("Ação"), Format(fkText, {}), QStringLiteral("Ação")},
        FormatCase{"integer", 42, Format(fkText, {}), QStringLiteral("42")},
        FormatCase{"float", 1234.5, Format(fkText, {}), QStringLiteral("1234,5")},
        FormatCase{"third", 1.0 / 3, Format(fkText, {}), QStringLiteral("0,333333333333333")},
        FormatCase{"small float", 0.0001, Format(fkText, {}), QStringLiteral("0,0001")},
        FormatCase{"tiny float", 0.00001, Format(fkText, {}), QStringLiteral("1E-5")},
        FormatCase{"huge float", 1e20, Format(fkText, {}), QStringLiteral("1E20")},
        FormatCase{"boolean", true, Format(fkText, {}), QStringLiteral("True")},
        FormatCase{"date", QDate(2024, 12, 25), Format(fkText, {}), QStringLiteral("25/12/2024")},
        FormatCase{"time", QTime(10, 30), Format(fkText, {}), QStringLiteral("10:30:00")},
        FormatCase{"date and time", QDateTime(QDate(2024, 12, 25), QTime(10, 30)), Format(fkText, {}),
                   QStringLiteral("25/12/2024 10:30:00")},
        FormatCase{"midnight", QDateTime(QDate(2024, 12, 25), QTime(0, 0)), Format(fkText, {}),
                   QStringLiteral("25/12/2024")}));

INSTANTIATE_TEST_SUITE_P(
    Numeric, FormatDataTest,
    testing::Values(
        FormatCase{"pattern", 1234.5, Format(fkNumeric, QStringLiteral("#,##0.00")), QStringLiteral("1.234,50")},
        FormatCase{"pattern from zero", 7, Format(fkNumeric, QStringLiteral("0.0")), QStringLiteral("7,0")},
        FormatCase{"number text", QStringLiteral("1234,5"), Format(fkNumeric, QStringLiteral("#,##0.00")),
                   QStringLiteral("1.234,50")},
        FormatCase{"both separators swapped", 1234.5,
                   Format(fkNumeric, QStringLiteral("#,##0.00"), QStringLiteral("."), QStringLiteral(",")),
                   QStringLiteral("1,234.50")},
        FormatCase{"decimal point", 3.14159, Format(fkNumeric, QStringLiteral("%2.2f"), QStringLiteral(".")),
                   QStringLiteral("3.14")},
        FormatCase{"decimal comma kept", 3.14159, Format(fkNumeric, QStringLiteral("%2.2f"), QStringLiteral(",")),
                   QStringLiteral("3,14")},
        FormatCase{"blank thousands", 1234567.0,
                   Format(fkNumeric, QStringLiteral("%n"), QString(), QStringLiteral(" ")),
                   QStringLiteral("1 234 567,00")},
        FormatCase{"integer rounds half to even", 12.5, Format(fkNumeric, QStringLiteral("%d")), QStringLiteral("12")},
        FormatCase{"integer rounds up", 13.5, Format(fkNumeric, QStringLiteral("%d")), QStringLiteral("14")},
        FormatCase{"'d' anywhere makes it integer", 12.5, Format(fkNumeric, QStringLiteral("%.2f dólares")),
                   QStringLiteral("12,5")},
        FormatCase{"not a number", QStringLiteral("abc"), Format(fkNumeric, QStringLiteral("%d")),
                   QStringLiteral("abc")},
        FormatCase{"no format string", 1234.5, Format(fkNumeric, {}), QStringLiteral("1234,5")}));

INSTANTIATE_TEST_SUITE_P(
    DateTime, FormatDataTest,
    testing::Values(
        FormatCase{"receipt date", QDate(2024, 12, 27), Format(fkDateTime, LongDate),
                   QStringLiteral("sexta-feira, 27 de dezembro de 2024")},
        FormatCase{"text that is not a date", QStringLiteral("São Paulo, SP"), Format(fkDateTime, LongDate),
                   QStringLiteral("São Paulo, SP")},
        FormatCase{"date text", QStringLiteral("25/12/2024 10:30"), Format(fkDateTime, QStringLiteral("d mmm yy hh:nn")),
                   QStringLiteral("25 dez 24 10:30")},
        FormatCase{"impossible date text", QStringLiteral("31/02/2024"), Format(fkDateTime, QStringLiteral("dd")),
                   QStringLiteral("31/02/2024")},
        FormatCase{"day count", 45651.5, Format(fkDateTime, QStringLiteral("dd/mm/yyyy hh:nn")),
                   QStringLiteral("25/12/2024 12:00")},
        FormatCase{"no pattern", QDateTime(QDate(2024, 12, 25), QTime(8, 0)), Format(fkDateTime, {}),
                   QStringLiteral("25/12/2024 08:00:00")}));

INSTANTIATE_TEST_SUITE_P(
    Boolean, FormatDataTest,
    testing::Values(FormatCase{"true", true, Format(fkBoolean, QStringLiteral("Sim,Não")), QStringLiteral("Sim")},
                    FormatCase{"false", false, Format(fkBoolean, QStringLiteral("Sim,Não")), QStringLiteral("Não")},
                    FormatCase{"non-zero", 1, Format(fkBoolean, QStringLiteral("Sim,Não")), QStringLiteral("Sim")},
                    FormatCase{"zero", 0, Format(fkBoolean, QStringLiteral("Sim,Não")), QStringLiteral("Não")},
                    FormatCase{"not a boolean", QStringLiteral("talvez"), Format(fkBoolean, QStringLiteral("Sim,Não")),
                               QStringLiteral("talvez")},
                    FormatCase{"no comma", true, Format(fkBoolean, QStringLiteral("Sim")), QStringLiteral("True")}));

}  // namespace
