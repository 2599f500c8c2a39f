#include "report/model/frxDataSet.h"

#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxDataSet::Props() const
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    t.Append(TfrxPropTable::Select(ComponentCatalog(), {u"Tag"}));
    TfrxPropBuilder<TfrxDataSet, TfrxComponent> b(t);
    b.Str(QStringLiteral("UserName"), &TfrxDataSet::UserName);
    return t;
  }();
  return table;
}
