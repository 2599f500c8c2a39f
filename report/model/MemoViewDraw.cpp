// Drawing a memo: page macros, the text engine's layout at the device's
// scale, background and frame, underlines, then the text.
#include "report/model/MemoView.h"

#include "report/expressions/ExpressionExpander.h"
#include "report/model/Variables.h"
#include "report/model/ViewPainting.h"
#include "report/text/TextEngine.h"

namespace quitanza::report {

using namespace platform;

namespace {

// Holds the process-wide text engine lock for one memo and gives the memo its
// colour back, which an active highlight replaces while drawing.
class TextEngineSession {
public:
  TextEngineSession(TextEngine& engine, platform::Color& color) : m_engine(engine), m_color(color), m_savedColor(color)
  {
    m_engine.Lock();
  }
  ~TextEngineSession()
  {
    m_engine.Unlock();
    m_color = m_savedColor;
  }
  TextEngineSession(const TextEngineSession&) = delete;
  TextEngineSession& operator=(const TextEngineSession&) = delete;

private:
  TextEngine& m_engine;
  platform::Color& m_color;
  platform::Color m_savedColor;
};

}  // namespace

void CustomMemoView::ExtractMacros()
{
  const QString copyName =
      report::GlobalVariables().Value(QStringLiteral("CopyName") + QString::number(CopyNo)).toString();
  QStringList lines = Lines();
  for (QString& line : lines)
    if (line.contains(QLatin1Char('[')))
      line = report::ExtractMacros(line, TotalPages, copyName);
  SetLines(lines);
}

void CustomMemoView::ComputeDeviceRect(Canvas& canvas, double scaleX, double scaleY, double offsetX,
                                       double offsetY)
{
  report::View::ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  m_textRect = TextArea(DeviceRect(), scaleX, scaleY);
}

Rect CustomMemoView::TextArea(const platform::Rect& box, double scaleX, double scaleY) const
{
  const double w = static_cast<double>(Frame.Width());
  const double gapX = static_cast<double>(GapX);
  const double gapY = static_cast<double>(GapY);
  return {box.Left + (Frame.Typ & FrameType::Left ? report::Round((scaleX * w - 1) / 2) : 0) + report::Round(scaleX * gapX),
          box.Top + (Frame.Typ & FrameType::Top ? report::Round((scaleY * w - 1) / 2) : 0) + report::Round(scaleY * gapY),
          box.Right - (Frame.Typ & FrameType::Right ? report::Round(scaleX * w / 2) : 0) - report::Round(scaleX * gapX) + 1,
          box.Bottom - (Frame.Typ & FrameType::Bottom ? report::Round(scaleY * w / 2) : 0) - report::Round(scaleY * gapY) + 1};
}

void CustomMemoView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  TextEngine& engine = SharedDrawText();
  engine.SetUseDefaultCharset(UseDefaultCharset);
  if (!IsDesigning() && AllowExpressions)
    ExtractMacros();
  const TextEngineSession session(engine, Color);
  PrepareTextLayout(engine, canvas, scaleX, scaleY, offsetX, offsetY);
  report::View::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
  if (Underlines && Rotation == 0)
    PaintUnderlines(engine);
  engine.DrawText(canvas, HAlign, VAlign);
}

void CustomMemoView::PrepareTextLayout(TextEngine& engine, Canvas& canvas, double scaleX, double scaleY,
                                       double offsetX, double offsetY)
{
  if (Highlight.Active) {
    engine.SetFont(Highlight.Font);
    Color = Highlight.Color;
  } else {
    engine.SetFont(Font());
  }
  engine.SetOptions(WordWrap, AllowHTMLTags, RTLReading, WordBreak, Clipped, Wysiwyg, Rotation);
  engine.SetGaps(static_cast<double>(ParagraphGap), static_cast<double>(CharSpacing),
                 static_cast<double>(LineSpacing));
  if (AutoWidth && !IsDesigning())
    ApplyAutoWidth(engine);

  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  const platform::Rect scaledRect = m_textRect;
  ComputeDeviceRect(canvas, 1, 1, 0, 0);
  const platform::Rect originalRect = m_textRect;
  if (!IsPrinting())
    PrintScale = 1;
  engine.SetDimensions(scaleX, scaleY, PrintScale, originalRect, scaledRect);
  engine.SetText(Lines());
  engine.SetParaBreaks(FirstParaBreak, LastParaBreak);
}

void CustomMemoView::ApplyAutoWidth(TextEngine& engine)
{
  const platform::Rect unbounded{0, 0, 10000, 10000};
  engine.SetDimensions(1, 1, 1, unbounded, unbounded);
  engine.SetText(Lines());
  const long double w = Frame.Width();
  long double width = static_cast<long double>(engine.CalcWidth()) + 2 * GapX;
  if (Frame.Typ & FrameType::Left)
    width += (w - 1) / 2;
  if (Frame.Typ & FrameType::Right)
    width += w / 2;
  if (Frame.DropShadow)
    width += Frame.ShadowWidth;
  const long double oldLeft = Left();
  const long double oldWidth = Width();
  SetWidth(width);
  if (HAlign == HAlign::Right)
    SetLeft(oldLeft + oldWidth - width);
  else if (HAlign == HAlign::Center)
    SetLeft(oldLeft + (oldWidth - width) / 2);
}

bool CustomMemoView::FitText()
{
  struct Spacing {
    long double Lines;
    long double Gap;
  };
  const Spacing given{LineSpacing, GapY};
  // Lines one font height apart and no gap above or below: a box a line and
  // a half high holds two lines of a smaller size.
  const Spacing closed{0, 0};
  TextEngine& engine = SharedDrawText();
  const TextEngineSession session(engine, Color);
  engine.SetUseDefaultCharset(UseDefaultCharset);
  engine.SetOptions(WordWrap, AllowHTMLTags, RTLReading, WordBreak, Clipped, Wysiwyg, Rotation);
  platform::Font font = Font();
  const auto tryLayout = [&](int size, const Spacing& spacing) {
    font.SetSize(size);
    LineSpacing = spacing.Lines;
    GapY = spacing.Gap;
    engine.SetFont(font);
    engine.SetGaps(static_cast<double>(ParagraphGap), static_cast<double>(CharSpacing),
                   static_cast<double>(LineSpacing));
    const platform::Rect area = TextArea(DeviceRectAt(1, 1, 0, 0), 1, 1);
    engine.SetDimensions(1, 1, 1, area, area);
    engine.SetText(Lines());
    return static_cast<int>(engine.Lines().size()) <= engine.FittingLines();
  };
  // A text that fits as it is keeps its font as it is, ParentFont included.
  if (tryLayout(font.Size(), given))
    return true;
  for (int size = Font().Size(); size >= MinFontSize; --size) {
    for (const Spacing& spacing : {given, closed}) {
      if (tryLayout(size, spacing)) {
        SetFont(font);
        return true;
      }
    }
  }
  tryLayout(MinFontSize, closed);
  SetFont(font);
  return false;
}

void CustomMemoView::PaintUnderlines(const TextEngine& engine)
{
  const double step = engine.LineHeight() * m_scaleY;
  // A line height of zero or less would never reach the bottom.
  if (step <= 0)
    return;
  CanvasPen pen = ThinPen(Frame.Color(), FrameStyle::Solid);
  pen.Width = m_frameWidth;
  m_canvas->Pen = pen;
  for (double y = m_y + step + (static_cast<double>(GapY - LineSpacing) + 1) * m_scaleY; y < m_y1; y += step) {
    m_canvas->MoveTo(m_x, report::Round(y));
    m_canvas->LineTo(m_x1, report::Round(y));
  }
}

}  // namespace quitanza::report
