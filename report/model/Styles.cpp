#include "report/model/Styles.h"

#include "report/model/FontProps.h"
#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

const PropTable& StyleItem::Props()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<StyleItem> b(t);
    b.Str(QStringLiteral("Name"), &StyleItem::Name);
    b.Int(QStringLiteral("Color"), &StyleItem::Color, clNone);
    b.Sub(QStringLiteral("Font"), &StyleItem::Font, FontProps());
    b.Sub(QStringLiteral("Frame"), &StyleItem::Frame, report::Frame::Props());
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
