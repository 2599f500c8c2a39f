#include "ExpressionTestPrinting.h"

#include "report/expressions/ExpressionExpander.h"
#include "report/expressions/ExpressionValue.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

struct SplitCase {
  const char16_t* BracketText;
  const char16_t* Expression;
  std::optional<quitanza::report::Format> Format;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << QString::fromUtf16(c.BracketText).toStdString(); }

Format Format(FormatKind kind, const QString& formatStr, const QString& decimal = {}) {
  return {decimal, {}, formatStr, kind};
}

class FormatSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(FormatSplitTest, SeparatesExpressionAndFormat) {
  const auto split = ExpressionWithFormat::Split(QString::fromUtf16(GetParam().BracketText));
  EXPECT_EQ(split.Expression, QString::fromUtf16(GetParam().Expression));
  EXPECT_EQ(split.Format, GetParam().Format);
}

INSTANTIATE_TEST_SUITE_P(
    Specifications, FormatSplitTest,
    testing::Values(
        SplitCase{u"Total #n%2,2f", u"Total", Format(FormatKind::Numeric, QStringLiteral("%2.2f"), QStringLiteral(","))},
        SplitCase{u"Total #N#.##0,00", u"Total", Format(FormatKind::Numeric, QStringLiteral("#.##0.00"), QStringLiteral(","))},
        SplitCase{u"Total #n%-8.2f", u"Total", Format(FormatKind::Numeric, QStringLiteral("%.8.2f"), QStringLiteral("."))},
        SplitCase{u"Dia #ddd/mm/yyyy", u"Dia", Format(FormatKind::DateTime, QStringLiteral("dd/mm/yyyy"))},
        SplitCase{u"Hora #Thh:nn", u"Hora", Format(FormatKind::DateTime, QStringLiteral("hh:nn"))},
        SplitCase{u"Pago #bSim,Não", u"Pago", Format(FormatKind::Boolean, QStringLiteral("Sim,Não"))},
        SplitCase{u"Nome #x", u"Nome", Format(FormatKind::Text, {})}, SplitCase{u"Nome #", u"Nome", Format(FormatKind::Text, {})},
        SplitCase{u"Nome#n", u"Nome#n", std::nullopt},
        SplitCase{u"IIF(A, 'x #1', 'y')", u"IIF(A, 'x #1', 'y')", std::nullopt}));

// Calc stand-in that answers from a fixed value and records what it was asked.
class ExpressionValueTest : public testing::Test {
protected:
  QVariant Result;
  QStringList Asked;
  MemoExpressionSettings Settings;

  ExpressionText Evaluate(const QString& bracketText) {
    return ExpressionValueText(bracketText, Settings, [this](const QString& expression) {
      Asked.append(expression);
      return Result;
    });
  }
};

TEST_F(ExpressionValueTest, LeavesPagePlaceholdersForDrawingTime) {
  EXPECT_EQ(Evaluate(QStringLiteral("TOTALPAGES#")).Text, QStringLiteral("[TotalPages#]"));
  EXPECT_EQ(Evaluate(QStringLiteral("totalpages#")).Text, QStringLiteral("[TotalPages#]"));
  EXPECT_EQ(Evaluate(QStringLiteral("CopyName#")).Text, QStringLiteral("[CopyName#]"));
  EXPECT_FALSE(Evaluate(QStringLiteral("COPYNAME#")).Value.has_value());
  EXPECT_TRUE(Asked.isEmpty());
}

TEST_F(ExpressionValueTest, FormatsWithTheBracketFormatBeforeTheMemoFormat) {
  Result = 3.14159;
  Settings.DisplayFormat = Format(FormatKind::Numeric, QStringLiteral("#,##0.0000"));
  EXPECT_EQ(Evaluate(QStringLiteral("Total #n%2,2f")).Text, QStringLiteral("3,14"));
  EXPECT_EQ(Evaluate(QStringLiteral("Total #n%2.2f")).Text, QStringLiteral("3.14"));
  EXPECT_EQ(Evaluate(QStringLiteral("Total")).Text, QStringLiteral("3,1416"));
  EXPECT_EQ(Asked, QStringList(3, QStringLiteral("Total")));
}

TEST_F(ExpressionValueTest, HidesNumericZerosOnly) {
  Settings.HideZeros = true;
  for (const QVariant& zero : {QVariant(0), QVariant(0.0)}) {
    Result = zero;
    const ExpressionText text = Evaluate(QStringLiteral("X"));
    EXPECT_EQ(text.Text, QString());
    EXPECT_EQ(text.Value, zero);
  }
  Result = QStringLiteral("0");
  EXPECT_EQ(Evaluate(QStringLiteral("X")).Text, QStringLiteral("0"));
  Result = 5;
  EXPECT_EQ(Evaluate(QStringLiteral("X")).Text, QStringLiteral("5"));
}

TEST_F(ExpressionValueTest, PassesTheExpressionThroughTheFontCodePage) {
  Result = QString();
  Settings.FontCharset = 204;  // Cyrillic: no Portuguese accents
  Evaluate(QStringLiteral("'Ação'"));
  Settings.UseDefaultCharset = true;
  Evaluate(QStringLiteral("'Ação'"));
  Settings = {};
  Settings.FontCharset = 0;  // Western: keeps them
  Evaluate(QStringLiteral("'Ação'"));
  EXPECT_EQ(Asked, QStringList({QStringLiteral("'A??o'"), QStringLiteral("'Ação'"), QStringLiteral("'Ação'")}));
}

TEST(ExtractMacros, FillsInPageCountAndCopyName) {
  EXPECT_EQ(ExtractMacros(QStringLiteral("Página 1 de [TotalPages#] ([COPYNAME#])"), 3, QStringLiteral("Via do cliente")),
            QStringLiteral("Página 1 de 3 (Via do cliente)"));
  EXPECT_EQ(ExtractMacros(QStringLiteral("[totalpages#]/[CopyName#]"), 12, QString()), QStringLiteral("12/"));
}

}  // namespace
