#include "report/model/PrintOptions.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

const PropTable& PrintOptions::Props()
{
  static const PropTable table = [] {
    using O = report::PrintOptions;
    PropTable t;
    PropBuilder<O> b(t);
    b.Int(QStringLiteral("Copies"), &O::Copies, 1);
    b.Bool(QStringLiteral("Collate"), &O::Collate, true);
    b.Str(QStringLiteral("PageNumbers"), &O::PageNumbers);
    b.Str(QStringLiteral("Printer"), &O::Printer);
    b.Enum(QStringLiteral("PrintMode"), &O::PrintMode, PrintModeNames, PrintMode::Default);
    b.Int(QStringLiteral("PrintOnSheet"), &O::PrintOnSheet, std::nullopt);
    b.Enum(QStringLiteral("PrintPages"), &O::PrintPages, PrintPagesNames, PrintPages::All);
    b.Bool(QStringLiteral("Reverse"), &O::Reverse, false);
    b.Bool(QStringLiteral("ShowDialog"), &O::ShowDialog, true);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
