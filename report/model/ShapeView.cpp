#include "report/model/ShapeView.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

const PropTable& ShapeView::Props() const
{
  static const PropTable table = [] {
    using C = ShapeView;
    PropTable catalog;
    catalog.Append(ViewCatalog());
    PropBuilder<C, report::Component> b(catalog);
    b.Int(QStringLiteral("Curve"), &C::Curve, 0);
    b.Enum(QStringLiteral("Shape"), &C::Shape, ShapeKindNames, ShapeKind::Rectangle);

    PropTable t;
    t.Append(ViewHead());
    t.Append(PropTable::Select(catalog, {u"BrushStyle", u"Color", u"Cursor", u"Curve", u"Frame", u"Shape",
                                             u"TagStr", u"URL"}));
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
