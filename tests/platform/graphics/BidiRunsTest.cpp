#include "platform/graphics/BidiRuns.h"

#include <QString>

#include <gtest/gtest.h>

using namespace quitanza::platform;

namespace {

std::vector<std::tuple<int, int, bool>> flatten(const std::vector<BidiRun>& runs)
{
  std::vector<std::tuple<int, int, bool>> result;
  for (const BidiRun& r : runs)
    result.emplace_back(r.Start, r.Length, r.RightToLeft);
  return result;
}

}  // namespace

TEST(BidiRuns, DisplayOrderOfMixedLines)
{
  using Runs = std::vector<std::tuple<int, int, bool>>;
  const QString hebrewInLatin = QStringLiteral(u"abc \u05D0\u05D1\u05D2 def");
  EXPECT_EQ(flatten(VisualRuns(hebrewInLatin, false)), (Runs{{0, 4, false}, {4, 3, true}, {7, 4, false}}));
  EXPECT_EQ(flatten(VisualRuns(hebrewInLatin, true)), (Runs{{8, 3, false}, {3, 5, true}, {0, 3, false}}));
  EXPECT_EQ(flatten(VisualRuns(u"plain", false)), (Runs{{0, 5, false}}));
  EXPECT_TRUE(VisualRuns(u"", true).empty());
}

TEST(BidiRuns, SurrogatePairsStayWhole)
{
  const QString text = QStringLiteral(u"\U0001D400x\u05D0");
  const std::vector<BidiRun> runs = VisualRuns(text, false);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].Start, 0);
  EXPECT_EQ(runs[0].Length, 3);
  EXPECT_EQ(runs[1].Start, 3);
  EXPECT_TRUE(runs[1].RightToLeft);
}
