#include "report/preview/PageList.h"

#include <gtest/gtest.h>

#include <vector>

using quitanza::report::PageList;

namespace {

struct LayoutCase {
  const char* name;
  std::vector<QSize> pages;
  int clientWidth;
  std::vector<QRect> expected;
  int maxWidth;
};

class PageListLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(PageListLayout, PlacesPagesInCentredRows)
{
  const LayoutCase& c = GetParam();
  PageList list;
  for (QSize size : c.pages)
    list.AddPage(size);
  list.CalcBounds(c.clientWidth);
  for (std::size_t i = 0; i < c.expected.size(); ++i)
    EXPECT_EQ(list.Bounds(static_cast<int>(i), 1, c.clientWidth), c.expected[i]) << "page " << i;
  EXPECT_EQ(list.MaxWidth(), c.maxWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageListLayout,
    testing::Values(
        // c = (1000 - 804 + 10) div 2 = 103, moved by c + 10.
        LayoutCase{"OneA4", {{794, 1123}}, 1000, {{113, 10, 794, 1123}}, 804},
        // Two pages fit one row: c = (500 - 420 + 10) div 2 = 45.
        LayoutCase{"TwoInARow", {{200, 300}, {200, 250}}, 500, {{55, 10, 200, 300}, {265, 10, 200, 250}}, 420},
        // The second page does not fit: a new row 10 below the tallest.
        LayoutCase{"Wraps", {{300, 300}, {300, 100}}, 500, {{110, 10, 300, 300}, {110, 320, 300, 100}}, 310},
        // Wider than the client: moved right by 10 only.
        LayoutCase{"TooWide", {{900, 100}}, 500, {{10, 10, 900, 100}}, 910}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(PageList, OutsideTheListIsACentredA4AtTheZoom)
{
  PageList list;
  EXPECT_EQ(list.Bounds(3, 0.5, 1000), QRect(301, 5, 397, 562));
}

TEST(PageList, FindsThePageAtTheTopOfTheView)
{
  PageList list;
  for (int i = 0; i < 3; ++i)
    list.AddPage({100, 100});
  list.CalcBounds(150);  // one page a row: tops at 10, 120, 230
  EXPECT_EQ(list.FindPage(0), 0);
  EXPECT_EQ(list.FindPage(119), 0);
  EXPECT_EQ(list.FindPage(120), 1);
  EXPECT_EQ(list.FindPage(5000), 2);
  EXPECT_EQ(list.Bottom(), 330);
}

}  // namespace
