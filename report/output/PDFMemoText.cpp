#include "report/output/PDFMemoText.h"

#include "report/model/MemoView.h"
#include "report/output/PDFFonts.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFPageContent.h"
#include "report/output/PDFStrings.h"
#include "report/text/Placement.h"
#include "report/text/TextEngine.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <numeric>

namespace quitanza::report {

using namespace platform;

namespace {

// The export's own lock, taken after the text engine's: the font registry's
// measuring and the global engine are shared state.
std::mutex& ExportMutex() {
  static std::mutex mutex;
  return mutex;
}

class EngineLock {
public:
  explicit EngineLock(TextEngine& engine) : m_engine(engine) { m_engine.Lock(); }
  ~EngineLock() { m_engine.Unlock(); }
  EngineLock(const EngineLock&) = delete;
  EngineLock& operator=(const EngineLock&) = delete;

private:
  TextEngine& m_engine;
};

struct MemoBox {
  double L, T, W, H;
  double bw, bh;  // inside the drop shadow
};

bool Sideways(int angle) { return (angle >= 45 && angle <= 135) || (angle >= 225 && angle <= 315); }

Rect TextRect(const CustomMemoView& memo, const MemoBox& box) {
  const Frame& frame = memo.Frame;
  const double fw = double(frame.Width());
  const double gapX = double(memo.GapX), gapY = double(memo.GapY);
  Rect rect{Round(box.L) + Round(gapX), Round(box.T) + Round(gapY),
             Round(box.L + box.W) - Round(gapX) + 1, Round(box.T + box.H) - Round(gapY) + 1};
  if (frame.Typ & FrameType::Left)
    rect.Left += Round((fw - 1) / 2);
  if (frame.Typ & FrameType::Top)
    rect.Top += Round((fw - 1) / 2);
  if (frame.Typ & FrameType::Right)
    rect.Right -= Round(fw / 2);
  if (frame.Typ & FrameType::Bottom)
    rect.Bottom -= Round(fw / 2);
  return rect;
}

void WriteClipAndShadow(PDFPageContent& content, const CustomMemoView& memo, const MemoBox& box) {
  const PDFPageGeometry& g = content.Geometry;
  const double fw = double(memo.Frame.Width());
  content.Text("q\r\n")
      .Numbers({g.X(box.L - fw), g.Y(box.T + box.H + fw), pt(2 * fw + box.W), pt(2 * fw + box.H)})
      .Text("re\r\nW\r\nn\r\n");
  if (!memo.Frame.DropShadow)
    return;
  const double sw = double(memo.Frame.ShadowWidth);
  content.Color(memo.Frame.ShadowColor, "rg").Color(memo.Frame.ShadowColor, "RG");
  const double y = g.Y(box.T + box.H);
  content.Numbers({g.X(box.L + box.bw), y, pt(sw), pt(box.bh)}).Text("re\r\nB\r\n");
  content.Numbers({g.X(box.L + sw), y, pt(box.bw), pt(sw)}).Text("re\r\nB\r\n");
}

void WriteRotation(PDFPageContent& content, const MemoBox& box, int angle) {
  const double radians = angle * std::numbers::pi / 180;
  const double c = std::cos(radians), s = std::sin(radians);
  const PDFPageGeometry& g = content.Geometry;
  double cx, cy;
  if (angle % 90 == 0) {
    cx = g.X(box.L + box.W / 2);
    cy = g.Y(box.T + box.H / 2);
  } else {
    const double p = Sideways(angle) ? box.H : box.W, q = Sideways(angle) ? box.W : box.H;
    cx = g.X(box.L + (p * c + q * s) / 2);
    cy = g.Y(box.T + (p * s + q * c) / 2);
  }
  content.Numbers({c, s, -s, c, cx, cy}).Text("cm\r\n");
}

void WriteUnderlines(PDFPageContent& content, const CustomMemoView& memo, const MemoBox& box,
                     double lineHeight) {
  const PDFPageGeometry& g = content.Geometry;
  const double fw = double(memo.Frame.Width());
  const int count = int(std::trunc(box.H / lineHeight));
  for (int k = 1; k <= count; ++k) {
    const double y = g.Y(box.T + double(memo.GapY) + 1 + k * lineHeight);
    content.Color(memo.Frame.Color(), "RG").Numbers({pt(fw)}).Text("w\r\n");
    content.Numbers({g.X(box.L), y}).Text("m\r\n").Numbers({g.X(box.L + box.bw), y}).Text("l\r\nS\r\n");
  }
}

// Where line i of count starts, in points, before the line is shown.
struct LinePlacement {
  const CustomMemoView& memo;
  const MemoBox& box;
  double lineHeight;
  int size;
  int count;
  int angle;  // 0..359

  QPointF At(const PDFPageGeometry& g, int i, double lineWidth) const {
    const double pg = i == 0 ? double(memo.ParagraphGap) : 0;
    const double xs = memo.HAlign == HAlign::Right ? pt(double(memo.CharSpacing)) : 0;
    const double gapX = double(memo.GapX), gapY = double(memo.GapY);
    if (angle > 0)
      return Rotated(i, lineWidth, xs);
    // Where drawing on a canvas sets the line: the text area inside the
    // frame and the gaps, whose width the line was wrapped to.
    const report::Frame& frame = memo.Frame;
    const double fw = double(frame.Width());
    const double frameLeft = frame.Typ & FrameType::Left ? (fw - 1) / 2 : 0;
    const double frameRight = frame.Typ & FrameType::Right ? fw / 2 : 0;
    const double left = box.L + frameLeft + gapX + pg;
    const double avail = box.bw - frameLeft - frameRight - 2 * gapX - pg;
    double x = left;
    if (memo.HAlign == HAlign::Right)
      x = left + avail - lineWidth;
    else if (memo.HAlign == HAlign::Center)
      x = left + (avail - lineWidth) / 2;
    const double top = box.T + gapY - 0.1 * size;
    const double ah = box.bh - 2 * gapY;
    double y = top + (i + 1) * lineHeight;
    if (memo.VAlign == VAlign::Bottom)
      y = top + ah - (count - i - 1) * lineHeight;
    else if (memo.VAlign == VAlign::Center)
      y = top + (ah - count * lineHeight) / 2 + (i + 1) * lineHeight;
    return {g.X(x) + xs, g.Y(y)};
  }

  // Relative to the rotated centre.
  QPointF Rotated(int i, double lineWidth, double xs) const {
    const double along = Sideways(angle) ? box.bh : box.bw;
    const double across = Sideways(angle) ? box.bw : box.bh;
    double x = 0.75 * (-along / 2);
    if (memo.HAlign == HAlign::Right)
      x = 0.75 * (along / 2 - lineWidth);
    else if (memo.HAlign == HAlign::Center)
      x = 0.75 * (-lineWidth / 2);
    double r = (i + 1) * lineHeight - count * lineHeight / 2;
    if (memo.VAlign == VAlign::Bottom)
      r = across / 2 - (count - i - 1) * lineHeight;
    else if (memo.VAlign == VAlign::Top)
      r = (i + 1) * lineHeight - across / 2;
    return {x + xs, -0.75 * r + 0.4 * size};
  }
};

// Shows a line with each glyph where the layout put its character, as a
// canvas draws it: the viewer's own advances (the font's nominal widths at
// the document's size) would make the line wider or narrower than the width
// it was wrapped to, and its end could cross the box. TJ moves the pen after
// each cluster by the difference. A right-to-left line keeps the viewer's
// advances.
void ShowLine(PDFPageContent& content, PDFFont& font, const QString& text, bool rightToLeft,
              const std::vector<int>& designAdvances, int size) {
  const std::vector<PDFShownGlyph> glyphs = font.ShowString(text, rightToLeft);
  std::u16string codes;
  const bool inTextOrder = std::is_sorted(glyphs.begin(), glyphs.end(),
                                          [](const auto& a, const auto& b) { return a.Cluster < b.Cluster; });
  if (rightToLeft || !inTextOrder || size <= 0) {
    for (const PDFShownGlyph& glyph : glyphs)
      codes.push_back(glyph.Code);
    content.Text("<");
    AppendPdfHexUnits(content.Data, codes);
    content.Text("> Tj\r\n");
    return;
  }
  // Design pixels (600 per inch) to thousandths of an em at `size` points.
  const double thousandthsPerDesignPixel = 72.0 / 600.0 / size * 1000.0;
  content.Text("[<");
  double nominal = 0;
  for (std::size_t k = 0; k < glyphs.size(); ++k) {
    codes.push_back(glyphs[k].Code);
    nominal += glyphs[k].Width;
    const bool clusterEnds = k + 1 == glyphs.size() || glyphs[k + 1].Cluster != glyphs[k].Cluster;
    if (!clusterEnds)
      continue;
    const int end = k + 1 == glyphs.size() ? int(text.size()) : glyphs[k + 1].Cluster;
    int advance = 0;
    for (int unit = glyphs[k].Cluster; unit < end && unit < int(designAdvances.size()); ++unit)
      advance += designAdvances[std::size_t(unit)];
    // Whole thousandths of an em: a hundredth of a point at the receipts' sizes.
    const auto shift = qint64(std::lround(nominal - advance * thousandthsPerDesignPixel));
    nominal = 0;
    if (k + 1 == glyphs.size() || shift == 0)
      continue;
    AppendPdfHexUnits(content.Data, codes);
    codes.clear();
    content.Text(">");
    AppendPdfInt(content.Data, shift);
    content.Text("<");
  }
  AppendPdfHexUnits(content.Data, codes);
  content.Text(">] TJ\r\n");
}

void WriteLines(PDFPageContent& content, const CustomMemoView& memo, const MemoBox& box,
                const Font& font, TextEngine& engine, PDFFonts& fonts) {
  const std::vector<TextEngine::WrappedLine>& lines = engine.Lines();
  const int count = engine.ShownLines();
  PDFFont& pdfFont = fonts[fonts.FindOrAdd(font)];
  const FontStyles simulated = pdfFont.SimulatedStyles(font.Style);
  const int size = font.Size();
  const Color textColor = font.Color == clNone ? clBlack : font.Color;
  content.Text(pdfFont.Name()).Text(" ").Text(PdfInt(size)).Text(" Tf\r\n").Color(textColor, "rg");
  if (memo.CharSpacing != 0)
    content.Numbers({pt(double(memo.CharSpacing))}).Text("Tc\r\n");
  engine.SetGaps(0, double(memo.CharSpacing), double(memo.LineSpacing));
  const LinePlacement placement{memo, box, engine.LineHeight(), size, count, engine.Rotation()};
  for (int i = 0; i < count; ++i) {
    if (lines[std::size_t(i)].Text.isEmpty())
      continue;
    // As wide as a canvas draws it: the characters' design advances, less the
    // spacing after the last one.
    const std::vector<int> advances = engine.DesignAdvances(i);
    const double lineWidth =
        (std::accumulate(advances.begin(), advances.end(), 0) - report::Round(double(memo.CharSpacing) * 600 / 96)) *
        96.0 / 600;
    const QPointF start = placement.At(content.Geometry, i, lineWidth);
    content.Text("BT\r\n").Numbers({start.x(), start.y()}).Text("Td\r\n");
    if (simulated & FontStyle::Italic)
      content.Text("1 0 0.3333 1 ").Numbers({start.x(), start.y()}).Text("Tm\r\n");
    if (simulated & FontStyle::Bold)
      content.Text("2 Tr ").Numbers({size / 35.0}).Text("w ").Color(textColor, "RG");
    ShowLine(content, pdfFont, lines[std::size_t(i)].Text, memo.RTLReading, advances, size);
    content.Text("ET\r\n");
    if (simulated & FontStyle::Bold)
      content.Text("0 Tr\r\n");
    const double xe = start.x() + 0.75 * lineWidth;
    for (const auto& [style, shift] : {std::pair{FontStyle::Underline, -0.12}, std::pair{FontStyle::StrikeOut, 0.28}}) {
      if (!(font.Style & style))
        continue;
      const double y = start.y() + shift * size;
      content.Color(font.Color, "RG").Numbers({0.08 * size}).Text("w\r\n");
      content.Numbers({start.x(), y}).Text("m\r\n").Numbers({xe, y}).Text("l\r\nS\r\n");
    }
  }
}

}  // namespace

void WritePDFMemoText(PDFPageContent& content, const CustomMemoView& memo, PDFFonts& fonts) {
  MemoBox box{double(memo.AbsLeft()), double(memo.AbsTop()), double(memo.Width()), double(memo.Height()), 0, 0};
  const double shadow = memo.Frame.DropShadow ? double(memo.Frame.ShadowWidth) : 0;
  box.bw = box.W - shadow;
  box.bh = box.H - shadow;
  WriteClipAndShadow(content, memo, box);
  {
    TextEngine& engine = SharedDrawText();
    const EngineLock engineLock(engine);
    const std::lock_guard exportLock(ExportMutex());
    const Font& font = memo.Highlight.Active ? memo.Highlight.Font : memo.Font();
    const Color fill = memo.Highlight.Active ? memo.Highlight.Color : memo.Color;
    engine.SetUseDefaultCharset(memo.UseDefaultCharset);
    engine.SetFont(font);
    engine.SetOptions(memo.WordWrap, memo.AllowHTMLTags, memo.RTLReading, memo.WordBreak, memo.Clipped,
                      memo.Wysiwyg, memo.Rotation);
    engine.SetGaps(double(memo.ParagraphGap), double(memo.CharSpacing), double(memo.LineSpacing));
    const Rect rect = TextRect(memo, box);
    engine.SetDimensions(1, 1, 1, rect, rect);
    engine.SetText(memo.Lines());
    const double lineHeight = engine.LineHeight();

    const PDFPageGeometry& g = content.Geometry;
    if (fill != clNone)
      content.Color(fill, "rg").Numbers({g.X(box.L), g.Y(box.T + box.bh), pt(box.bw), pt(box.bh)}).Text("re\r\nf\r\n");
    content.WriteFrame(memo.Frame, box.L, box.T, box.L + box.bw, box.T + box.bh);
    if (engine.Rotation() > 0)
      WriteRotation(content, box, engine.Rotation());
    if (memo.Underlines)
      WriteUnderlines(content, memo, box, lineHeight);
    if (!engine.Lines().empty())
      WriteLines(content, memo, box, font, engine, fonts);
  }
  content.Text("Q\r\n");
}

}  // namespace quitanza::report
