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
        FormatCase{"null", QVariant(), Format(FormatKind::Numeric, QStringLiteral("0.00")), QString()},
        FormatCase{"text", QStringLiteral("Ação"), Format(FormatKind::Text, {}), QStringLiteral("Ação")},
        FormatCase{"integer", 42, Format(FormatKind::Text, {}), QStringLiteral("42")},
        FormatCase{"float", 1234.5, Format(FormatKind::Text, {}), QStringLiteral("1234,5")},
        FormatCase{"third", 1.0 / 3, Format(FormatKind::Text, {}), QStringLiteral("0,333333333333333")},
        FormatCase{"small float", 0.0001, Format(FormatKind::Text, {}), QStringLiteral("0,0001")},
        FormatCase{"tiny float", 0.00001, Format(FormatKind::Text, {}), QStringLiteral("1E-5")},
        FormatCase{"huge float", 1e20, Format(FormatKind::Text, {}), QStringLiteral("1E20")},
        FormatCase{"boolean", true, Format(FormatKind::Text, {}), QStringLiteral("True")},
        FormatCase{"date", QDate(2024, 12, 25), Format(FormatKind::Text, {}), QStringLiteral("25/12/2024")},
        FormatCase{"time", QTime(10, 30), Format(FormatKind::Text, {}), QStringLiteral("10:30:00")},
        FormatCase{"date and time", QDateTime(QDate(2024, 12, 25), QTime(10, 30)), Format(FormatKind::Text, {}),
                   QStringLiteral("25/12/2024 10:30:00")},
        FormatCase{"midnight", QDateTime(QDate(2024, 12, 25), QTime(0, 0)), Format(FormatKind::Text, {}),
                   QStringLiteral("25/12/2024")}));

INSTANTIATE_TEST_SUITE_P(
    Numeric, FormatDataTest,
    testing::Values(
        FormatCase{"pattern", 1234.5, Format(FormatKind::Numeric, QStringLiteral("#,##0.00")), QStringLiteral("1.234,50")},
        FormatCase{"pattern from zero", 7, Format(FormatKind::Numeric, QStringLiteral("0.0")), QStringLiteral("7,0")},
        FormatCase{"number text", QStringLiteral("1234,5"), Format(FormatKind::Numeric, QStringLiteral("#,##0.00")),
                   QStringLiteral("1.234,50")},
        FormatCase{"both separators swapped", 1234.5,
                   Format(FormatKind::Numeric, QStringLiteral("#,##0.00"), QStringLiteral("."), QStringLiteral(",")),
                   QStringLiteral("1,234.50")},
        FormatCase{"decimal point", 3.14159, Format(FormatKind::Numeric, QStringLiteral("%2.2f"), QStringLiteral(".")),
                   QStringLiteral("3.14")},
        FormatCase{"decimal comma kept", 3.14159, Format(FormatKind::Numeric, QStringLiteral("%2.2f"), QStringLiteral(",")),
                   QStringLiteral("3,14")},
        FormatCase{"blank thousands", 1234567.0,
                   Format(FormatKind::Numeric, QStringLiteral("%n"), QString(), QStringLiteral(" ")),
                   QStringLiteral("1 234 567,00")},
        FormatCase{"integer rounds half to even", 12.5, Format(FormatKind::Numeric, QStringLiteral("%d")), QStringLiteral("12")},
        FormatCase{"integer rounds up", 13.5, Format(FormatKind::Numeric, QStringLiteral("%d")), QStringLiteral("14")},
        FormatCase{"'d' anywhere makes it integer", 12.5, Format(FormatKind::Numeric, QStringLiteral("%.2f dólares")),
                   QStringLiteral("12,5")},
        FormatCase{"not a number", QStringLiteral("abc"), Format(FormatKind::Numeric, QStringLiteral("%d")),
                   QStringLiteral("abc")},
        FormatCase{"no format string", 1234.5, Format(FormatKind::Numeric, {}), QStringLiteral("1234,5")}));

INSTANTIATE_TEST_SUITE_P(
    DateTime, FormatDataTest,
    testing::Values(
        FormatCase{"receipt date", QDate(2024, 12, 27), Format(FormatKind::DateTime, LongDate),
                   QStringLiteral("sexta-feira, 27 de dezembro de 2024")},
        FormatCase{"text that is not a date", QStringLiteral("São Paulo, SP"), Format(FormatKind::DateTime, LongDate),
                   QStringLiteral("São Paulo, SP")},
        FormatCase{"date text", QStringLiteral("25/12/2024 10:30"), Format(FormatKind::DateTime, QStringLiteral("d mmm yy hh:nn")),
                   QStringLiteral("25 dez 24 10:30")},
        FormatCase{"impossible date text", QStringLiteral("31/02/2024"), Format(FormatKind::DateTime, QStringLiteral("dd")),
                   QStringLiteral("31/02/2024")},
        FormatCase{"day count", 45651.5, Format(FormatKind::DateTime, QStringLiteral("dd/mm/yyyy hh:nn")),
                   QStringLiteral("25/12/2024 12:00")},
        FormatCase{"no pattern", QDateTime(QDate(2024, 12, 25), QTime(8, 0)), Format(FormatKind::DateTime, {}),
                   QStringLiteral("25/12/2024 08:00:00")}));

INSTANTIATE_TEST_SUITE_P(
    Boolean, FormatDataTest,
    testing::Values(FormatCase{"true", true, Format(FormatKind::Boolean, QStringLiteral("Sim,Não")), QStringLiteral("Sim")},
                    FormatCase{"false", false, Format(FormatKind::Boolean, QStringLiteral("Sim,Não")), QStringLiteral("Não")},
                    FormatCase{"non-zero", 1, Format(FormatKind::Boolean, QStringLiteral("Sim,Não")), QStringLiteral("Sim")},
                    FormatCase{"zero", 0, Format(FormatKind::Boolean, QStringLiteral("Sim,Não")), QStringLiteral("Não")},
                    FormatCase{"not a boolean", QStringLiteral("talvez"), Format(FormatKind::Boolean, QStringLiteral("Sim,Não")),
                               QStringLiteral("talvez")},
                    FormatCase{"no comma", true, Format(FormatKind::Boolean, QStringLiteral("Sim")), QStringLiteral("True")}));

}  // namespace
