#include "report/model/frxShapeView.h"

#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxShapeView::Props() const
{
  static const TfrxPropTable table = [] {
    using C = TfrxShapeView;
    TfrxPropTable catalog;
    catalog.Append(ViewCatalog());
    TfrxPropBuilder<C, TfrxComponent> b(catalog);
    b.Int(QStringLiteral("Curve"), &C::Curve, 0);
    b.Enum(QStringLiteral("Shape"), &C::Shape, frxShapeKindNames, skRectangle);

    TfrxPropTable t;
    t.Append(ViewHead());
    t.Append(TfrxPropTable::Select(catalog, {u"BrushStyle", u"Color", u"Cursor", u"Curve", u"Frame", u"Shape",
                                             u"TagStr", u"URL"}));
    return t;
  }();
  return table;
}
