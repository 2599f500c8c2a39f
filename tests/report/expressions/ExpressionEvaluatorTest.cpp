#include "ExpressionTestPrinting.h"
#include "ExpressionTestHost.h"

#include "report/expressions/ExpressionError.h"
#include "report/expressions/ExpressionEvaluator.h"
#include "report/expressions/ExpressionLiteralCompiler.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

QVariant Literal(const char16_t* text) { return QString::fromUtf16(text); }

// Evaluation as the receipts have it: no script engine, only text literals.
class EvaluatorTest : public testing::Test {
protected:
  ExpressionTestHost Host;
  ExpressionEvaluator Evaluator{Host, std::make_unique<LiteralCompiler>()};

  // The error text Calc fails with; empty when it does not fail.
  QString ErrorOf(const QString& expression) {
    try {
      Evaluator.Calc(expression);
    } catch (const ExpressionError& error) {
      return error.Message();
    }
    return {};
  }
};

TEST_F(EvaluatorTest, EvaluatesQuotedTextLiterals) {
  Host.ReportVariables = {{QStringLiteral("Cliente"), Literal(u"'D''ÁVILA'")}, {QStringLiteral("Vazio"), Literal(u"''")}};
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("Cliente")), Literal(u"D'ÁVILA"));
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("cliente")), Literal(u"D'ÁVILA"));
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("Vazio")), Literal(u""));
  EXPECT_EQ(Evaluator.Calc(QStringLiteral(" 'x' ")), Literal(u"x"));
  EXPECT_TRUE(Host.Errors.isEmpty());
}

TEST_F(EvaluatorTest, ReportsAnUnknownNameAsUndeclaredIdentifier) {
  Host.CurrentObject = QStringLiteral("Memo1");
  Host.ReportVariables = {{QStringLiteral("Cliente"), Literal(u"ANA")}};
  const QString expected = QStringLiteral("Memo1: Error in expression 'ANA': Undeclared identifier: 'ANA'");
  EXPECT_EQ(ErrorOf(QStringLiteral("Cliente")), expected);
  EXPECT_EQ(Host.Errors, QStringList({expected}));
}

TEST_F(EvaluatorTest, PrefixesErrorsOnlyWhenThereIsACurrentObject) {
  EXPECT_EQ(ErrorOf(QStringLiteral("Cliente2")), QStringLiteral("Error in expression 'Cliente2': Undeclared identifier: 'Cliente2'"));
}

struct RefusedCase {
  const char16_t* Expression;
  const char16_t* Error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << QString::fromUtf16(c.Expression).toStdString(); }

class RefusedExpressionTest : public EvaluatorTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedExpressionTest, FailsWithTheCompileErrorForm) {
  EXPECT_EQ(ErrorOf(QString::fromUtf16(GetParam().Expression)), QString::fromUtf16(GetParam().Error));
}

INSTANTIATE_TEST_SUITE_P(
    WithoutScriptEngine, RefusedExpressionTest,
    testing::Values(
        RefusedCase{u"", u"Error in expression '': Expression expected"},
        RefusedCase{u"  ", u"Error in expression '  ': Expression expected"},
        RefusedCase{u"'abc", u"Error in expression ''abc': Unterminated string"},
        RefusedCase{u"Memo1.Text", u"Error in expression 'Memo1.Text': Undeclared identifier: 'Memo1'"},
        RefusedCase{u"'a' + 'b'",
                    u"Error in expression ''a' + 'b'': Only quoted text literals can be evaluated: no script engine is available"},
        RefusedCase{u"1 + 2",
                    u"Error in expression '1 + 2': Only quoted text literals can be evaluated: no script engine is available"}));

TEST_F(EvaluatorTest, EvaluatesAnEmptyVariableAsAnEmptyExpression) {
  Host.ReportVariables = {{QStringLiteral("Bairro"), Literal(u"")}};
  EXPECT_EQ(ErrorOf(QStringLiteral("Bairro")), QStringLiteral("Error in expression '': Expression expected"));
}

TEST_F(EvaluatorTest, TakesOtherVariableValuesAsTheyStand) {
  Host.ReportVariables = {{QStringLiteral("Nulo"), QVariant()},
                          {QStringLiteral("Linhas"), Literal(u"'a'\r\n'b'")},
                          {QStringLiteral("Numero"), 5}};
  EXPECT_FALSE(Evaluator.Calc(QStringLiteral("Nulo")).isValid());
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("Linhas")), Literal(u"'a'\r\n'b'"));
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("Numero")), QVariant(5));
  EXPECT_TRUE(Host.Errors.isEmpty());
}

TEST_F(EvaluatorTest, EvaluatesVariablesThatNameOtherVariables) {
  Host.ReportVariables = {{QStringLiteral("A"), Literal(u"B")}, {QStringLiteral("B"), Literal(u"'fim'")}};
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("A")), Literal(u"fim"));
}

TEST_F(EvaluatorTest, StopsCircularVariablesWithAnError) {
  Host.CurrentObject = QStringLiteral("Memo1");
  Host.ReportVariables = {{QStringLiteral("A"), Literal(u"B")}, {QStringLiteral("B"), Literal(u"a")}};
  EXPECT_EQ(ErrorOf(QStringLiteral("A")), QStringLiteral("Memo1: Circular reference in variable 'a'"));
  EXPECT_EQ(Host.Errors.size(), 1);
  Host.ReportVariables = {{QStringLiteral("A"), Literal(u"'ok'")}};
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("A")), Literal(u"ok"));
}

TEST_F(EvaluatorTest, ResolvesNamesInTheDocumentedOrder) {
  const QString name = QStringLiteral("X");
  Host.ScriptVariables = {{name, Literal(u"script")}};
  EXPECT_EQ(Evaluator.Calc(name), Literal(u"script"));
  Host.GlobalVariables = {{name, Literal(u"global")}};
  EXPECT_EQ(Evaluator.Calc(name), Literal(u"global"));
  Host.ReportVariables = {{name, Literal(u"'report'")}};
  EXPECT_EQ(Evaluator.Calc(name), Literal(u"report"));
  Host.CallbackValues = {{name, QVariant()}};
  EXPECT_EQ(Evaluator.Calc(name), Literal(u"report"));
  Host.CallbackValues = {{name, Literal(u"callback")}};
  EXPECT_EQ(Evaluator.Calc(name), Literal(u"callback"));
  Host.SystemVariables = {{name, Literal(u"system")}};
  EXPECT_EQ(Evaluator.Calc(name), Literal(u"system"));
  Host.DataFields = {{name, QVariant()}};
  EXPECT_FALSE(Evaluator.Calc(name).isValid());
}

TEST_F(EvaluatorTest, GetReportsUnknownNamesWithoutFailing) {
  Host.ReportVariables = {{QStringLiteral("Cliente"), Literal(u"'ANA'")}};
  EXPECT_EQ(Evaluator.Get(QStringLiteral("Cliente")), Literal(u"ANA"));
  EXPECT_FALSE(Evaluator.Get(QStringLiteral("Foo")).isValid());
  EXPECT_EQ(Host.Errors, QStringList({QStringLiteral("Unknown variable or datafield: Foo")}));
}

TEST_F(EvaluatorTest, GetEvaluatesAggregateCalls) {
  EXPECT_THROW(Evaluator.Get(QStringLiteral(" sum (Valor)")), ExpressionError);
  EXPECT_EQ(Host.Errors, QStringList({QStringLiteral("Error in expression ' sum (Valor)': Undeclared identifier: 'sum'")}));
}

TEST_F(EvaluatorTest, SetStoresAReportVariable) {
  Evaluator.Set(QStringLiteral("Novo"), Literal(u"'x'"));
  EXPECT_EQ(Evaluator.Calc(QStringLiteral("Novo")), Literal(u"x"));
}

}  // namespace
