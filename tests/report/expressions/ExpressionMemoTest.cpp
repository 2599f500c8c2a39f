// The pieces together, as a memo's GetData will use them on the receipt templates.
#include "ExpressionTestHost.h"
#include "ExpressionTestPrinting.h"

#include "report/expressions/ExpressionError.h"
#include "report/expressions/ExpressionEvaluator.h"
#include "report/expressions/ExpressionExpander.h"
#include "report/expressions/ExpressionLiteralCompiler.h"
#include "report/expressions/ExpressionSystemVariables.h"
#include "report/expressions/ExpressionValue.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

class MemoExpansionTest : public testing::Test {
protected:
  ExpressionTestHost Host;
  ExpressionEvaluator Evaluator{Host, std::make_unique<LiteralCompiler>()};
  MemoExpressionSettings Memo;
  QVariant LastValue;

  void SetUp() override {
    Host.CurrentObject = QStringLiteral("Memo1");
    SystemVariableValues system;
    system.PreparationStart = QDateTime(QDate(2024, 12, 27), QTime(9, 15));
    for (const QString& name : SystemVariableNames()) {
      Host.SystemVariables.append({name, *SystemVariableValue(name, system)});
    }
  }

  void SetVariable(const QString& name, const QString& expression) { Evaluator.Set(name, expression); }

  QString Expand(const QString& text) {
    return ExpandExpressions(text, quitanza::report::ExpressionDelimiters::Parse(QStringLiteral("[,]")), [this](const QString& e) {
      const ExpressionText value = ExpressionValueText(e, Memo, [this](const QString& x) { return Evaluator.Calc(x); });
      if (value.Value) LastValue = *value.Value;
      return value.Text;
    });
  }
};

TEST_F(MemoExpansionTest, JoinsTwoQuotedVariables) {
  SetVariable(QStringLiteral("CPF_CNPJ"), QStringLiteral("'123.456.789-09'"));
  SetVariable(QStringLiteral("Cliente"), QStringLiteral("'JOÃO D''ÁVILA'"));
  EXPECT_EQ(Expand(QStringLiteral("[CPF_CNPJ] - [Cliente]\r\n")), QStringLiteral("123.456.789-09 - JOÃO D'ÁVILA\r\n"));
  EXPECT_EQ(LastValue, QVariant(QStringLiteral("JOÃO D'ÁVILA")));
}

TEST_F(MemoExpansionTest, AnUnquotedVariableFailsAsAnUndeclaredIdentifier) {
  SetVariable(QStringLiteral("Cliente"), QStringLiteral("'ANA'"));
  EXPECT_EQ(Expand(QStringLiteral("[Cliente]")), QStringLiteral("ANA"));
  SetVariable(QStringLiteral("Cliente"), QStringLiteral("ANA"));
  try {
    Expand(QStringLiteral("[Cliente]"));
    FAIL() << "an unquoted name must not evaluate";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Memo1: Error in expression 'ANA': Undeclared identifier: 'ANA'"));
  }
}

TEST_F(MemoExpansionTest, DateFormatLeavesTextThatIsNotADate) {
  SetVariable(QStringLiteral("CidadeData"), QStringLiteral("'São Paulo - SP'"));
  Memo.DisplayFormat = {{}, {}, QStringLiteral("dddd, dd \"de\" mmmm \"de\" yyyy"), FormatKind::DateTime};
  EXPECT_EQ(Expand(QStringLiteral("[CidadeData] , [Date]")),
            QStringLiteral("São Paulo - SP , sexta-feira, 27 de dezembro de 2024"));
}

TEST_F(MemoExpansionTest, AQuotedClosingBracketStaysInsideTheExpression) {
  EXPECT_EQ(Expand(QStringLiteral("['a]b']")), QStringLiteral("a]b"));
}

TEST_F(MemoExpansionTest, BracketsInsideAValueAreNotEvaluated) {
  SetVariable(QStringLiteral("Referente"), QStringLiteral("'conserto [X]'"));
  EXPECT_EQ(Expand(QStringLiteral("Referente a [Referente]")), QStringLiteral("Referente a conserto [X]"));
  EXPECT_TRUE(Host.Errors.isEmpty());
}

TEST_F(MemoExpansionTest, TotalPagesIsFilledInWhenDrawn) {
  const QString prepared = Expand(QStringLiteral("Página [Page#] de [TOTALPAGES#]"));
  EXPECT_EQ(prepared, QStringLiteral("Página 0 de [TotalPages#]"));
  EXPECT_EQ(ExtractMacros(prepared, 2, QString()), QStringLiteral("Página 0 de 2"));
}

TEST_F(MemoExpansionTest, FormatsANumberWithTheBracketFormat) {
  Host.GlobalVariables = {{QStringLiteral("Total"), 1234.5678}};
  EXPECT_EQ(Expand(QStringLiteral("[Total #n%2,2f]")), QStringLiteral("1234,57"));
  EXPECT_EQ(LastValue, QVariant(1234.5678));
}

TEST(SystemVariables, ShowThePreparationState) {
  SystemVariableValues values;
  values.PreparationStart = QDateTime(QDate(2024, 12, 27), QTime(9, 15));
  values.PhysicalPage = 2;
  values.CopyName0 = QStringLiteral("Via 1");
  EXPECT_EQ(SystemVariableValue(QStringLiteral("date"), values), QVariant(QDate(2024, 12, 27)));
  EXPECT_EQ(SystemVariableValue(QStringLiteral("Time"), values), QVariant(QTime(9, 15)));
  EXPECT_EQ(SystemVariableValue(QStringLiteral("PAGE#"), values), QVariant(2));
  EXPECT_EQ(SystemVariableValue(QStringLiteral("CopyName#"), values), QVariant(QStringLiteral("Via 1")));
  EXPECT_FALSE(SystemVariableValue(QStringLiteral("Cliente"), values).has_value());
}

}  // namespace
