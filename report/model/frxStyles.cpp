#include "report/model/frxStyles.h"

#include "report/model/frxFontProps.h"
#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxStyleItem::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxStyleItem> b(t);
    b.Str(QStringLiteral("Name"), &TfrxStyleItem::Name);
    b.Int(QStringLiteral("Color"), &TfrxStyleItem::Color, clNone);
    b.Sub(QStringLiteral("Font"), &TfrxStyleItem::Font, frxFontProps());
    b.Sub(QStringLiteral("Frame"), &TfrxStyleItem::Frame, TfrxFrame::Props());
    return t;
  }();
  return table;
}
