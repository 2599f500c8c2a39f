// Tables with a WritesNothing shortcut must say "nothing" exactly when
// visiting every property writes nothing: otherwise a changed value would be
// lost on saving, or the shortcut would be dead weight.
#include "report/model/frxFrame.h"
#include "report/model/frxXMLSerializer.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;

namespace {

// Moves one property away from the value a fresh object holds.
void Change(void* object, const TfrxPropInfo& property)
{
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Set:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean:
    property.SetOrd(object, property.GetOrd(object) == 0 ? 1 : 0);
    return;
  case TfrxPropKind::Float:
    property.SetFloat(object, property.GetFloat(object) + 1);
    return;
  case TfrxPropKind::String:
  case TfrxPropKind::MemoText:
  case TfrxPropKind::StringList:
    property.SetStr(object, property.GetStr(object) + QStringLiteral("x"));
    return;
  case TfrxPropKind::Variant:
    property.SetVariant(object, QStringLiteral("x"));
    return;
  case TfrxPropKind::Component:
  case TfrxPropKind::Object:
    FAIL() << "no plain change for " << property.Name.toStdString();
  }
}

// The shortcut of `table` (where it has one) against what is written.
void ExpectShortcutAgrees(const void* object, const TfrxPropTable& table, const std::string& what)
{
  if (!table.WritesNothing)
    return;
  const bool writes = !TfrxXMLSerializer().ObjToXML(object, table).isEmpty();
  EXPECT_EQ(table.WritesNothing(object), !writes) << what;
}

// Checks a fresh object, then each property changed on its own, sub-object
// properties included. `Object` must be default-constructible.
template <class Object> void CheckEveryProperty(const TfrxPropTable& table)
{
  Object fresh;
  EXPECT_TRUE(TfrxXMLSerializer().ObjToXML(&fresh, table).isEmpty());
  ExpectShortcutAgrees(&fresh, table, "fresh object");
  for (const TfrxPropInfo& property : table.Props()) {
    if (property.Kind != TfrxPropKind::Object) {
      Object changed;
      Change(&changed, property);
      ExpectShortcutAgrees(&changed, table, property.Name.toStdString());
      continue;
    }
    for (const TfrxPropInfo& inner : property.SubTable->Props()) {
      Object changed;
      void* sub = property.Sub(&changed);
      Change(sub, inner);
      const std::string what = (property.Name + QLatin1Char('.') + inner.Name).toStdString();
      ExpectShortcutAgrees(sub, *property.SubTable, what);
      ExpectShortcutAgrees(&changed, table, what);
    }
  }
}

TEST(WritesNothing, FrameAndItsLinesAgreeWithTheirProperties)
{
  ASSERT_TRUE(TfrxFrame::Props().WritesNothing);
  ASSERT_TRUE(TfrxFrameLine::Props().WritesNothing);
  CheckEveryProperty<TfrxFrame>(TfrxFrame::Props());
}

}  // namespace
