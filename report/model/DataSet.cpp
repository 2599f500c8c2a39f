#include "report/model/DataSet.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

const PropTable& DataSet::Props() const
{
  static const PropTable table = [] {
    PropTable t;
    t.Append(PropTable::Select(ComponentCatalog(), {u"Tag"}));
    PropBuilder<report::DataSet, report::Component> b(t);
    b.Str(QStringLiteral("UserName"), &report::DataSet::UserName);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
