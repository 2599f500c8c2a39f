#include "ExpressionTestPrinting.h"

#include "report/expressions/ExpressionExpander.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

// Expands with "<expression>" in upper case as each value, recording the expressions seen.
class ExpanderTest : public testing::Test {
protected:
  QStringList Seen;

  QString Expand(const QString& text, const QString& delimiters = QStringLiteral("[,]")) {
    return ExpandExpressions(text, quitanza::report::ExpressionDelimiters::Parse(delimiters), [this](const QString& expression) {
      Seen.append(expression);
      return expression.toUpper();
    });
  }
};

TEST_F(ExpanderTest, ReplacesEachExpressionLeftToRight) {
  EXPECT_EQ(Expand(QStringLiteral("[a] - [b]\r\n")), QStringLiteral("A - B\r\n"));
  EXPECT_EQ(Seen, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(ExpanderTest, LeavesTextWithoutDelimitersAlone) {
  EXPECT_EQ(Expand(QStringLiteral("Recibo nº 12\r\n")), QStringLiteral("Recibo nº 12\r\n"));
  EXPECT_TRUE(Seen.isEmpty());
}

TEST_F(ExpanderTest, CountsNestedDelimiters) {
  EXPECT_EQ(Expand(QStringLiteral("x[a[b]c]y")), QStringLiteral("xA[B]Cy"));
  EXPECT_EQ(Seen, QStringList({QStringLiteral("a[b]c")}));
}

TEST_F(ExpanderTest, IgnoresDelimitersInsideQuotes) {
  EXPECT_EQ(Expand(QStringLiteral("['a]b']")), QStringLiteral("'A]B'"));
  EXPECT_EQ(Expand(QStringLiteral("[\"a]'b\"]")), QStringLiteral("\"A]'B\""));
  EXPECT_EQ(Seen, QStringList({QStringLiteral("'a]b'"), QStringLiteral("\"a]'b\"")}));
}

TEST_F(ExpanderTest, QuotesBeforeTheOpeningDelimiterDoNotCount) {
  EXPECT_EQ(Expand(QStringLiteral("D'ÁVILA [a] 'x")), QStringLiteral("D'ÁVILA A 'x"));
}

TEST_F(ExpanderTest, NeverScansAnInsertedValueAgain) {
  const QString expanded = ExpandExpressions(QStringLiteral("[a][b]"), ExpressionDelimiters::Parse(QStringLiteral("[,]")),
                                             [this](const QString& expression) {
                                               Seen.append(expression);
                                               return QStringLiteral("[X]");
                                             });
  EXPECT_EQ(expanded, QStringLiteral("[X][X]"));
  EXPECT_EQ(Seen, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(ExpanderTest, KeepsAnUnmatchedOpeningDelimiterAndWhatFollows) {
  EXPECT_EQ(Expand(QStringLiteral("[a] custa [R$ 10\r\n")), QStringLiteral("A custa [R$ 10\r\n"));
  EXPECT_EQ(Expand(QStringLiteral("[it's] [b]")), QStringLiteral("[it's] [b]"));
  EXPECT_EQ(Seen, QStringList({QStringLiteral("a")}));
}

TEST_F(ExpanderTest, UsesTheMemoDelimiters) {
  EXPECT_EQ(Expand(QStringLiteral("<%a%> [b]"), QStringLiteral("<%,%>")), QStringLiteral("A [b]"));
  EXPECT_EQ(Expand(QStringLiteral("|a| and |b|"), QStringLiteral("|,|")), QStringLiteral("A and B"));
  EXPECT_EQ(Expand(QStringLiteral("[a]"), QStringLiteral("[,")), QStringLiteral("[a]"));
  EXPECT_EQ(Expand(QStringLiteral("[a]"), QStringLiteral("[]")), QStringLiteral("[a]"));
}

TEST(ExpressionDelimiters, SplitAtTheFirstComma) {
  const auto delimiters = ExpressionDelimiters::Parse(QStringLiteral("<,>,>"));
  EXPECT_EQ(delimiters.Open, QStringLiteral("<"));
  EXPECT_EQ(delimiters.Close, QStringLiteral(">,>"));
  EXPECT_EQ(ExpressionDelimiters::Parse(QStringLiteral("[,") + QString(300, u']')).Close.size(), 255);
  EXPECT_FALSE(ExpressionDelimiters::Parse(QStringLiteral(",]")).IsUsable());
}

}  // namespace
