#include "ExpressionTestPrinting.h"

#include "report/expressions/FormatDataDateTime.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

struct DateTimeCase {
  const char16_t* Pattern;
  const char16_t* Expected;
};

void PrintTo(const DateTimeCase& c, std::ostream* os) { *os << QString::fromUtf16(c.Pattern).toStdString(); }

// Tuesday, 5 March 2024, 14:07:09.045
const DateTimeValue Afternoon{QDate(2024, 3, 5), QTime(14, 7, 9, 45)};

class DateTimePatternTest : public testing::TestWithParam<DateTimeCase> {};

TEST_P(DateTimePatternTest, FormatsWithBrazilianNames) {
  EXPECT_EQ(FormatDateTimePattern(QString::fromUtf16(GetParam().Pattern), Afternoon),
            QString::fromUtf16(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, DateTimePatternTest,
    testing::Values(
        DateTimeCase{u"dd/mm/yyyy", u"05/03/2024"}, DateTimeCase{u"d/m/yy", u"5/3/24"},
        DateTimeCase{u"DD/MM/YYYY", u"05/03/2024"}, DateTimeCase{u"yyyy-mm-dd", u"2024-03-05"},
        DateTimeCase{u"ddd dddd", u"ter terça-feira"}, DateTimeCase{u"mmm mmmm", u"mar março"},
        DateTimeCase{u"ddddd", u"05/03/2024"}, DateTimeCase{u"dddddd", u"terça-feira, 5 de março de 2024"},
        DateTimeCase{u"c", u"05/03/2024 14:07:09"}, DateTimeCase{u"t", u"14:07"}, DateTimeCase{u"tt", u"14:07:09"},
        // m right after h means minutes, even across separators and quoted text
        DateTimeCase{u"hh:mm:ss", u"14:07:09"}, DateTimeCase{u"hh'h'mm", u"14h07"},
        DateTimeCase{u"mm/dd hh:nn", u"03/05 14:07"}, DateTimeCase{u"h:n:s", u"14:7:9"},
        DateTimeCase{u"hh:nn:ss.zzz", u"14:07:09.045"}, DateTimeCase{u"z", u"45"},
        // twelve-hour clock; am/pm markers keep their written case
        DateTimeCase{u"hh:nn am/pm", u"02:07 pm"}, DateTimeCase{u"h AM/PM", u"2 PM"}, DateTimeCase{u"h a/p", u"2 p"},
        DateTimeCase{u"hh ampm", u"02 PM"},
        // quoted text is copied, in either quote
        DateTimeCase{u"'dd' \"mm\" yyyy", u"dd mm 2024"},
        DateTimeCase{u"dddd, dd \"de\" mmmm \"de\" yyyy", u"terça-feira, 05 de março de 2024"}));

TEST(DateTimePattern, MidnightOnTheTwelveHourClockIsTwelveAm) {
  EXPECT_EQ(FormatDateTimePattern(QStringLiteral("h:nn am/pm"), {QDate(2024, 3, 5), QTime(0, 30)}),
            QStringLiteral("12:30 am"));
}

TEST(DateTimePattern, DateAndTimeOmitsTheTimeAtMidnight) {
  EXPECT_EQ(FormatDateTimePattern(QStringLiteral("c"), {QDate(2024, 12, 25), QTime(0, 0)}),
            QStringLiteral("25/12/2024"));
}

TEST(DateTimePattern, NamesEveryWeekdayAndMonthInPortuguese) {
  QStringList days, months;
  for (int day = 1; day <= 7; ++day) days << FormatDateTimePattern(QStringLiteral("dddd"), {QDate(2024, 1, day), {}});
  for (int month = 1; month <= 12; ++month) {
    months << FormatDateTimePattern(QStringLiteral("mmmm"), {QDate(2024, month, 1), {}});
  }
  EXPECT_EQ(days.join(u','), QStringLiteral("segunda-feira,terça-feira,quarta-feira,quinta-feira,sexta-feira,"
                                            "sábado,domingo"));
  EXPECT_EQ(months.join(u','), QStringLiteral("janeiro,fevereiro,março,abril,maio,junho,julho,agosto,setembro,"
                                              "outubro,novembro,dezembro"));
}

}  // namespace
