#include "report/model/frxHighlight.h"

#include "report/model/frxFontProps.h"
#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

const TfrxPropTable& TfrxHighlight::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxHighlight> b(t);
    b.Bool(QStringLiteral("Active"), &TfrxHighlight::Active, false);
    b.Sub(QStringLiteral("Font"), &TfrxHighlight::Font, frxFontProps());
    b.Int(QStringLiteral("Color"), &TfrxHighlight::Color, clNone);
    b.Str(QStringLiteral("Condition"), &TfrxHighlight::Condition);
    return t;
  }();
  return table;
}
