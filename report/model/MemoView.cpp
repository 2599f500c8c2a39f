#include "report/model/MemoView.h"

#include "report/expressions/ExpressionExpander.h"
#include "report/expressions/ExpressionValue.h"
#include "report/model/FontProps.h"
#include "report/model/PropBuilder.h"
#include "report/model/Report.h"
#include "report/model/Strings.h"

namespace quitanza::report {

using namespace platform;

QString CustomMemoView::Text() const { return LinesToText(m_lines); }

void CustomMemoView::SetText(const QString& text) { m_lines = SplitLines(text); }

void CustomMemoView::BeforePrint()
{
  Stretcheable::BeforePrint();
  m_savedLines = m_lines;
}

void CustomMemoView::GetData()
{
  Stretcheable::GetData();
  quitanza::report::Report* report = Report();
  if (!report)
    return;
  const bool boundToField = DataSet && !DataField.isEmpty();
  if (!boundToField && AllowExpressions) {
    const MemoExpressionSettings settings{DisplayFormat, HideZeros, Font().Charset, UseDefaultCharset};
    const QString text = Text();
    const QString expanded =
        ExpandExpressions(text, quitanza::report::ExpressionDelimiters::Parse(ExpressionDelimiters), [&](const QString& expression) {
          ExpressionText result =
              ExpressionValueText(expression, settings, [report](const QString& e) { return report->Calc(e); });
          if (result.Value)
            Value = *result.Value;
          return result.Text;
        });
    if (expanded != text)
      SetText(expanded);
  }
  report->SetScriptVariable(QStringLiteral("Value"), Value);
  if (!Highlight.Condition.isEmpty())
    Highlight.Active = report->Calc(Highlight.Condition).toBool();
  if (MinFontSize > 0 && !FitText())
    report->TextsCut.append(Name());
}

void CustomMemoView::AfterPrint()
{
  m_lines = m_savedLines;
  Stretcheable::AfterPrint();
}

const PropTable& CustomMemoView::MemoProps()
{
  static const PropTable table = [] {
    using C = CustomMemoView;
    PropTable catalog;
    catalog.Append(ViewCatalog());
    PropBuilder<C, quitanza::report::Component> b(catalog);
    b.Bool(QStringLiteral("FirstParaBreak"), &C::FirstParaBreak, false);
    b.Bool(QStringLiteral("LastParaBreak"), &C::LastParaBreak, false);
    b.Bool(QStringLiteral("AutoWidth"), &C::AutoWidth, false);
    b.Bool(QStringLiteral("AllowExpressions"), &C::AllowExpressions, true);
    b.Bool(QStringLiteral("AllowHTMLTags"), &C::AllowHTMLTags, false);
    b.Float(QStringLiteral("CharSpacing"), &C::CharSpacing);
    b.When([](const C& m) { return m.CharSpacing != 0; });
    b.Bool(QStringLiteral("Clipped"), &C::Clipped, true);
    b.Sub(QStringLiteral("DisplayFormat"), &C::DisplayFormat, FormatProps());
    b.Str(QStringLiteral("ExpressionDelimiters"), &C::ExpressionDelimiters);
    b.When([](const C& m) { return m.ExpressionDelimiters != QLatin1String("[,]"); });
    b.Ref<C>(QStringLiteral("FlowTo"), &C::FlowTo);
    b.Float(QStringLiteral("GapX"), &C::GapX);
    b.When([](const C& m) { return m.GapX != 2; });
    b.Float(QStringLiteral("GapY"), &C::GapY);
    b.When([](const C& m) { return m.GapY != 1; });
    b.Enum(QStringLiteral("HAlign"), &C::HAlign, HAlignNames, HAlign::Left);
    b.Bool(QStringLiteral("HideZeros"), &C::HideZeros, false);
    b.Sub(QStringLiteral("Highlight"), &C::Highlight, quitanza::report::Highlight::Props());
    b.When([](const C& m) { return !m.Highlight.Condition.trimmed().isEmpty(); });
    b.Float(QStringLiteral("LineSpacing"), &C::LineSpacing);
    b.When([](const C& m) { return m.LineSpacing != 2; });
    b.Int(QStringLiteral("MinFontSize"), &C::MinFontSize, 0);
    b.Float(QStringLiteral("ParagraphGap"), &C::ParagraphGap);
    b.When([](const C& m) { return m.ParagraphGap != 0; });
    b.Int(QStringLiteral("Rotation"), &C::Rotation, 0);
    b.Bool(QStringLiteral("RTLReading"), &C::RTLReading, false);
    b.Str(QStringLiteral("Style"), &C::Style);
    b.Bool(QStringLiteral("SuppressRepeated"), &C::SuppressRepeated, false);
    b.Bool(QStringLiteral("Underlines"), &C::Underlines, false);
    b.Bool(QStringLiteral("UseDefaultCharset"), &C::UseDefaultCharset, false);
    b.Bool(QStringLiteral("WordBreak"), &C::WordBreak, false);
    b.Bool(QStringLiteral("WordWrap"), &C::WordWrap, true);
    b.Bool(QStringLiteral("Wysiwyg"), &C::Wysiwyg, true);
    b.Enum(QStringLiteral("VAlign"), &C::VAlign, VAlignNames, VAlign::Top);
    // The whole text without its final line break.
    b.Str(QStringLiteral("Text"), Access([](const C& m) { return JoinLines(m.m_lines); }, &C::SetText),
          PropKind::MemoText);

    PropTable t;
    t.Append(ViewHead());
    t.Append(PropTable::Select(
        catalog, {u"StretchMode", u"FirstParaBreak", u"LastParaBreak", u"Cursor", u"TagStr", u"URL", u"AutoWidth",
                  u"AllowExpressions", u"AllowHTMLTags", u"BrushStyle", u"CharSpacing", u"Clipped", u"Color",
                  u"DataField", u"DataSet", u"DataSetName", u"DisplayFormat", u"ExpressionDelimiters", u"FlowTo",
                  u"Font", u"Frame", u"GapX", u"GapY", u"HAlign", u"HideZeros", u"Highlight", u"LineSpacing",
                  u"MinFontSize", u"ParagraphGap", u"ParentFont", u"Rotation", u"RTLReading", u"Style", u"SuppressRepeated",
                  u"Underlines", u"UseDefaultCharset", u"WordBreak", u"WordWrap", u"Wysiwyg", u"VAlign", u"Text"}));
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
