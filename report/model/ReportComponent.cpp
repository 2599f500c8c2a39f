#include "report/model/ReportComponent.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

void ReportComponent::BeforePrint()
{
  m_originalRect = {Left(), Top(), Width(), Height()};
}

void ReportComponent::AfterPrint()
{
  SetBounds(m_originalRect.Left, m_originalRect.Top, m_originalRect.Width, m_originalRect.Height);
}

const PropTable& ReportComponent::ReportComponentCatalog()
{
  static const PropTable table = [] {
    using C = ReportComponent;
    PropTable t;
    t.Append(ComponentCatalog());
    PropBuilder<C, report::Component> b(t);
    b.Bool(QStringLiteral("Printable"), &C::Printable, true);
    b.Enum(QStringLiteral("ShiftMode"), &C::ShiftMode, ShiftModeNames, ShiftMode::Always);
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

}  // namespace quitanza::report
