#include "report/output/ParsePageNumbers.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quitanza::report;

namespace {

struct Selection {
  const char* text;
  int total;
  QList<int> pages;
};

class ParsePageNumbersCase : public testing::TestWithParam<Selection> {};

TEST_P(ParsePageNumbersCase, GivesThePagesInTheOrderWritten) {
  const Selection& selection = GetParam();
  EXPECT_EQ(ParsePageNumbers(QString::fromLatin1(selection.text), selection.total), selection.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ParsePageNumbersCase,
    testing::Values(Selection{"", 8, {}},
                    Selection{"   ", 8, {}},
                    Selection{"1,3,5-12", 12, {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}},
                    Selection{"5-", 8, {5, 6, 7, 8}},
                    Selection{"2,5-3", 8, {2}},
                    Selection{"9", 8, {9}},
                    Selection{"3,1", 8, {3, 1}},
                    Selection{"1,1", 8, {1, 1}},
                    Selection{" 1 , 2 - 4 ", 8, {1, 2, 3, 4}},
                    Selection{"2-3", 2, {2}},
                    Selection{"0,0-2", 8, {0, 1, 2}},
                    Selection{"1-999999999", 3, {1, 2, 3}},
                    Selection{"4-", 3, {}},
                    Selection{"007", 8, {7}}),
    [](const testing::TestParamInfo<Selection>& info) { return "Case" + std::to_string(info.index); });

TEST(ParsePageNumbers, RefusesMalformedSelections) {
  for (const char* text : {"a", "1,,2", ",1", "1,", "-3", "-", "1-2-3", "1.5", "+2", "1;2", "99999999999", "²"})
    EXPECT_THROW(ParsePageNumbers(QString::fromUtf8(text), 8), std::invalid_argument) << text;
}

TEST(ParsePageNumbers, NamesTheBadPartInItsMessage) {
  try {
    ParsePageNumbers(QStringLiteral("1,x3"), 8);
    FAIL() << "no error";
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "'x3' is not a valid page number in the page selection \"1,x3\"");
  }
}

}  // namespace
