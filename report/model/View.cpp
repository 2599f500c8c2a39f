#include "report/model/View.h"

#include "report/expressions/ExpressionExpander.h"
#include "report/expressions/FormatDataText.h"
#include "report/model/DataSet.h"
#include "report/model/PropBuilder.h"
#include "report/model/Report.h"

namespace quitanza::report {

using namespace platform;

void View::BeforePrint()
{
  ReportComponent::BeforePrint();
  m_savedTagStr = TagStr;
  m_savedURL = URL;
  if (quitanza::report::Report* report = Report())
    report->SelfValue = this;
}

QString View::ExpandPlain(const QString& text) const
{
  quitanza::report::Report* report = Report();
  if (!report || text.isEmpty())
    return text;
  return ExpandExpressions(text, quitanza::report::ExpressionDelimiters::Parse(QStringLiteral("[,]")),
                           [report](const QString& expression) { return FormatText::DefaultText(report->Calc(expression)); });
}

void View::GetData()
{
  TagStr = ExpandPlain(TagStr);
  URL = ExpandPlain(URL);
}

void View::AfterPrint()
{
  TagStr = m_savedTagStr;
  URL = m_savedURL;
  ReportComponent::AfterPrint();
}

const PropTable& View::ViewCatalog()
{
  static const PropTable table = [] {
    PropTable t;
    t.Append(ReportComponentCatalog());
    {
      using C = quitanza::report::View;
      PropBuilder<C, quitanza::report::Component> b(t);
      b.Enum(QStringLiteral("BrushStyle"), &C::BrushStyle, BrushStyleNames, BrushStyle::Solid);
      b.Int(QStringLiteral("Color"), &C::Color, clNone);
      b.Int(QStringLiteral("Cursor"), &C::Cursor, 0);
      b.Str(QStringLiteral("DataField"), &C::DataField);
      b.Ref<quitanza::report::DataSet>(QStringLiteral("DataSet"), &C::DataSet);
      b.Str(QStringLiteral("DataSetName"), &C::DataSetName);
      b.Sub(QStringLiteral("Frame"), &C::Frame, quitanza::report::Frame::Props());
      b.Str(QStringLiteral("TagStr"), &C::TagStr);
      b.Str(QStringLiteral("URL"), &C::URL);
    }
    using S = Stretcheable;
    PropBuilder<S, quitanza::report::Component> b(t);
    b.Enum(QStringLiteral("StretchMode"), &S::StretchMode, StretchModeNames, StretchMode::DontStretch);
    return t;
  }();
  return table;
}

const PropTable& View::ViewHead()
{
  static const PropTable table = PropTable::Select(
      ViewCatalog(), {u"Tag", u"Description", u"Align", u"Printable", u"ShiftMode", u"Left", u"Top", u"Width",
                      u"Height", u"GroupIndex", u"Restrictions", u"Visible", u"OnAfterData", u"OnAfterPrint",
                      u"OnBeforePrint", u"OnPreviewClick", u"OnPreviewDblClick", u"Hint", u"ShowHint"});
  return table;
}

}  // namespace quitanza::report
