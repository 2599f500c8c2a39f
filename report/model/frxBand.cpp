#include "report/model/frxBand.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxBand::Props() const
{
  static const TfrxPropTable table = TfrxPropTable::Select(
      ReportComponentCatalog(), {u"Tag", u"Font", u"Visible", u"Height", u"Left", u"Top", u"Width", u"ParentFont",
                                 u"Printable", u"OnAfterPrint", u"OnBeforePrint"});
  return table;
}
