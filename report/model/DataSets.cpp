#include "report/model/DataSets.h"

#include "report/model/DataSet.h"
#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

const PropTable& DataSetItem::Props()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<DataSetItem> b(t);
    b.Ref<report::DataSet>(QStringLiteral("DataSet"), &DataSetItem::DataSet);
    b.Str(QStringLiteral("DataSetName"), &DataSetItem::DataSetName);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
