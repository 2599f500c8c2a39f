#include "report/model/frxMemoView.h"
#include "report/model/frxNameIndex.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace quitanza::platform;

namespace {

// Names are found ignoring case, whether the characters are ASCII, other
// letters, or a sign that folds to an ASCII letter; and only equal names are.
TEST(NameIndex, FindsNamesIgnoringCaseAndNothingElse)
{
  const std::vector<std::pair<QString, QString>> same = {
      {QStringLiteral("Memo1"), QStringLiteral("MEMO1")},
      {QStringLiteral("CidadeData"), QStringLiteral("cidadedata")},
      {QStringLiteral("Informação"), QStringLiteral("INFORMAÇÃO")},
      {QStringLiteral("\u212Aelvin"), QStringLiteral("kELVIN")},  // Kelvin sign
      {QStringLiteral("A"), QStringLiteral("a")},
  };
  std::vector<std::unique_ptr<TfrxMemoView>> objects;
  TfrxNameIndex index;
  for (int i = 0; i < 300; ++i) {  // enough to grow the table
    objects.push_back(std::make_unique<TfrxMemoView>(nullptr));
    objects.back()->SetName(QStringLiteral("Object%1").arg(i));
    index.Add(objects.back().get());
  }
  for (const auto& [stored, asked] : same) {
    objects.push_back(std::make_unique<TfrxMemoView>(nullptr));
    objects.back()->SetName(stored);
    index.Add(objects.back().get());
    EXPECT_EQ(index.Find(asked), objects.back().get()) << asked.toStdString();
  }
  EXPECT_EQ(index.Find(QStringLiteral("object299")), objects[299].get());
  for (const QString& other : {QStringLiteral("Memo2"), QStringLiteral("@a"), QStringLiteral("`A"),
                               QStringLiteral("Object300"), QStringLiteral("Informacao"), QString()})
    EXPECT_EQ(index.Find(other), nullptr) << other.toStdString();
}

}  // namespace
