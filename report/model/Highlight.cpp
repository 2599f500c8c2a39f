#include "report/model/Highlight.h"

#include "report/model/FontProps.h"
#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

const PropTable& Highlight::Props()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<report::Highlight> b(t);
    b.Bool(QStringLiteral("Active"), &report::Highlight::Active, false);
    b.Sub(QStringLiteral("Font"), &report::Highlight::Font, FontProps());
    b.Int(QStringLiteral("Color"), &report::Highlight::Color, clNone);
    b.Str(QStringLiteral("Condition"), &report::Highlight::Condition);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
