#include "report/model/Band.h"

namespace quitanza::report {

using namespace platform;

const PropTable& Band::Props() const
{
  static const PropTable table = PropTable::Select(
      ReportComponentCatalog(), {u"Tag", u"Font", u"Visible", u"Height", u"Left", u"Top", u"Width", u"ParentFont",
                                 u"Printable", u"OnAfterPrint", u"OnBeforePrint"});
  return table;
}

}  // namespace quitanza::report
