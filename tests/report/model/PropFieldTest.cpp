// Plain data members are read and written in place, by their offset from the
// object's address. Every such member of every class must land where its
// accessors do, or reading and writing templates would corrupt objects.
#include "report/model/frxClass.h"
#include "report/model/frxClassRegistry.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Checks the members of `table` on `object`, then those of its sub-objects.
void CheckFields(void* object, const TfrxPropTable& table, const QString& path)
{
  for (const TfrxPropInfo& property : table.Props()) {
    const QString name = path + property.Name;
    if (property.Kind == TfrxPropKind::Object) {
      CheckFields(property.Sub(object), *property.SubTable, name + QLatin1Char('.'));
      continue;
    }
    if (property.Field.IsOrdinal()) {
      for (const qint64 value : {1, 0}) {
        property.SetOrd(object, value);
        EXPECT_EQ(property.Field.Ordinal(object), property.GetOrd(object)) << name.toStdString();
        property.Field.SetOrdinal(object, value);
        EXPECT_EQ(property.GetOrd(object), value) << name.toStdString();
      }
    } else if (property.Field.IsString()) {
      property.SetStr(object, QStringLiteral("x"));
      EXPECT_EQ(property.Field.String(object), QStringLiteral("x")) << name.toStdString();
    }
  }
}

TEST(PropFieldTest, EveryPlainMemberLiesWhereItsAccessorsFindIt)
{
  TfrxReport report;
  CheckFields(static_cast<TfrxComponent*>(&report), report.Props(), QStringLiteral("TfrxReport."));
  for (const char* className : {"TfrxMemoView", "TfrxSysMemoView", "TfrxLineView", "TfrxShapeView", "TfrxPictureView",
                                "TfrxReportPage", "TfrxDataPage", "TfrxNullBand", "TfrxDataSet"}) {
    const TfrxComponentFactory factory = frxFindClass(QLatin1StringView(className));
    ASSERT_NE(factory, nullptr) << className;
    std::unique_ptr<TfrxComponent> component(factory(nullptr));
    CheckFields(component.get(), component->Props(), QLatin1StringView(className) + QLatin1Char('.'));
  }
}

}  // namespace
