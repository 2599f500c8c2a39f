#include "report/model/frxPage.h"

using namespace quitanza::platform;

TfrxDataPage::TfrxDataPage(TfrxComponent* parent) : TfrxPage(parent)
{
  SetWidth(1000);
  SetHeight(1000);
}

const TfrxPropTable& TfrxDataPage::Props() const
{
  static const TfrxPropTable table =
      TfrxPropTable::Select(ComponentCatalog(), {u"Tag", u"Font", u"Visible", u"Height", u"Left", u"Top", u"Width"});
  return table;
}
