#include "report/model/Page.h"

namespace quitanza::report {

using namespace platform;

DataPage::DataPage(report::Component* parent) : report::Page(parent)
{
  SetWidth(1000);
  SetHeight(1000);
}

const PropTable& DataPage::Props() const
{
  static const PropTable table =
      PropTable::Select(ComponentCatalog(), {u"Tag", u"Font", u"Visible", u"Height", u"Left", u"Top", u"Width"});
  return table;
}

}  // namespace quitanza::report
