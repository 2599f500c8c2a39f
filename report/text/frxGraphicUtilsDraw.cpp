// Drawing the wrapped lines: the WYSIWYG corrections that make a device's
// lines and blocks cover exactly what the 600 per inch layout predicts.
#include "report/text/frxGraphicUtils.h"

#include "platform/graphics/Canvas.h"
#include "report/text/frxGraphicUtilsRound.h"

#include <cmath>
#include <numbers>
#include <numeric>

using namespace quitanza::platform;

namespace {

constexpr double designPerReportPixel = 600.0 / 96.0;

double radians(int degrees)
{
  return degrees * std::numbers::pi / 180.0;
}

int sign(int value)
{
  return (value > 0) - (value < 0);
}

bool isSpace(QChar c)
{
  return c == u' ' || c == QChar(0x00A0);
}

}  // namespace

void TfrxDrawText::SpreadEvenly(std::vector<int>& values, int lo, int hi, int one, int count)
{
  if (count <= 0)
    return;
  const int half = std::max(1, (hi - lo + 1) / 2);
  if (count == 1) {
    values[static_cast<std::size_t>(lo + half - 1)] += one;
    return;
  }
  SpreadEvenly(values, lo, lo + half - 1, one, count / 2);
  SpreadEvenly(values, lo + half, hi, one, count - count / 2);
}

Font TfrxDrawText::OutputFont(const Canvas& canvas, int size, int pixelsPerInch) const
{
  quitanza::platform::Font font = FCanvas.Font();
  font.Height = canvas.IsPrinter() ? -frxRound(pixelsPerInch * size * FPrintScale / 72)
                                   : -frxRound(size * FScaleY * FScrPPI / 72);
  font.Orientation = canvas.Font().Orientation;
  return font;
}

void TfrxDrawText::DrawText(Canvas& canvas, TfrxHAlign hAlign, TfrxVAlign vAlign)
{
  const int n = ShownLines();
  if (n == 0)
    return;
  const int ppiY = canvas.PixelsPerInchY();
  quitanza::platform::Font font = OutputFont(canvas, FFontSize, ppiY);
  if (TfrxHTMLTag& first = FHTMLTags.Lines[0][0]; !first.Default) {
    const int height = OutputFont(canvas, first.Size, ppiY).Height;
    font.Style = first.Style;
    font.Color = first.Color;
    font.Height = height;
    first.Default = true;
  }
  font.Orientation = FRotation * 10;
  canvas.SetFont(font);

  const int hDev = std::abs(font.Height);
  const int h600 = MeasuringHeight();
  const int ls = frxRound(FLineSpacing * FScaleY);
  int blockHeight;
  if (canvas.IsPrinter()) {
    const double d = double(FDefPPI) / ppiY / FPrintScale;
    blockHeight = frxRound((FLineSpacing * FScaleY * d * n + double(h600) * n) / d);
  } else {
    blockHeight = frxRound((FLineSpacing * designPerReportPixel * n + double(h600) * n) / designPerReportPixel * FScaleY);
  }
  const int error = FWysiwyg ? blockHeight - n * (hDev + ls) : 0;
  BlockStart block = PlaceTextBlock(vAlign, blockHeight);

  std::vector<int>& advances = FLineAdvances;
  advances.assign(static_cast<std::size_t>(n), hDev + ls);
  const int g = sign(error), m = std::abs(error);
  if (n > 1) {
    if (m < n) {
      SpreadEvenly(advances, 0, n - 2, g, m);
    } else {
      for (int i = 0; i < n - 1; ++i)
        advances[i] += (m / (n - 1)) * g;
      SpreadEvenly(advances, 0, n - 2, g, m % (n - 1));
    }
  }
  canvas.TransparentBackground = true;

  const double c = std::cos(radians(FRotation)), s = std::sin(radians(FRotation));
  for (int i = 0; i < n; ++i) {
    const int flags = FText[i].Flags;
    const int indent =
        (flags & lfParagraphStart) && (hAlign == haLeft || hAlign == haBlock) ? frxRound(FParagraphGap * FScaleX) : 0;
    TfrxHAlign align = hAlign;
    if (hAlign == haBlock && (flags & lfParagraphEnd))
      align = FRTLReading ? haRight : haLeft;
    PaintTextLine(canvas, i, align, block.lineLength - indent, block.y, block.x + indent);
    block.y += frxRound(advances[i] * c);
    block.x += frxRound(advances[i] * s);
  }
  quitanza::platform::Font upright = canvas.Font();
  upright.Orientation = 0;
  canvas.SetFont(upright);
}

TfrxDrawText::BlockStart TfrxDrawText::PlaceTextBlock(TfrxVAlign vAlign, int blockHeight)
{
  FRotation = ((FRotation % 360) + 360) % 360;
  const int a = FRotation;
  const double c = std::cos(radians(a)), s = std::sin(radians(a));
  const double ac = std::abs(c), as = std::abs(s);
  const auto [L, T, R, B] = FScaledRect;
  const int slantedLength = ac > 0 ? frxRound((R - L - as * blockHeight) / ac) : 0;

  BlockStart start;
  int freeSpace = 0;
  if (a == 0) {
    start = {L, T, R - L};
    freeSpace = (B - T) - blockHeight;
  } else if (a < 90) {
    start = {L, T + frxRound(as * slantedLength), slantedLength};
    freeSpace = B - start.y - frxRound(ac * blockHeight);
  } else if (a == 90) {
    start = {L, B, B - T};
    freeSpace = (R - L) - blockHeight;
  } else if (a < 180) {
    start = {L + frxRound(ac * slantedLength), B, slantedLength};
    freeSpace = (B - T) - frxRound(ac * blockHeight + as * slantedLength);
  } else if (a == 180) {
    start = {R, B, R - L};
    freeSpace = (B - T) - blockHeight;
  } else if (a < 270) {
    start = {R, B - frxRound(as * slantedLength), slantedLength};
    freeSpace = start.y - T - frxRound(ac * blockHeight);
  } else if (a == 270) {
    start = {R, T, B - T};
    freeSpace = (R - L) - blockHeight;
  } else {
    start = {L + frxRound(as * blockHeight), T, slantedLength};
    freeSpace = (B - T) - frxRound(as * slantedLength + ac * blockHeight);
  }

  const int move = vAlign == vaBottom ? freeSpace : vAlign == vaCenter ? frxRound(freeSpace / 2.0) : 0;
  if (a % 90 == 0) {
    start.y += frxRound(c * move);
    start.x += frxRound(s * move);
  } else {
    start.y += (a > 90 && a < 270) ? -move : move;
  }
  return start;
}

void TfrxDrawText::PaintTextLine(Canvas& canvas, int lineIndex, TfrxHAlign align, int lineLength, int y, int x)
{
  const QString& text = FText[lineIndex].Text;
  const int n = static_cast<int>(text.size());
  if (n == 0)
    return;
  TfrxHTMLTags& tags = FHTMLTags.Lines[lineIndex];
  const FontStyles st0 = canvas.Font().Style;
  FHTMLTags.FDefStyle = st0;
  FCanvas.SetFontStyle(st0);

  const int designSpacing = frxRound(FCharSpacing * designPerReportPixel);
  const int deviceSpacing = frxRound(FCharSpacing * FScaleX);
  const int ppiX = canvas.PixelsPerInchX() != 0 ? canvas.PixelsPerInchX() : FScrPPI;
  // Each character goes where the design layout puts it, scaled to the
  // device with its fraction of a pixel: the line is exactly as wide as the
  // layout that wrapped it, and no rounding opens a gap inside a word.
  std::vector<double>& advances = FDeviceAdvances;
  double lineWidth = 0;  // without the spacing after the last character
  if (FWysiwyg) {
    const int w600 = MeasureCharWidths(FTempArray, text, false, designSpacing, tags, FCanvas);
    const double toDevice = canvas.IsPrinter() ? FPrintScale * ppiX / FDefPPI : FScaleX / designPerReportPixel;
    advances.assign(FTempArray.begin(), FTempArray.end());
    for (double& advance : advances)
      advance *= toDevice;
    lineWidth = (w600 - designSpacing) * toDevice;
  } else {
    const int wDev = MeasureCharWidths(FTempArray, text, false, deviceSpacing, tags, canvas);
    canvas.SetFontStyle(st0);
    advances.assign(FTempArray.begin(), FTempArray.end());
    lineWidth = wDev - deviceSpacing;
  }
  const double freeSpace = lineLength - lineWidth;

  const double c = std::cos(radians(FRotation)), s = std::sin(radians(FRotation));
  switch (align) {
    case haRight: {
      const double v = freeSpace + 1;
      const bool slanted = FRotation == 0 && (st0 & (fsBold | fsItalic)) != 0;
      y -= frxRound(v * s);
      x = x + frxRound(v * c) - (slanted ? 2 : 1);
      break;
    }
    case haCenter:
      y -= frxRound(freeSpace / 2.0 * s);
      x += frxRound(freeSpace / 2.0 * c);
      break;
    case haBlock: {
      const auto spaces = std::count_if(text.begin(), text.end(), isSpace);
      if (spaces == 0)
        break;
      const double widening = (std::abs(lineLength) - lineWidth) / double(spaces);
      for (int i = 0; i < n; ++i) {
        if (isSpace(text[i]))
          advances[i] += widening;
      }
      break;
    }
    case haLeft:
      break;
  }

  const auto baselineDrop = [this](const TfrxHTMLTag& tag) { return frxRound(tag.AddY * tag.Size * FScaleY); };
  int drop = baselineDrop(tags[0]);
  // Runs of one style follow each other at the fractional pen position.
  double penX = x, penY = y;
  for (int start = 0, j = 1; j <= n; ++j) {
    if (j < n && tags[j].Default)
      continue;
    canvas.TextOut(frxRound(penX + drop * s), frxRound(penY + drop * c), FOptions, FScaledRect,
                   QStringView(text).mid(start, j - start), FWysiwyg ? &advances[start] : nullptr);
    const double width = std::accumulate(advances.begin() + start, advances.begin() + j, 0.0);
    if (j < n) {
      TfrxHTMLTag& tag = tags[j];
      tag.Default = true;
      quitanza::platform::Font font = OutputFont(canvas, tag.Size, ppiX);
      font.Style = tag.Style;
      font.Color = tag.Color;
      canvas.SetFont(font);
      drop = baselineDrop(tag);
    }
    penY -= width * s;
    penX += width * c;
    start = j;
  }
}
