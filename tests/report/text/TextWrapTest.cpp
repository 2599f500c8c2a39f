#include "TextEngineFixture.h"

#include <numeric>

using namespace quitanza::platform;
using namespace quitanza::report;

using Lines = std::vector<QString>;

TEST_F(TextEngineTest, EmptyLineIsOneSpaceLineAndNoLinesAreNothing)
{
  setUp(100);
  EXPECT_EQ(wrap({QString()}), Lines{QStringLiteral(" ")});
  EXPECT_EQ(engine.Lines()[0].Flags, 3);
  EXPECT_TRUE(wrap({}).empty());
  EXPECT_EQ(engine.CalcHeight(), 0);
}

TEST_F(TextEngineTest, TwoOneLetterWordsInABoxTooNarrowForBoth)
{
  setUp(boxFor(QStringLiteral("W")));
  ASSERT_LT(std::nearbyint(6.25 * boxFor(QStringLiteral("W"))), designWidth(QStringLiteral("W ")));
  EXPECT_EQ(wrap({QStringLiteral("W i")}), (Lines{QStringLiteral("W"), QStringLiteral("i")}));
  EXPECT_EQ(wrap({QStringLiteral("W  i")}), (Lines{QStringLiteral("W"), QStringLiteral(" i")}));
}

TEST_F(TextEngineTest, LineBreaksAfterTheLastSpaceThatFitsAndDropsIt)
{
  setUp(boxFor(QStringLiteral("aaa bbb c")) - 1);
  EXPECT_EQ(wrap({QStringLiteral("aaa bbb ccc ddd")}), (Lines{QStringLiteral("aaa bbb"), QStringLiteral("ccc ddd")}));
  EXPECT_EQ(engine.Lines()[0].Flags, 1);
  EXPECT_EQ(engine.Lines()[1].Flags, 2);
}

TEST_F(TextEngineTest, OverlongWordIsCutAfterTheLastCharacterThatFits)
{
  setUp(boxFor(QStringLiteral("abcd")));
  const Lines lines = wrap({QStringLiteral("abcdefghij")});
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], QStringLiteral("abcd"));
  EXPECT_EQ(std::accumulate(lines.begin(), lines.end(), QString()), QStringLiteral("abcdefghij"));
}

TEST_F(TextEngineTest, CharacterWiderThanTheBoxGetsALineOfItsOwn)
{
  setUp(1);
  EXPECT_EQ(wrap({QStringLiteral("WW")}), (Lines{QStringLiteral("W"), QStringLiteral("W")}));
}

TEST_F(TextEngineTest, ParagraphsAreWrappedSeparatelyAndFlagged)
{
  setUp(boxFor(QStringLiteral("aaa bbb")));
  EXPECT_EQ(wrap({QStringLiteral("aaa bbb ccc"), QStringLiteral("x"), QString()}),
            (Lines{QStringLiteral("aaa bbb"), QStringLiteral("ccc"), QStringLiteral("x"), QStringLiteral(" ")}));
  std::vector<int> flags;
  for (const auto& line : engine.Lines())
    flags.push_back(line.Flags);
  EXPECT_EQ(flags, (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(engine.WrappedText(), QStringLiteral("aaa bbb\r\nccc\r\nx\r\n "));
  EXPECT_EQ(engine.GetInBoundsText(), QStringLiteral("aaa bbb ccc\r\nx\r\n \r\n"));

  engine.SetParaBreaks(true, true);
  EXPECT_EQ(engine.Lines().front().Flags, 0);
  EXPECT_EQ(engine.Lines().back().Flags, 1);
}

TEST_F(TextEngineTest, WithoutWordWrapAParagraphIsOneLine)
{
  setUp(10);
  engine.SetOptions(false, false, false, false, true, true, 0);
  EXPECT_EQ(wrap({QStringLiteral("aaa bbb ccc")}), Lines{QStringLiteral("aaa bbb ccc")});
}

TEST_F(TextEngineTest, ParagraphGapNarrowsOnlyTheFirstLine)
{
  const int box = boxFor(QStringLiteral("aaa bbb"));
  setUp(box);
  engine.SetGaps(box - boxFor(QStringLiteral("aaa")), 0, 2);
  EXPECT_EQ(wrap({QStringLiteral("aaa bbb ccc ddd")}),
            (Lines{QStringLiteral("aaa"), QStringLiteral("bbb ccc"), QStringLiteral("ddd")}));
}

TEST_F(TextEngineTest, RotatedSidewaysWrapsAtTheBoxHeight)
{
  setUp(1000, boxFor(QStringLiteral("aaa")));
  engine.SetOptions(true, false, false, false, true, true, 90);
  EXPECT_EQ(wrap({QStringLiteral("aaa bbb")}), (Lines{QStringLiteral("aaa"), QStringLiteral("bbb")}));
}

TEST_F(TextEngineTest, NoWrapSpanKeepsItsSpaces)
{
  setUp(boxFor(QStringLiteral("aaa bbb")), 1000, true);
  EXPECT_EQ(wrap({QStringLiteral("aaa <nowrap>bbb ccc</nowrap>")}),
            (Lines{QStringLiteral("aaa"), QStringLiteral("bbb ccc")}));
}

TEST_F(TextEngineTest, CyrillicWordIsHyphenatedOnlyWithWordBreak)
{
  const QString word = QStringLiteral(u"молоко");
  setUp(boxFor(QStringLiteral(u"моло")), 1000, false, true);
  // "моло" fits, but a syllable prefix must be shorter than the part that fits.
  EXPECT_EQ(wrap({word}), (Lines{QStringLiteral(u"мо-"), QStringLiteral(u"локо")}));
  setUp(boxFor(QStringLiteral(u"моло")), 1000, false, false);
  EXPECT_EQ(wrap({word}), (Lines{QStringLiteral(u"моло"), QStringLiteral(u"ко")}));
  setUp(boxFor(QStringLiteral("abcd")), 1000, false, true);
  EXPECT_EQ(wrap({QStringLiteral("abcdef")}), (Lines{QStringLiteral("abcd"), QStringLiteral("ef")}));
}

TEST_F(TextEngineTest, HeightsInReportPixels)
{
  setUp(boxFor(QStringLiteral("aaa")), 40);
  wrap({QStringLiteral("aaa bbb ccc")});
  EXPECT_DOUBLE_EQ(engine.TextHeight(), 83 / 6.25);
  EXPECT_DOUBLE_EQ(engine.LineHeight(), 83 / 6.25 + 2);
  EXPECT_DOUBLE_EQ(engine.CalcHeight(), 3 * (83 / 6.25 + 2));
  EXPECT_NEAR(engine.UnusedSpace(), 41 - 2 * (83 / 6.25 + 2), 1e-9);

  engine.SetGaps(0, 0, -3);
  EXPECT_DOUBLE_EQ(engine.CalcHeight(), 3 * (83 / 6.25 - 3) + 3);
}

TEST_F(TextEngineTest, CalcWidthIsTheWidestLine)
{
  setUp(10000);
  wrap({QStringLiteral("aaa"), QStringLiteral("aaa bbb")});
  EXPECT_DOUBLE_EQ(engine.CalcWidth(), designWidth(QStringLiteral("aaa bbb")) / 6.25);
  engine.SetGaps(4, 1, 2);
  wrap({QStringLiteral("aaa")});
  EXPECT_DOUBLE_EQ(engine.CalcWidth(), (designWidth(QStringLiteral("aaa")) + 19 + 25) / 6.25);
}

TEST_F(TextEngineTest, OutOfBoundsTextContinuesWhereTheBoxEnds)
{
  setUp(boxFor(QStringLiteral("aaa")), 31);  // two lines of 15.28 fit in 32
  wrap({QStringLiteral("aaa bbb ccc ddd"), QStringLiteral("eee")});
  bool paraBreak = false;
  EXPECT_EQ(engine.GetOutBoundsText(paraBreak), QStringLiteral("ccc ddd\r\neee\r\n"));
  EXPECT_TRUE(paraBreak);
  EXPECT_EQ(engine.GetInBoundsText(), QStringLiteral("aaa bbb "));
  EXPECT_EQ(engine.Lines().size(), 2u);
}

TEST_F(TextEngineTest, OutOfBoundsTextKeepsTheFormattingOfItsFirstCharacter)
{
  setUp(boxFor(QStringLiteral("aaa")), 15, true);
  wrap({QStringLiteral("aaa <font color=Red><b><i>bbb</i></b>")});
  bool paraBreak = false;
  EXPECT_EQ(engine.GetOutBoundsText(paraBreak), QStringLiteral("<font color=\"#FF0000\"><i><b>bbb</i></b>\r\n"));
}

TEST_F(TextEngineTest, ParagraphsLongerThanTheClassicBuffersWrapCompletely)
{
  // 60,000 characters in one paragraph, and a 40,000-character word.
  QString paragraph;
  while (paragraph.size() < 60000)
    paragraph += QStringLiteral("palavra comprida ");
  paragraph.chop(1);
  const QString word(40000, QLatin1Char('x'));
  setUp(boxFor(QStringLiteral("palavra comprida palavra")));
  const Lines lines = wrap({paragraph, word});

  QString joined, words;
  std::size_t k = 0;
  for (; k < lines.size() && engine.Lines()[k].Flags != 2; ++k)
    joined += lines[k] + QLatin1Char(' ');
  joined += lines[k++];
  EXPECT_TRUE(joined == paragraph);
  for (; k < lines.size(); ++k) {
    EXPECT_LE(designWidth(lines[k]), std::nearbyint(6.25 * boxFor(QStringLiteral("palavra comprida palavra"))));
    words += lines[k];
  }
  EXPECT_EQ(words, word);
  EXPECT_GT(lines.size(), 3000u);
}
