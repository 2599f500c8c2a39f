#include "platform/graphics/MeasuringSurface.h"

#include "platform/graphics/FontCatalog.h"

#include <cmath>

namespace quitanza::platform {

MeasuringSurface::MeasuringSurface(int pixelsPerInchX, int pixelsPerInchY)
    : m_pixelsPerInchX(pixelsPerInchX), m_pixelsPerInchY(pixelsPerInchY),
      m_face(&FontCatalog::Instance().Face(m_font.Name, m_font.Style))
{
}

void MeasuringSurface::SetFont(const platform::Font& font)
{
  const bool faceChanges = font.Name != m_font.Name || ((font.Style ^ m_font.Style) & (FontStyle::Bold | FontStyle::Italic)) != 0;
  m_font = font;
  if (faceChanges)
    m_face = &FontCatalog::Instance().Face(m_font.Name, m_font.Style);
}

void MeasuringSurface::SetFontStyle(FontStyles style)
{
  if (style == m_font.Style)
    return;
  platform::Font font = m_font;
  font.Style = style;
  SetFont(font);
}

double MeasuringSurface::PixelsPerEm() const
{
  return m_face->PixelsPerEm(m_font.Height);
}

double MeasuringSurface::DesignUnitsToPixels() const
{
  return PixelsPerEm() / m_face->Metrics().UnitsPerEm;
}

int MeasuringSurface::Ascent() const
{
  return static_cast<int>(std::nearbyint(m_face->Metrics().WinAscent * DesignUnitsToPixels()));
}

int MeasuringSurface::Descent() const
{
  return static_cast<int>(std::nearbyint(m_face->Metrics().WinDescent * DesignUnitsToPixels()));
}

void MeasuringSurface::PartialExtents(QStringView text, std::vector<int>& extents)
{
  const auto count = static_cast<std::size_t>(text.size());
  extents.resize(count);
  m_unitWidths.assign(count, 0);
  for (const ShapedGlyph& glyph : m_shaper.Shape(*m_face, text, false))
    m_unitWidths[static_cast<std::size_t>(glyph.Cluster)] += glyph.Advance;
  // Rounding the running total (not each advance) keeps the extents within
  // half a pixel of the exact width however long the text is.
  const double scale = DesignUnitsToPixels();
  long long running = 0;
  for (std::size_t i = 0; i < count; ++i) {
    running += m_unitWidths[i];
    extents[i] = static_cast<int>(std::nearbyint(static_cast<double>(running) * scale));
  }
}

}  // namespace quitanza::platform
