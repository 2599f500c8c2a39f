#include "report/model/LineView.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

const PropTable& CustomLineView::LineProps()
{
  static const PropTable table = [] {
    using C = CustomLineView;
    PropTable catalog;
    catalog.Append(ViewCatalog());
    PropBuilder<C, report::Component> b(catalog);
    b.Bool(QStringLiteral("ArrowEnd"), &C::ArrowEnd, false);
    b.Int(QStringLiteral("ArrowLength"), &C::ArrowLength, 20);
    b.Bool(QStringLiteral("ArrowSolid"), &C::ArrowSolid, false);
    b.Bool(QStringLiteral("ArrowStart"), &C::ArrowStart, false);
    b.Int(QStringLiteral("ArrowWidth"), &C::ArrowWidth, 5);
    b.Bool(QStringLiteral("Diagonal"), &C::Diagonal, false);

    PropTable t;
    t.Append(ViewHead());
    t.Append(PropTable::Select(catalog, {u"StretchMode", u"TagStr", u"ArrowEnd", u"ArrowLength", u"ArrowSolid",
                                             u"ArrowStart", u"ArrowWidth", u"Frame", u"Diagonal"}));
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
