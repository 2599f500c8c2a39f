#include "report/text/frxGraphicUtils.h"

#include "report/text/frxGraphicUtilsHyphen.h"
#include "report/text/frxGraphicUtilsRound.h"

#include <QStringList>

#include <cmath>
#include <mutex>

using namespace quitanza::platform;

namespace {

std::recursive_mutex& engineMutex()
{
  static std::recursive_mutex mutex;
  return mutex;
}

constexpr double designPerReportPixel = 600.0 / 96.0;

QString htmlColor(Color color)
{
  return QStringLiteral("#%1%2%3")
      .arg(ColorRed(color), 2, 16, QLatin1Char('0'))
      .arg(ColorGreen(color), 2, 16, QLatin1Char('0'))
      .arg(ColorBlue(color), 2, 16, QLatin1Char('0'))
      .toUpper();
}

}  // namespace

TfrxDrawText::TfrxDrawText() : FCanvas(FDefPPI, FDefPPI) {}

void TfrxDrawText::Lock()
{
  engineMutex().lock();
}

void TfrxDrawText::Unlock()
{
  engineMutex().unlock();
}

void TfrxDrawText::SetFont(const quitanza::platform::Font& font)
{
  FFontSize = font.Size();
  quitanza::platform::Font measuring = FCanvas.Font();
  measuring.Name = font.Name;
  measuring.Style = font.Style;
  measuring.Charset = font.Charset;
  measuring.Color = font.Color;
  measuring.Height = -frxRound(FFontSize * double(FDefPPI) / 72);
  if (!(measuring == FCanvas.Font()))
    FCanvas.SetFont(measuring);
}

void TfrxDrawText::SetOptions(bool wordWrap, bool htmlTags, bool rtlReading, bool wordBreak, bool clipped,
                              bool wysiwyg, int rotation)
{
  FWordWrap = wordWrap;
  FHTMLTags.FAllowTags = htmlTags;
  FRTLReading = rtlReading;
  FWordBreak = wordBreak;
  FWysiwyg = wysiwyg;
  FOptions = (clipped ? 4 : 0) | (rtlReading ? 0x80 : 0);
  // Normalised here, not only when drawing, so that a text at -90 also wraps
  // at the box height like one at 270.
  FRotation = ((rotation % 360) + 360) % 360;
}

void TfrxDrawText::SetGaps(double paragraphGap, double charSpacing, double lineSpacing)
{
  FParagraphGap = paragraphGap;
  FCharSpacing = charSpacing;
  FLineSpacing = lineSpacing;
}

void TfrxDrawText::SetDimensions(double scaleX, double scaleY, double printScale, const quitanza::platform::Rect& originalRect,
                                 const quitanza::platform::Rect& scaledRect)
{
  FScaleX = scaleX;
  FScaleY = scaleY;
  FPrintScale = printScale;
  FOriginalRect = originalRect;
  FScaledRect = scaledRect;
}

int TfrxDrawText::MeasuringHeight() const
{
  return std::abs(FCanvas.Font().Height);
}

int TfrxDrawText::MeasureCharWidths(std::vector<int>& widths, const QString& text, bool running, int spacing,
                                    const TfrxHTMLTags& tags, MeasuringSurface& surface)
{
  const int count = static_cast<int>(text.size());
  widths.resize(static_cast<std::size_t>(count));
  if (count == 0)
    return 0;
  if (!tags.empty() && !tags[0].Default)
    surface.SetFontStyle(tags[0].Style);
  // Extents are measured into the output buffer itself and turned into
  // widths in place: extents[i - 1] is read before widths[i - 1] replaces it.
  surface.PartialExtents(text, widths);
  int previousExtent = 0;
  int total = 0;
  for (int i = 0; i < count; ++i) {
    const TfrxHTMLTag* tag = i < int(tags.size()) ? &tags[i] : nullptr;
    if (i > 0 && tag && !tag->Default) {
      surface.SetFontStyle(tag->Style);
      const int written = i;  // widths[0..i-1] are final; re-measure the rest
      std::vector<int> extents;
      surface.PartialExtents(text, extents);
      previousExtent = extents[i - 1];
      std::copy(extents.begin() + written, extents.end(), widths.begin() + written);
    }
    const int extent = widths[i];
    int width = extent - previousExtent + spacing;
    previousExtent = extent;
    if (tag && tag->Small)
      width = frxRound(width / 1.5);
    total += width;
    widths[i] = running && i > 0 ? width + widths[i - 1] : width;
  }
  return total;
}

void TfrxDrawText::SetText(const QStringList& text)
{
  FPlainText.clear();
  FText.clear();
  if (text.isEmpty())
    return;
  const FontStyles measuringStyle = FCanvas.Font().Style;
  FHTMLTags.SetDefaults(FCanvas.Font().Color, FFontSize, measuringStyle);
  const bool sideways = (FRotation >= 90 && FRotation <= 179) || (FRotation >= 270 && FRotation <= 359);
  const int boxWidth = sideways ? FOriginalRect.Height() : FOriginalRect.Width();
  const int maxWidth = frxRound(designPerReportPixel * boxWidth);
  const int spacing = frxRound(designPerReportPixel * FCharSpacing);
  const int firstWidth = frxRound(designPerReportPixel * (boxWidth - FParagraphGap));
  for (const QString& source : text) {
    const QString line = source.isEmpty() ? QStringLiteral(" ") : source;
    FPlainText += line;
    FPlainText += QStringLiteral("\r\n");
    const std::size_t first = FText.size();
    WrapParagraph(line, maxWidth, spacing, firstWidth);
    FText[first].Flags |= lfParagraphStart;
    FText.back().Flags |= lfParagraphEnd;
  }
  FCanvas.SetFontStyle(measuringStyle);
}

void TfrxDrawText::AddLine(const QString& text, const TfrxHTMLTags& tags, int from, int to, bool hyphen)
{
  FText.push_back({text, 0});
  TfrxHTMLTags& lineTags = FHTMLTags.Lines.emplace_back(tags.begin() + from, tags.begin() + to);
  if (hyphen)
    lineTags.push_back(lineTags.back());
}

void TfrxDrawText::WrapParagraph(QString text, int maxWidth, int spacing, int firstWidth)
{
  TfrxHTMLTags& tags = FParagraphTags;
  FHTMLTags.ExpandHTMLTags(text, tags);
  FHTMLTags.SkipPositions(2);
  const int length = static_cast<int>(text.size());
  if (length <= 1 || !FWordWrap) {
    AddLine(text, tags, 0, length, false);
    if (!tags[0].Default)
      FCanvas.SetFontStyle(tags[0].Style);
    return;
  }
  if (MeasureCharWidths(FTempArray, text, true, spacing, tags, FCanvas) < firstWidth) {
    AddLine(text, tags, 0, length, false);
    return;
  }

  // Positions are 1-based below: cum(i) is the running width up to character i.
  const auto cum = [this](int i) { return FTempArray[static_cast<std::size_t>(i - 1)]; };
  const auto at = [&text](int i) { return text[i - 1]; };
  const bool noWrapSpans = FHTMLTags.FAllowTags;
  int start = 1, brk = 1, offset = 0, limit = firstWidth;
  for (int i = 1; i <= length;) {
    if (at(i) == u' ' && !(noWrapSpans && tags[i - 1].DontWRAP))
      brk = i;
    if (limit >= cum(i) - offset) {
      ++i;
      continue;
    }
    QString line;
    bool hyphen = false;
    if (brk != start) {
      const QString part = FWordBreak ? HyphenateWord(text, brk + 1, i) : QString();
      if (!part.isEmpty()) {
        line = text.mid(start - 1, brk - start + 1) + part + QLatin1Char('-');
        brk += static_cast<int>(part.size());
        hyphen = true;
      } else {
        line = text.mid(start - 1, brk - start);
      }
    } else if (i == start) {
      line = text.mid(i - 1, 1);
    } else {
      const QString part = FWordBreak ? HyphenateWord(text, start, i) : QString();
      if (!part.isEmpty()) {
        line = part + QLatin1Char('-');
        brk = start - 1 + static_cast<int>(part.size());
        hyphen = true;
      } else {
        line = text.mid(start - 1, i - start);
        brk = i - 1;
      }
    }
    AddLine(line, tags, start - 1, brk, hyphen);
    if (!hyphen && brk < length && tags[brk].Default)
      tags[brk].AssignFormat(tags[brk - 1]);
    start = brk + 1;
    offset = cum(brk);
    brk = start;
    limit = maxWidth;
    i = start;
  }
  if (start <= length)
    AddLine(text.mid(start - 1), tags, start - 1, length, false);
}

void TfrxDrawText::SetParaBreaks(bool firstParaBreak, bool lastParaBreak)
{
  if (FText.empty())
    return;
  if (firstParaBreak)
    FText.front().Flags &= ~lfParagraphStart;
  if (lastParaBreak)
    FText.back().Flags &= ~lfParagraphEnd;
}

double TfrxDrawText::TextHeight() const
{
  return MeasuringHeight() / designPerReportPixel;
}

double TfrxDrawText::LineHeight() const
{
  return TextHeight() + FLineSpacing;
}

double TfrxDrawText::CalcHeight()
{
  if (FText.empty())
    return 0;
  double height = LineHeight() * double(FText.size());
  if (FLineSpacing < 0)
    height -= FLineSpacing;
  return height;
}

int TfrxDrawText::DesignLineWidth(std::size_t index)
{
  const FontStyles measuringStyle = FCanvas.Font().Style;
  const TfrxWrappedLine& line = FText[index];
  const int width = MeasureCharWidths(FTempArray, line.Text, false, 0, FHTMLTags.Lines[index], FCanvas) +
                    frxRound(designPerReportPixel * double(line.Text.size()) * FCharSpacing);
  FCanvas.SetFontStyle(measuringStyle);
  return width;
}

double TfrxDrawText::CalcWidth()
{
  int widest = 0;
  for (std::size_t i = 0; i < FText.size(); ++i) {
    int width = DesignLineWidth(i);
    if (FText[i].Flags & lfParagraphStart)
      width += frxRound(designPerReportPixel * FParagraphGap);
    widest = std::max(widest, width);
  }
  return widest / designPerReportPixel;
}

std::vector<int> TfrxDrawText::DesignAdvances(int index)
{
  const FontStyles measuringStyle = FCanvas.Font().Style;
  std::vector<int> advances;
  const TfrxWrappedLine& line = FText[std::size_t(index)];
  MeasureCharWidths(advances, line.Text, false, frxRound(designPerReportPixel * FCharSpacing),
                    FHTMLTags.Lines[std::size_t(index)], FCanvas);
  FCanvas.SetFontStyle(measuringStyle);
  return advances;
}

double TfrxDrawText::UnusedSpace() const
{
  const double available = FOriginalRect.Height() + 1;
  const int lines = static_cast<int>(std::trunc(available / LineHeight()));
  if (lines == 0)
    return 0;
  const double rest = available - LineHeight() * lines;
  return rest == 0 ? 0.0001 : rest;
}

int TfrxDrawText::FittingLines() const
{
  const double pitch = LineHeight();
  if (pitch <= 0)
    return static_cast<int>(FText.size());
  return static_cast<int>(std::floor((FOriginalRect.Height() + 1 + FLineSpacing) / pitch));
}

int TfrxDrawText::ShownLines() const
{
  const int count = static_cast<int>(FText.size());
  if (FRotation != 0)
    return count;
  return std::min(count, std::max(1, FittingLines()));
}

QString TfrxDrawText::GetOutBoundsText(bool& paraBreak)
{
  const int count = static_cast<int>(FText.size());
  const int fitting = std::min(count, static_cast<int>(std::trunc((FOriginalRect.Height() + 1) / LineHeight())));
  if (fitting >= count)
    return QString();
  paraBreak = fitting > 0 && !(FText[fitting - 1].Flags & lfParagraphEnd);
  const TfrxHTMLTag first = FHTMLTags.Lines[fitting].front();
  QString rest = FPlainText.mid(first.Position - 1);
  if (paraBreak && rest.startsWith(u' '))
    rest.remove(0, 1);
  FPlainText.truncate(first.Position - 1);
  if (FWordBreak && fitting > 0 && FText[fitting - 1].Text.endsWith(u'-') && !FPlainText.endsWith(u'-'))
    FPlainText += u'-';
  FText.resize(static_cast<std::size_t>(fitting));
  FHTMLTags.Lines.resize(static_cast<std::size_t>(fitting));
  if (!FHTMLTags.FAllowTags)
    return rest;
  QString prefix = QStringLiteral("<font color=\"%1\">").arg(htmlColor(first.Color));
  if (first.Style & fsUnderline)
    prefix += QStringLiteral("<u>");
  if (first.Style & fsItalic)
    prefix += QStringLiteral("<i>");
  if (first.Style & fsBold)
    prefix += QStringLiteral("<b>");
  return prefix + rest;
}

QString TfrxDrawText::DeleteTags(const QString& text)
{
  TfrxHTMLTagsList parser;
  parser.FAllowTags = true;
  TfrxHTMLTags tags;
  QStringList lines = text.split(QStringLiteral("\r\n"));
  for (QString& line : lines) {
    // The sentinel keeps a line of tags only from turning into a space.
    line += u'\n';
    parser.ExpandHTMLTags(line, tags);
    line.chop(1);
  }
  return lines.join(QStringLiteral("\r\n"));
}

QString TfrxDrawText::WrappedText() const
{
  QString result;
  for (std::size_t i = 0; i < FText.size(); ++i) {
    if (i > 0)
      result += QStringLiteral("\r\n");
    result += FText[i].Text;
  }
  return result;
}

TfrxDrawText& frxDrawText()
{
  static TfrxDrawText engine;
  return engine;
}
