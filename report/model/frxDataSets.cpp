#include "report/model/frxDataSets.h"

#include "report/model/frxDataSet.h"
#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxDataSetItem::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxDataSetItem> b(t);
    b.Ref<TfrxDataSet>(QStringLiteral("DataSet"), &TfrxDataSetItem::DataSet);
    b.Str(QStringLiteral("DataSetName"), &TfrxDataSetItem::DataSetName);
    return t;
  }();
  return table;
}
