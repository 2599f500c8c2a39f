#include "report/model/frxLineView.h"

#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxCustomLineView::LineProps()
{
  static const TfrxPropTable table = [] {
    using C = TfrxCustomLineView;
    TfrxPropTable catalog;
    catalog.Append(ViewCatalog());
    TfrxPropBuilder<C, TfrxComponent> b(catalog);
    b.Bool(QStringLiteral("ArrowEnd"), &C::ArrowEnd, false);
    b.Int(QStringLiteral("ArrowLength"), &C::ArrowLength, 20);
    b.Bool(QStringLiteral("ArrowSolid"), &C::ArrowSolid, false);
    b.Bool(QStringLiteral("ArrowStart"), &C::ArrowStart, false);
    b.Int(QStringLiteral("ArrowWidth"), &C::ArrowWidth, 5);
    b.Bool(QStringLiteral("Diagonal"), &C::Diagonal, false);

    TfrxPropTable t;
    t.Append(ViewHead());
    t.Append(TfrxPropTable::Select(catalog, {u"StretchMode", u"TagStr", u"ArrowEnd", u"ArrowLength", u"ArrowSolid",
                                             u"ArrowStart", u"ArrowWidth", u"Frame", u"Diagonal"}));
    return t;
  }();
  return table;
}
