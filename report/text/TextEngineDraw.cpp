// Drawing the wrapped lines: the WYSIWYG corrections that make a device's
// lines and blocks cover exactly what the 600 per inch layout predicts.
#include "report/text/TextEngine.h"

#include "platform/graphics/Canvas.h"
#include "report/text/Placement.h"

#include <cmath>
#include <numbers>
#include <numeric>

namespace quitanza::report {

using namespace platform;

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

void TextEngine::SpreadEvenly(std::vector<int>& values, int lo, int hi, int one, int count)
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

Font TextEngine::OutputFont(const Canvas& canvas, int size, int pixelsPerInch) const
{
  platform::Font font = m_canvas.Font();
  font.Height = canvas.IsPrinter() ? -report::Round(pixelsPerInch * size * m_printScale / 72)
                                   : -report::Round(size * m_scaleY * m_scrPPI / 72);
  font.Orientation = canvas.Font().Orientation;
  return font;
}

void TextEngine::DrawText(Canvas& canvas, report::HAlign hAlign, report::VAlign vAlign)
{
  const int n = ShownLines();
  if (n == 0)
    return;
  const int ppiY = canvas.PixelsPerInchY();
  platform::Font font = OutputFont(canvas, m_fontSize, ppiY);
  if (HTMLTag& first = m_htmlTags.Lines[0][0]; !first.Default) {
    const int height = OutputFont(canvas, first.Size, ppiY).Height;
    font.Style = first.Style;
    font.Color = first.Color;
    font.Height = height;
    first.Default = true;
  }
  font.Orientation = m_rotation * 10;
  canvas.SetFont(font);

  const int hDev = std::abs(font.Height);
  const int h600 = MeasuringHeight();
  const int ls = report::Round(m_lineSpacing * m_scaleY);
  int blockHeight;
  if (canvas.IsPrinter()) {
    const double d = double(m_defPPI) / ppiY / m_printScale;
    blockHeight = report::Round((m_lineSpacing * m_scaleY * d * n + double(h600) * n) / d);
  } else {
    blockHeight = report::Round((m_lineSpacing * designPerReportPixel * n + double(h600) * n) / designPerReportPixel * m_scaleY);
  }
  const int error = m_wysiwyg ? blockHeight - n * (hDev + ls) : 0;
  BlockStart block = PlaceTextBlock(vAlign, blockHeight);

  std::vector<int>& advances = m_lineAdvances;
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

  const double c = std::cos(radians(m_rotation)), s = std::sin(radians(m_rotation));
  for (int i = 0; i < n; ++i) {
    const int flags = m_text[i].Flags;
    const int indent =
        (flags & lfParagraphStart) && (hAlign == HAlign::Left || hAlign == HAlign::Block) ? report::Round(m_paragraphGap * m_scaleX) : 0;
    report::HAlign align = hAlign;
    if (hAlign == HAlign::Block && (flags & lfParagraphEnd))
      align = m_rtlReading ? HAlign::Right : HAlign::Left;
    PaintTextLine(canvas, i, align, block.lineLength - indent, block.y, block.x + indent);
    block.y += report::Round(advances[i] * c);
    block.x += report::Round(advances[i] * s);
  }
  platform::Font upright = canvas.Font();
  upright.Orientation = 0;
  canvas.SetFont(upright);
}

TextEngine::BlockStart TextEngine::PlaceTextBlock(report::VAlign vAlign, int blockHeight)
{
  m_rotation = ((m_rotation % 360) + 360) % 360;
  const int a = m_rotation;
  const double c = std::cos(radians(a)), s = std::sin(radians(a));
  const double ac = std::abs(c), as = std::abs(s);
  const auto [L, T, R, B] = m_scaledRect;
  const int slantedLength = ac > 0 ? report::Round((R - L - as * blockHeight) / ac) : 0;

  BlockStart start;
  int freeSpace = 0;
  if (a == 0) {
    start = {L, T, R - L};
    freeSpace = (B - T) - blockHeight;
  } else if (a < 90) {
    start = {L, T + report::Round(as * slantedLength), slantedLength};
    freeSpace = B - start.y - report::Round(ac * blockHeight);
  } else if (a == 90) {
    start = {L, B, B - T};
    freeSpace = (R - L) - blockHeight;
  } else if (a < 180) {
    start = {L + report::Round(ac * slantedLength), B, slantedLength};
    freeSpace = (B - T) - report::Round(ac * blockHeight + as * slantedLength);
  } else if (a == 180) {
    start = {R, B, R - L};
    freeSpace = (B - T) - blockHeight;
  } else if (a < 270) {
    start = {R, B - report::Round(as * slantedLength), slantedLength};
    freeSpace = start.y - T - report::Round(ac * blockHeight);
  } else if (a == 270) {
    start = {R, T, B - T};
    freeSpace = (R - L) - blockHeight;
  } else {
    start = {L + report::Round(as * blockHeight), T, slantedLength};
    freeSpace = (B - T) - report::Round(as * slantedLength + ac * blockHeight);
  }

  const int move = vAlign == VAlign::Bottom ? freeSpace : vAlign == VAlign::Center ? report::Round(freeSpace / 2.0) : 0;
  if (a % 90 == 0) {
    start.y += report::Round(c * move);
    start.x += report::Round(s * move);
  } else {
    start.y += (a > 90 && a < 270) ? -move : move;
  }
  return start;
}

void TextEngine::PaintTextLine(Canvas& canvas, int lineIndex, report::HAlign align, int lineLength, int y, int x)
{
  const QString& text = m_text[lineIndex].Text;
  const int n = static_cast<int>(text.size());
  if (n == 0)
    return;
  report::HTMLTags& tags = m_htmlTags.Lines[lineIndex];
  const FontStyles st0 = canvas.Font().Style;
  m_htmlTags.m_defStyle = st0;
  m_canvas.SetFontStyle(st0);

  const int designSpacing = report::Round(m_charSpacing * designPerReportPixel);
  const int deviceSpacing = report::Round(m_charSpacing * m_scaleX);
  const int ppiX = canvas.PixelsPerInchX() != 0 ? canvas.PixelsPerInchX() : m_scrPPI;
  // Each character goes where the design layout puts it, scaled to the
  // device with its fraction of a pixel: the line is exactly as wide as the
  // layout that wrapped it, and no rounding opens a gap inside a word.
  std::vector<double>& advances = m_deviceAdvances;
  double lineWidth = 0;  // without the spacing after the last character
  if (m_wysiwyg) {
    const int w600 = MeasureCharWidths(m_tempArray, text, false, designSpacing, tags, m_canvas);
    const double toDevice = canvas.IsPrinter() ? m_printScale * ppiX / m_defPPI : m_scaleX / designPerReportPixel;
    advances.assign(m_tempArray.begin(), m_tempArray.end());
    for (double& advance : advances)
      advance *= toDevice;
    lineWidth = (w600 - designSpacing) * toDevice;
  } else {
    const int wDev = MeasureCharWidths(m_tempArray, text, false, deviceSpacing, tags, canvas);
    canvas.SetFontStyle(st0);
    advances.assign(m_tempArray.begin(), m_tempArray.end());
    lineWidth = wDev - deviceSpacing;
  }
  const double freeSpace = lineLength - lineWidth;

  const double c = std::cos(radians(m_rotation)), s = std::sin(radians(m_rotation));
  switch (align) {
    case HAlign::Right: {
      const double v = freeSpace + 1;
      const bool slanted = m_rotation == 0 && (st0 & (FontStyle::Bold | FontStyle::Italic)) != 0;
      y -= report::Round(v * s);
      x = x + report::Round(v * c) - (slanted ? 2 : 1);
      break;
    }
    case HAlign::Center:
      y -= report::Round(freeSpace / 2.0 * s);
      x += report::Round(freeSpace / 2.0 * c);
      break;
    case HAlign::Block: {
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
    case HAlign::Left:
      break;
  }

  const auto baselineDrop = [this](const HTMLTag& tag) { return report::Round(tag.AddY * tag.Size * m_scaleY); };
  int drop = baselineDrop(tags[0]);
  // Runs of one style follow each other at the fractional pen position.
  double penX = x, penY = y;
  for (int start = 0, j = 1; j <= n; ++j) {
    if (j < n && tags[j].Default)
      continue;
    canvas.TextOut(report::Round(penX + drop * s), report::Round(penY + drop * c), m_options, m_scaledRect,
                   QStringView(text).mid(start, j - start), m_wysiwyg ? &advances[start] : nullptr);
    const double width = std::accumulate(advances.begin() + start, advances.begin() + j, 0.0);
    if (j < n) {
      HTMLTag& tag = tags[j];
      tag.Default = true;
      platform::Font font = OutputFont(canvas, tag.Size, ppiX);
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

}  // namespace quitanza::report
