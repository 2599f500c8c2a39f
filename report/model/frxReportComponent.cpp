#include "report/model/frxReportComponent.h"

#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

void TfrxReportComponent::BeforePrint()
{
  FOriginalRect = {Left(), Top(), Width(), Height()};
}

void TfrxReportComponent::AfterPrint()
{
  SetBounds(FOriginalRect.Left, FOriginalRect.Top, FOriginalRect.Width, FOriginalRect.Height);
}

const TfrxPropTable& TfrxReportComponent::ReportComponentCatalog()
{
  static const TfrxPropTable table = [] {
    using C = TfrxReportComponent;
    TfrxPropTable t;
    t.Append(ComponentCatalog());
    TfrxPropBuilder<C, TfrxComponent> b(t);
    b.Bool(QStringLiteral("Printable"), &C::Printable, true);
    b.Enum(QStringLiteral("ShiftMode"), &C::ShiftMode, frxShiftModeNames, smAlways);
    b.Str(QStringLiteral("OnAfterData"), &C::OnAfterData);
    b.Str(QStringLiteral("OnAfterPrint"), &C::OnAfterPrint);
    b.Str(QStringLiteral("OnBeforePrint"), &C::OnBeforePrint);
    b.Str(QStringLiteral("OnPreviewClick"), &C::OnPreviewClick);
    b.Str(QStringLiteral("OnPreviewDblClick"), &C::OnPreviewDblClick);
    b.Str(QStringLiteral("Hint"), &C::Hint);
    b.Bool(QStringLiteral("ShowHint"), &C::ShowHint, std::nullopt);
    return t;
  }();
  return table;
}
