#include "ExpressionTestHost.h"
#include "ExpressionTestPrinting.h"

#include "report/expressions/ExpressionError.h"
#include "report/expressions/ExpressionEvaluator.h"
#include "report/expressions/ExpressionFunctionText.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

// A stand-in script engine: every expression compiles, except "bad"; running gives
// the compiled function's name, or fails for "1/0" and "boom".
class StandInEngine : public ExpressionCompiler {
public:
  QStringList& Compiled;
  int& Clears;

  StandInEngine(QStringList& compiled, int& clears) : Compiled(compiled), Clears(clears) {}

  std::unique_ptr<CompiledExpression> Compile(const quitanza::report::ExpressionFunction& function) override {
    if (function.Expression == u"bad") throw ExpressionCompileError(QStringLiteral("Syntax error"));
    Compiled.append(function.Text);
    return std::make_unique<Function>(function);
  }
  void Clear() override { ++Clears; }

private:
  class Function : public CompiledExpression {
  public:
    explicit Function(quitanza::report::ExpressionFunction function) : m_function(std::move(function)) {}
    QVariant Run() override {
      if (m_function.Expression == u"1/0") throw ExpressionRuntimeError(DivisionByZeroMessage());
      if (m_function.Expression == u"boom") throw ExpressionRuntimeError(QStringLiteral("Boom"));
      return m_function.Name;
    }

  private:
    quitanza::report::ExpressionFunction m_function;
  };
};

class ExpressionCacheTest : public testing::Test {
protected:
  ExpressionTestHost Host;
  QStringList Compiled;
  int Clears = 0;
  ExpressionEvaluator Evaluator{Host, std::make_unique<StandInEngine>(Compiled, Clears)};

  QString Calc(const QString& expression) { return Evaluator.Calc(expression).toString(); }
};

TEST_F(ExpressionCacheTest, CompilesEachExpressionOnce) {
  EXPECT_EQ(Calc(QStringLiteral("Total")), QStringLiteral("fr3f0"));
  EXPECT_EQ(Calc(QStringLiteral("Preco * 2")), QStringLiteral("fr3f1"));
  EXPECT_EQ(Calc(QStringLiteral("TOTAL")), QStringLiteral("fr3f0"));
  EXPECT_EQ(Compiled, QStringList({QStringLiteral("function fr3f0: Variant; begin Result := Total end; begin end."),
                                   QStringLiteral("function fr3f1: Variant; begin Result := Preco * 2 end; begin end.")}));
}

TEST_F(ExpressionCacheTest, NeverSharesFunctionsBetweenDifferentQuotedTexts) {
  EXPECT_EQ(Calc(QStringLiteral("'ana' + X")), QStringLiteral("fr3f0"));
  EXPECT_EQ(Calc(QStringLiteral("'ANA' + X")), QStringLiteral("fr3f1"));
  EXPECT_EQ(Calc(QStringLiteral("\"ANA\"")), QStringLiteral("fr3f2"));
  EXPECT_EQ(Calc(QStringLiteral("\"ana\"")), QStringLiteral("fr3f3"));
}

TEST_F(ExpressionCacheTest, AQuotedTextIsItsValueWithoutCompiling) {
  EXPECT_EQ(Calc(QStringLiteral(" 'd''ávila' ")), QString::fromUtf8("d'ávila"));
  EXPECT_EQ(Calc(QStringLiteral("''")), QString());
  EXPECT_TRUE(Compiled.isEmpty());
  // Not one literal alone: the engine decides.
  EXPECT_EQ(Calc(QStringLiteral("'a' + 'b'")), QStringLiteral("fr3f0"));
  EXPECT_EQ(Calc(QStringLiteral("'unterminated")), QStringLiteral("fr3f1"));
}

TEST_F(ExpressionCacheTest, MatchesCaseSensitivelyWhenTheReportAsks) {
  Host.CaseSensitive = true;
  Evaluator.ClearCache();
  EXPECT_EQ(Calc(QStringLiteral("Total")), QStringLiteral("fr3f0"));
  EXPECT_EQ(Calc(QStringLiteral("TOTAL")), QStringLiteral("fr3f1"));
}

TEST_F(ExpressionCacheTest, ForgetsFailedAndClearedFunctions) {
  Host.CurrentObject = QStringLiteral("Memo2");
  EXPECT_THROW(Calc(QStringLiteral("bad")), ExpressionError);
  EXPECT_EQ(Host.Errors, QStringList({QStringLiteral("Memo2: Error in expression 'bad': Syntax error")}));
  EXPECT_EQ(Calc(QStringLiteral("a")), QStringLiteral("fr3f0"));
  Evaluator.ClearCache();
  EXPECT_EQ(Clears, 1);
  EXPECT_EQ(Calc(QStringLiteral("b")), QStringLiteral("fr3f0"));
}

TEST_F(ExpressionCacheTest, ReportsRunTimeErrorsWithTheEngineMessage) {
  Host.CurrentObject = QStringLiteral("Memo3");
  EXPECT_THROW(Calc(QStringLiteral("boom")), ExpressionError);
  EXPECT_THROW(Calc(QStringLiteral("1/0")), ExpressionError);
  EXPECT_EQ(Host.Errors, QStringList({QStringLiteral("Memo3: Boom"), QStringLiteral("Memo3: Division by zero")}));
}

TEST_F(ExpressionCacheTest, DivisionByZeroGivesNullWhenIgnored) {
  Host.IgnoreDivisionByZero = true;
  EXPECT_FALSE(Evaluator.Calc(QStringLiteral("1/0")).isValid());
  EXPECT_THROW(Calc(QStringLiteral("boom")), ExpressionError);
  EXPECT_EQ(Host.Errors, QStringList({QStringLiteral("Boom")}));
}

TEST_F(ExpressionCacheTest, WritesFunctionsInTheReportScriptLanguage) {
  Host.Language = QStringLiteral("JScript");
  Calc(QStringLiteral("x"));
  EXPECT_EQ(Compiled.back(), QStringLiteral("function fr3f0() { return x; }"));
  Host.Language = QStringLiteral("Lua");
  EXPECT_THROW(Calc(QStringLiteral("y")), ExpressionError);
  EXPECT_EQ(Host.Errors.back(), QStringLiteral("Error in expression 'y': Unknown script language 'Lua'"));
}

TEST(MakeExpressionFunction, FollowsEachLanguageSyntax) {
  const QString e = QStringLiteral("'a'");
  EXPECT_EQ(MakeExpressionFunction(QStringLiteral("PascalScript"), 3, e).Text,
            QStringLiteral("function fr3f3: Variant; begin Result := 'a' end; begin end."));
  EXPECT_EQ(MakeExpressionFunction(QStringLiteral("C++Script"), 3, e).Text, QStringLiteral("Variant fr3f3() { return 'a'; } {}"));
  EXPECT_EQ(MakeExpressionFunction(QStringLiteral("BasicScript"), 3, e).Text,
            QStringLiteral("function fr3f3\r\nreturn 'a'\r\nend function"));
  EXPECT_EQ(MakeExpressionFunction(QStringLiteral("JScript"), 12, e).Text, QStringLiteral("function fr3f12() { return 'a'; }"));
  EXPECT_EQ(MakeExpressionFunction(QStringLiteral("JScript"), 12, e).Name, QStringLiteral("fr3f12"));
}

}  // namespace
