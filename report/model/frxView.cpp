#include "report/model/frxView.h"

#include "report/expressions/frxExpressionExpander.h"
#include "report/expressions/frxFormatDataText.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxPropBuilder.h"
#include "report/model/frxReport.h"

using namespace quitanza::platform;

void TfrxView::BeforePrint()
{
  TfrxReportComponent::BeforePrint();
  FSavedTagStr = TagStr;
  FSavedURL = URL;
  if (TfrxReport* report = Report())
    report->SelfValue = this;
}

QString TfrxView::ExpandPlain(const QString& text) const
{
  TfrxReport* report = Report();
  if (!report || text.isEmpty())
    return text;
  return ExpandExpressions(text, TfrxExpressionDelimiters::Parse(QStringLiteral("[,]")),
                           [report](const QString& expression) { return FormatText::DefaultText(report->Calc(expression)); });
}

void TfrxView::GetData()
{
  TagStr = ExpandPlain(TagStr);
  URL = ExpandPlain(URL);
}

void TfrxView::AfterPrint()
{
  TagStr = FSavedTagStr;
  URL = FSavedURL;
  TfrxReportComponent::AfterPrint();
}

const TfrxPropTable& TfrxView::ViewCatalog()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    t.Append(ReportComponentCatalog());
    {
      using C = TfrxView;
      TfrxPropBuilder<C, TfrxComponent> b(t);
      b.Enum(QStringLiteral("BrushStyle"), &C::BrushStyle, frxBrushStyleNames, bsSolid);
      b.Int(QStringLiteral("Color"), &C::Color, clNone);
      b.Int(QStringLiteral("Cursor"), &C::Cursor, 0);
      b.Str(QStringLiteral("DataField"), &C::DataField);
      b.Ref<TfrxDataSet>(QStringLiteral("DataSet"), &C::DataSet);
      b.Str(QStringLiteral("DataSetName"), &C::DataSetName);
      b.Sub(QStringLiteral("Frame"), &C::Frame, TfrxFrame::Props());
      b.Str(QStringLiteral("TagStr"), &C::TagStr);
      b.Str(QStringLiteral("URL"), &C::URL);
    }
    using S = TfrxStretcheable;
    TfrxPropBuilder<S, TfrxComponent> b(t);
    b.Enum(QStringLiteral("StretchMode"), &S::StretchMode, frxStretchModeNames, smDontStretch);
    return t;
  }();
  return table;
}

const TfrxPropTable& TfrxView::ViewHead()
{
  static const TfrxPropTable table = TfrxPropTable::Select(
      ViewCatalog(), {u"Tag", u"Description", u"Align", u"Printable", u"ShiftMode", u"Left", u"Top", u"Width",
                      u"Height", u"GroupIndex", u"Restrictions", u"Visible", u"OnAfterData", u"OnAfterPrint",
                      u"OnBeforePrint", u"OnPreviewClick", u"OnPreviewDblClick", u"Hint", u"ShowHint"});
  return table;
}
