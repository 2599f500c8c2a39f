// Plain data members are read and written in place, by their offset from the
// object's address. Every such member of every class must land where its
// accessors do, or reading and writing templates would corrupt objects; and
// the writer's test of such a member against its default must agree with them.
#include "report/model/frxClass.h"
#include "report/model/frxClassRegistry.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quitanza::platform;

namespace {

// The writer's quick test of a member against its default gives the same
// answer as the accessor, on and off the default.
void CheckDefault(void* object, const TfrxPropInfo& property, const TfrxDefaultCheck& check, const QString& name)
{
  const qint64 def = *property.Default;
  for (const qint64 value : {def, def + 1, def - 1, qint64(0), qint64(1)}) {
    property.SetOrd(object, value);
    EXPECT_EQ(check.Holds(object), property.GetOrd(object) == def) << name.toStdString() << " = " << value;
  }
}

// Checks the members of `table` on `object`, then those of its sub-objects.
void CheckFields(void* object, const TfrxPropTable& table, const QString& path)
{
  for (std::size_t i = 0; i < table.Props().size(); ++i) {
    const TfrxPropInfo& property = table.Props()[i];
    const QString name = path + property.Name;
    if (property.Field.IsOrdinal() && property.Default)
      CheckDefault(object, property, table.DefaultChecks()[i], name);
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
