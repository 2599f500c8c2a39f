#include "report/output/PDFFont.h"

#include "platform/graphics/FontCatalog.h"
#include "platform/graphics/FontFace.h"
#include "report/output/PDFFontName.h"

#include <hb.h>

#include <algorithm>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr FontStyles DrawnStyles = FontStyle::Bold | FontStyle::Italic;
// One em of the entry's font in pixels at 96 per inch: a size of 750 points.
constexpr int EntrySizePoints = 750;
constexpr double EntryPixelsPerEm = 1000.0;

// The text of the cluster that starts at `cluster`: up to the next cluster
// start of the line, whatever the display order of the glyphs.
QString ClusterText(QStringView text, const std::vector<ShapedGlyph>& glyphs, int cluster,
                    std::vector<int>& clusterStarts) {
  if (clusterStarts.empty()) {
    for (const ShapedGlyph& glyph : glyphs)
      clusterStarts.push_back(glyph.Cluster);
    std::sort(clusterStarts.begin(), clusterStarts.end());
    clusterStarts.erase(std::unique(clusterStarts.begin(), clusterStarts.end()), clusterStarts.end());
  }
  const auto next = std::upper_bound(clusterStarts.begin(), clusterStarts.end(), cluster);
  const qsizetype end = next == clusterStarts.end() ? text.size() : *next;
  return text.sliced(cluster, end - cluster).toString();
}

bool IsTrueTypeFile(const QByteArray& file, int faceIndex) {
  const QByteArrayView tag = QByteArrayView(file).first(std::min<qsizetype>(4, file.size()));
  if (tag == QByteArrayView("\0\1\0\0", 4) || tag == "true")
    return true;
  // A reader takes the first face of a collection embedded whole.
  return tag == "ttcf" && faceIndex == 0;
}

}  // namespace

PDFFont::PDFFont(const platform::Font& font, int index)
    : m_name("/F" + QByteArray::number(index)),
      m_sourceFont(font),
      m_simulated(IsSimulatedStyleFont(font.Name)) {
  m_sourceFont.SetSize(EntrySizePoints);
  // A simulated-style font is drawn bold or italic by the page content; its
  // regular face is the one to show, or the style would be applied twice.
  const FontStyles faceStyle = m_simulated ? FontStyles() : FontStyles(font.Style & DrawnStyles);
  m_face = &FontCatalog::Instance().Face(font.Name, faceStyle);
  FillOutlineTextMetrix();
}

void PDFFont::FillOutlineTextMetrix() {
  // The catalog opens outline faces only (a name without one lands on the
  // sans-serif face), so metrics are always at hand.
  m_textMetric = OutlineTextMetrics::Of(*m_face, EntryPixelsPerEm);
}

bool PDFFont::Serves(const platform::Font& font) const {
  return font.Name == m_sourceFont.Name && (m_simulated || font.Style == m_sourceFont.Style);
}

FontStyles PDFFont::SimulatedStyles(FontStyles requested) const {
  const FontStyles wanted = requested & DrawnStyles;
  if (m_simulated)
    return wanted;
  FontStyles missing = {};
  if ((wanted & FontStyle::Bold) && !m_face->IsBold())
    missing |= FontStyle::Bold;
  if ((wanted & FontStyle::Italic) && !m_face->IsItalic())
    missing |= FontStyle::Italic;
  return missing;
}

std::u16string PDFFont::RemapString(QStringView text, bool rightToLeft) {
  std::u16string codes;
  for (const PDFShownGlyph& glyph : ShowString(text, rightToLeft))
    codes.push_back(glyph.Code);
  return codes;
}

std::vector<PDFShownGlyph> PDFFont::ShowString(QStringView text, bool rightToLeft) {
  std::vector<PDFShownGlyph> shown;
  if (text.isEmpty())
    return shown;
  std::lock_guard lock(m_measuring);
  const std::vector<ShapedGlyph>& glyphs = m_shaper.Shape(*m_face, text, rightToLeft);
  shown.reserve(glyphs.size());
  std::vector<int> clusterStarts;
  for (std::size_t k = 0; k < glyphs.size(); ++k) {
    const auto glyph = static_cast<std::uint16_t>(glyphs[k].Glyph);
    shown.push_back({char16_t(glyph), glyphs[k].Cluster, NominalAdvance(glyph)});
    if (m_used[glyph])
      continue;
    m_used[glyph] = true;
    // The glyph stands for the characters of its cluster, so accents typed
    // as combining marks, ligatures and mixed directions all map back to
    // their text. A cluster drawn with several glyphs gives its text to the
    // first and the font's default character to the others.
    const bool startsCluster = k == 0 || glyphs[k - 1].Cluster != glyphs[k].Cluster;
    QString unicode = startsCluster ? ClusterText(text, glyphs, glyphs[k].Cluster, clusterStarts)
                                    : QString(QChar(m_textMetric.DefaultChar));
    m_usedAlphabet.push_back({glyph, shown.back().Width, std::move(unicode)});
  }
  return shown;
}

int PDFFont::NominalAdvance(std::uint16_t glyph) {
  // The width table holds one width per glyph: its own advance, without the
  // kerning that shaping applied next to one particular neighbour. Every
  // glyph shown asks; the face answers once per glyph.
  if (m_nominalAdvances.empty())
    m_nominalAdvances.assign(std::size_t(1) << 16, -1);
  int& advance = m_nominalAdvances[glyph];
  if (advance < 0)
    advance = m_face->ToThousandths(hb_font_get_glyph_h_advance(m_face->HarfBuzzFont(), glyph));
  return advance;
}

QByteArray PDFFont::GetFontName() const {
  return report::GetFontName(m_sourceFont.Name, m_sourceFont.Style);
}

bool PDFFont::IsSubstitute() const {
  return m_face->FamilyName().compare(m_sourceFont.Name, Qt::CaseInsensitive) != 0;
}

QByteArray PDFFont::GetFontFile() const {
  QByteArray file = m_face->FileBytes();
  if (!IsTrueTypeFile(file, m_face->FaceIndex()))
    return {};
  return file;
}

}  // namespace quitanza::report
