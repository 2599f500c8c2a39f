// Drawing a memo: page macros, the text engine's layout at the device's
// scale, background and frame, underlines, then the text.
#include "report/model/frxMemoView.h"

#include "report/expressions/frxExpressionMacros.h"
#include "report/model/frxGlobalVariables.h"
#include "report/model/frxViewPainting.h"
#include "report/text/frxGraphicUtils.h"

using namespace quitanza::platform;

namespace {

// Holds the process-wide text engine lock for one memo and gives the memo its
// colour back, which an active highlight replaces while drawing.
class TextEngineSession {
public:
  TextEngineSession(TfrxDrawText& engine, quitanza::platform::Color& color) : FEngine(engine), FColor(color), FSavedColor(color)
  {
    FEngine.Lock();
  }
  ~TextEngineSession()
  {
    FEngine.Unlock();
    FColor = FSavedColor;
  }
  TextEngineSession(const TextEngineSession&) = delete;
  TextEngineSession& operator=(const TextEngineSession&) = delete;

private:
  TfrxDrawText& FEngine;
  quitanza::platform::Color& FColor;
  quitanza::platform::Color FSavedColor;
};

}  // namespace

void TfrxCustomMemoView::ExtractMacros()
{
  const QString copyName =
      frxGlobalVariables().Value(QStringLiteral("CopyName") + QString::number(CopyNo)).toString();
  QStringList lines = Lines();
  for (QString& line : lines)
    if (line.contains(QLatin1Char('[')))
      line = ::ExtractMacros(line, TotalPages, copyName);
  SetLines(lines);
}

void TfrxCustomMemoView::ComputeDeviceRect(Canvas& canvas, double scaleX, double scaleY, double offsetX,
                                           double offsetY)
{
  TfrxView::ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  FTextRect = TextArea(DeviceRect(), scaleX, scaleY);
}

Rect TfrxCustomMemoView::TextArea(const quitanza::platform::Rect& box, double scaleX, double scaleY) const
{
  const double w = static_cast<double>(Frame.Width());
  const double gapX = static_cast<double>(GapX);
  const double gapY = static_cast<double>(GapY);
  return {box.Left + (Frame.Typ & ftLeft ? frxRound((scaleX * w - 1) / 2) : 0) + frxRound(scaleX * gapX),
          box.Top + (Frame.Typ & ftTop ? frxRound((scaleY * w - 1) / 2) : 0) + frxRound(scaleY * gapY),
          box.Right - (Frame.Typ & ftRight ? frxRound(scaleX * w / 2) : 0) - frxRound(scaleX * gapX) + 1,
          box.Bottom - (Frame.Typ & ftBottom ? frxRound(scaleY * w / 2) : 0) - frxRound(scaleY * gapY) + 1};
}

void TfrxCustomMemoView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  TfrxDrawText& engine = frxDrawText();
  engine.SetUseDefaultCharset(UseDefaultCharset);
  if (!IsDesigning() && AllowExpressions)
    ExtractMacros();
  const TextEngineSession session(engine, Color);
  PrepareTextLayout(engine, canvas, scaleX, scaleY, offsetX, offsetY);
  TfrxView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
  if (Underlines && Rotation == 0)
    PaintUnderlines(engine);
  engine.DrawText(canvas, HAlign, VAlign);
}

void TfrxCustomMemoView::PrepareTextLayout(TfrxDrawText& engine, Canvas& canvas, double scaleX, double scaleY,
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
  const quitanza::platform::Rect scaledRect = FTextRect;
  ComputeDeviceRect(canvas, 1, 1, 0, 0);
  const quitanza::platform::Rect originalRect = FTextRect;
  if (!IsPrinting())
    PrintScale = 1;
  engine.SetDimensions(scaleX, scaleY, PrintScale, originalRect, scaledRect);
  engine.SetText(Lines());
  engine.SetParaBreaks(FirstParaBreak, LastParaBreak);
}

void TfrxCustomMemoView::ApplyAutoWidth(TfrxDrawText& engine)
{
  const quitanza::platform::Rect unbounded{0, 0, 10000, 10000};
  engine.SetDimensions(1, 1, 1, unbounded, unbounded);
  engine.SetText(Lines());
  const long double w = Frame.Width();
  long double width = static_cast<long double>(engine.CalcWidth()) + 2 * GapX;
  if (Frame.Typ & ftLeft)
    width += (w - 1) / 2;
  if (Frame.Typ & ftRight)
    width += w / 2;
  if (Frame.DropShadow)
    width += Frame.ShadowWidth;
  const long double oldLeft = Left();
  const long double oldWidth = Width();
  SetWidth(width);
  if (HAlign == haRight)
    SetLeft(oldLeft + oldWidth - width);
  else if (HAlign == haCenter)
    SetLeft(oldLeft + (oldWidth - width) / 2);
}

bool TfrxCustomMemoView::FitText()
{
  struct Spacing {
    long double Lines;
    long double Gap;
  };
  const Spacing given{LineSpacing, GapY};
  // Lines one font height apart and no gap above or below: a box a line and
  // a half high holds two lines of a smaller size.
  const Spacing closed{0, 0};
  TfrxDrawText& engine = frxDrawText();
  const TextEngineSession session(engine, Color);
  engine.SetUseDefaultCharset(UseDefaultCharset);
  engine.SetOptions(WordWrap, AllowHTMLTags, RTLReading, WordBreak, Clipped, Wysiwyg, Rotation);
  quitanza::platform::Font font = Font();
  const auto tryLayout = [&](int size, const Spacing& spacing) {
    font.SetSize(size);
    LineSpacing = spacing.Lines;
    GapY = spacing.Gap;
    engine.SetFont(font);
    engine.SetGaps(static_cast<double>(ParagraphGap), static_cast<double>(CharSpacing),
                   static_cast<double>(LineSpacing));
    const quitanza::platform::Rect area = TextArea(DeviceRectAt(1, 1, 0, 0), 1, 1);
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

void TfrxCustomMemoView::PaintUnderlines(const TfrxDrawText& engine)
{
  const double step = engine.LineHeight() * FScaleY;
  // A line height of zero or less would never reach the bottom.
  if (step <= 0)
    return;
  CanvasPen pen = frxThinPen(Frame.Color(), fsSolid);
  pen.Width = FFrameWidth;
  FCanvas->Pen = pen;
  for (double y = FY + step + (static_cast<double>(GapY - LineSpacing) + 1) * FScaleY; y < FY1; y += step) {
    FCanvas->MoveTo(FX, frxRound(y));
    FCanvas->LineTo(FX1, frxRound(y));
  }
}
