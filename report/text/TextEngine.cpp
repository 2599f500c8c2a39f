#include "report/text/TextEngine.h"

#include "report/text/Hyphenation.h"
#include "report/text/Placement.h"

#include <QStringList>

#include <cmath>
#include <mutex>

namespace quitanza::report {

using namespace platform;

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

TextEngine::TextEngine() : m_canvas(m_defPPI, m_defPPI) {}

void TextEngine::Lock()
{
  engineMutex().lock();
}

void TextEngine::Unlock()
{
  engineMutex().unlock();
}

void TextEngine::SetFont(const platform::Font& font)
{
  m_fontSize = font.Size();
  platform::Font measuring = m_canvas.Font();
  measuring.Name = font.Name;
  measuring.Style = font.Style;
  measuring.Charset = font.Charset;
  measuring.Color = font.Color;
  measuring.Height = -report::Round(m_fontSize * double(m_defPPI) / 72);
  if (!(measuring == m_canvas.Font()))
    m_canvas.SetFont(measuring);
}

void TextEngine::SetOptions(bool wordWrap, bool htmlTags, bool rtlReading, bool wordBreak, bool clipped,
                            bool wysiwyg, int rotation)
{
  m_wordWrap = wordWrap;
  m_htmlTags.m_allowTags = htmlTags;
  m_rtlReading = rtlReading;
  m_wordBreak = wordBreak;
  m_wysiwyg = wysiwyg;
  m_options = (clipped ? 4 : 0) | (rtlReading ? 0x80 : 0);
  // Normalised here, not only when drawing, so that a text at -90 also wraps
  // at the box height like one at 270.
  m_rotation = ((rotation % 360) + 360) % 360;
}

void TextEngine::SetGaps(double paragraphGap, double charSpacing, double lineSpacing)
{
  m_paragraphGap = paragraphGap;
  m_charSpacing = charSpacing;
  m_lineSpacing = lineSpacing;
}

void TextEngine::SetDimensions(double scaleX, double scaleY, double printScale, const platform::Rect& originalRect,
                               const platform::Rect& scaledRect)
{
  m_scaleX = scaleX;
  m_scaleY = scaleY;
  m_printScale = printScale;
  m_originalRect = originalRect;
  m_scaledRect = scaledRect;
}

int TextEngine::MeasuringHeight() const
{
  return std::abs(m_canvas.Font().Height);
}

int TextEngine::MeasureCharWidths(std::vector<int>& widths, const QString& text, bool running, int spacing,
                                  const report::HTMLTags& tags, MeasuringSurface& surface)
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
    const HTMLTag* tag = i < int(tags.size()) ? &tags[i] : nullptr;
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
      width = report::Round(width / 1.5);
    total += width;
    widths[i] = running && i > 0 ? width + widths[i - 1] : width;
  }
  return total;
}

void TextEngine::SetText(const QStringList& text)
{
  m_plainText.clear();
  m_text.clear();
  if (text.isEmpty())
    return;
  const FontStyles measuringStyle = m_canvas.Font().Style;
  m_htmlTags.SetDefaults(m_canvas.Font().Color, m_fontSize, measuringStyle);
  const bool sideways = (m_rotation >= 90 && m_rotation <= 179) || (m_rotation >= 270 && m_rotation <= 359);
  const int boxWidth = sideways ? m_originalRect.Height() : m_originalRect.Width();
  const int maxWidth = report::Round(designPerReportPixel * boxWidth);
  const int spacing = report::Round(designPerReportPixel * m_charSpacing);
  const int firstWidth = report::Round(designPerReportPixel * (boxWidth - m_paragraphGap));
  for (const QString& source : text) {
    const QString line = source.isEmpty() ? QStringLiteral(" ") : source;
    m_plainText += line;
    m_plainText += QStringLiteral("\r\n");
    const std::size_t first = m_text.size();
    WrapParagraph(line, maxWidth, spacing, firstWidth);
    m_text[first].Flags |= lfParagraphStart;
    m_text.back().Flags |= lfParagraphEnd;
  }
  m_canvas.SetFontStyle(measuringStyle);
}

void TextEngine::AddLine(const QString& text, const report::HTMLTags& tags, int from, int to, bool hyphen)
{
  m_text.push_back({text, 0});
  report::HTMLTags& lineTags = m_htmlTags.Lines.emplace_back(tags.begin() + from, tags.begin() + to);
  if (hyphen)
    lineTags.push_back(lineTags.back());
}

void TextEngine::WrapParagraph(QString text, int maxWidth, int spacing, int firstWidth)
{
  report::HTMLTags& tags = m_paragraphTags;
  m_htmlTags.ExpandHTMLTags(text, tags);
  m_htmlTags.SkipPositions(2);
  const int length = static_cast<int>(text.size());
  if (length <= 1 || !m_wordWrap) {
    AddLine(text, tags, 0, length, false);
    if (!tags[0].Default)
      m_canvas.SetFontStyle(tags[0].Style);
    return;
  }
  if (MeasureCharWidths(m_tempArray, text, true, spacing, tags, m_canvas) < firstWidth) {
    AddLine(text, tags, 0, length, false);
    return;
  }

  // Positions are 1-based below: cum(i) is the running width up to character i.
  const auto cum = [this](int i) { return m_tempArray[static_cast<std::size_t>(i - 1)]; };
  const auto at = [&text](int i) { return text[i - 1]; };
  const bool noWrapSpans = m_htmlTags.m_allowTags;
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
      const QString part = m_wordBreak ? HyphenateWord(text, brk + 1, i) : QString();
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
      const QString part = m_wordBreak ? HyphenateWord(text, start, i) : QString();
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

void TextEngine::SetParaBreaks(bool firstParaBreak, bool lastParaBreak)
{
  if (m_text.empty())
    return;
  if (firstParaBreak)
    m_text.front().Flags &= ~lfParagraphStart;
  if (lastParaBreak)
    m_text.back().Flags &= ~lfParagraphEnd;
}

double TextEngine::TextHeight() const
{
  return MeasuringHeight() / designPerReportPixel;
}

double TextEngine::LineHeight() const
{
  return TextHeight() + m_lineSpacing;
}

double TextEngine::CalcHeight()
{
  if (m_text.empty())
    return 0;
  double height = LineHeight() * double(m_text.size());
  if (m_lineSpacing < 0)
    height -= m_lineSpacing;
  return height;
}

int TextEngine::DesignLineWidth(std::size_t index)
{
  const FontStyles measuringStyle = m_canvas.Font().Style;
  const WrappedLine& line = m_text[index];
  const int width = MeasureCharWidths(m_tempArray, line.Text, false, 0, m_htmlTags.Lines[index], m_canvas) +
                    report::Round(designPerReportPixel * double(line.Text.size()) * m_charSpacing);
  m_canvas.SetFontStyle(measuringStyle);
  return width;
}

double TextEngine::CalcWidth()
{
  int widest = 0;
  for (std::size_t i = 0; i < m_text.size(); ++i) {
    int width = DesignLineWidth(i);
    if (m_text[i].Flags & lfParagraphStart)
      width += report::Round(designPerReportPixel * m_paragraphGap);
    widest = std::max(widest, width);
  }
  return widest / designPerReportPixel;
}

std::vector<int> TextEngine::DesignAdvances(int index)
{
  const FontStyles measuringStyle = m_canvas.Font().Style;
  std::vector<int> advances;
  const WrappedLine& line = m_text[std::size_t(index)];
  MeasureCharWidths(advances, line.Text, false, report::Round(designPerReportPixel * m_charSpacing),
                    m_htmlTags.Lines[std::size_t(index)], m_canvas);
  m_canvas.SetFontStyle(measuringStyle);
  return advances;
}

double TextEngine::UnusedSpace() const
{
  const double available = m_originalRect.Height() + 1;
  const int lines = static_cast<int>(std::trunc(available / LineHeight()));
  if (lines == 0)
    return 0;
  const double rest = available - LineHeight() * lines;
  return rest == 0 ? 0.0001 : rest;
}

int TextEngine::FittingLines() const
{
  const double pitch = LineHeight();
  if (pitch <= 0)
    return static_cast<int>(m_text.size());
  return static_cast<int>(std::floor((m_originalRect.Height() + 1 + m_lineSpacing) / pitch));
}

int TextEngine::ShownLines() const
{
  const int count = static_cast<int>(m_text.size());
  if (m_rotation != 0)
    return count;
  return std::min(count, std::max(1, FittingLines()));
}

QString TextEngine::GetOutBoundsText(bool& paraBreak)
{
  const int count = static_cast<int>(m_text.size());
  const int fitting = std::min(count, static_cast<int>(std::trunc((m_originalRect.Height() + 1) / LineHeight())));
  if (fitting >= count)
    return QString();
  paraBreak = fitting > 0 && !(m_text[fitting - 1].Flags & lfParagraphEnd);
  const HTMLTag first = m_htmlTags.Lines[fitting].front();
  QString rest = m_plainText.mid(first.Position - 1);
  if (paraBreak && rest.startsWith(u' '))
    rest.remove(0, 1);
  m_plainText.truncate(first.Position - 1);
  if (m_wordBreak && fitting > 0 && m_text[fitting - 1].Text.endsWith(u'-') && !m_plainText.endsWith(u'-'))
    m_plainText += u'-';
  m_text.resize(static_cast<std::size_t>(fitting));
  m_htmlTags.Lines.resize(static_cast<std::size_t>(fitting));
  if (!m_htmlTags.m_allowTags)
    return rest;
  QString prefix = QStringLiteral("<font color=\"%1\">").arg(htmlColor(first.Color));
  if (first.Style & FontStyle::Underline)
    prefix += QStringLiteral("<u>");
  if (first.Style & FontStyle::Italic)
    prefix += QStringLiteral("<i>");
  if (first.Style & FontStyle::Bold)
    prefix += QStringLiteral("<b>");
  return prefix + rest;
}

QString TextEngine::DeleteTags(const QString& text)
{
  HTMLTagsList parser;
  parser.m_allowTags = true;
  report::HTMLTags tags;
  QStringList lines = text.split(QStringLiteral("\r\n"));
  for (QString& line : lines) {
    // The sentinel keeps a line of tags only from turning into a space.
    line += u'\n';
    parser.ExpandHTMLTags(line, tags);
    line.chop(1);
  }
  return lines.join(QStringLiteral("\r\n"));
}

QString TextEngine::WrappedText() const
{
  QString result;
  for (std::size_t i = 0; i < m_text.size(); ++i) {
    if (i > 0)
      result += QStringLiteral("\r\n");
    result += m_text[i].Text;
  }
  return result;
}

TextEngine& SharedDrawText()
{
  static TextEngine engine;
  return engine;
}

}  // namespace quitanza::report
