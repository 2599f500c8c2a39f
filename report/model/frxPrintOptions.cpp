#include "report/model/frxPrintOptions.h"

#include "report/model/frxPropBuilder.h"

const TfrxPropTable& TfrxPrintOptions::Props()
{
  static const TfrxPropTable table = [] {
    using O = TfrxPrintOptions;
    TfrxPropTable t;
    TfrxPropBuilder<O> b(t);
    b.Int(QStringLiteral("Copies"), &O::Copies, 1);
    b.Bool(QStringLiteral("Collate"), &O::Collate, true);
    b.Str(QStringLiteral("PageNumbers"), &O::PageNumbers);
    b.Str(QStringLiteral("Printer"), &O::Printer);
    b.Enum(QStringLiteral("PrintMode"), &O::PrintMode, frxPrintModeNames, pmDefault);
    b.Int(QStringLiteral("PrintOnSheet"), &O::PrintOnSheet, std::nullopt);
    b.Enum(QStringLiteral("PrintPages"), &O::PrintPages, frxPrintPagesNames, ppAll);
    b.Bool(QStringLiteral("Reverse"), &O::Reverse, false);
    b.Bool(QStringLiteral("ShowDialog"), &O::ShowDialog, true);
    return t;
  }();
  return table;
}
