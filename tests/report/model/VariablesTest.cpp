#include "report/model/Variables.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

class VariablesTest : public testing::Test {
protected:
  void SetUp() override
  {
    list.SetValue(QStringLiteral(" Sistema"), QString());
    list.SetValue(QStringLiteral("Empresa"), QString());
    list.SetValue(QStringLiteral("Valor"), QString());
    list.SetValue(QStringLiteral(" Outros"), QString());
    list.SetValue(QStringLiteral("Extra"), QString());
  }
  quitanza::report::Variables list;
};

TEST_F(VariablesTest, SettingTwiceKeepsOneItemAndUnknownNamesAreAppended)
{
  list.SetValue(QStringLiteral("valor"), QStringLiteral("'1,00'"));
  list.SetValue(QStringLiteral("Valor"), QStringLiteral("'2,00'"));
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.Value(QStringLiteral("VALOR")).toString(), QStringLiteral("'2,00'"));
  EXPECT_EQ(list.Items(2).Name, QStringLiteral("Valor"));
  list.SetValue(QStringLiteral("Novo"), 1);
  EXPECT_EQ(list.IndexOf(QStringLiteral("Novo")), 5);
  EXPECT_FALSE(list.Value(QStringLiteral("Missing")).isValid());
}

TEST_F(VariablesTest, CategoriesGroupTheFollowingVariables)
{
  EXPECT_EQ(list.GetCategoriesList(), QStringList({QStringLiteral("Sistema"), QStringLiteral("Outros")}));
  EXPECT_EQ(list.GetVariablesList(QStringLiteral("Sistema")),
            QStringList({QStringLiteral("Empresa"), QStringLiteral("Valor")}));
  list.AddVariable(QStringLiteral("Sistema"), QStringLiteral("Cliente"), QStringLiteral("'ANA'"));
  EXPECT_EQ(list.IndexOf(QStringLiteral("Cliente")), 3);
  list.AddVariable(QStringLiteral("Nenhuma"), QStringLiteral("X"), 1);
  EXPECT_EQ(list.IndexOf(QStringLiteral("X")), -1);
  list.DeleteCategory(QStringLiteral("Sistema"));
  EXPECT_EQ(list.Count(), 2);
  list.DeleteVariable(QStringLiteral("extra"));
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
