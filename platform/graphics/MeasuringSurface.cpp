#include "platform/graphics/MeasuringSurface.h"

#include "platform/graphics/FontCatalog.h"

#include <cmath>

MeasuringSurface::MeasuringSurface(int pixelsPerInchX, int pixelsPerInchY)
    : pixelsPerInchX_(pixelsPerInchX), pixelsPerInchY_(pixelsPerInchY),
      face_(&FontCatalog::Instance().Face(font_.Name, font_.Style))
{
}

void MeasuringSurface::SetFont(const TFont& font)
{
  const bool faceChanges = font.Name != font_.Name || ((font.Style ^ font_.Style) & (fsBold | fsItalic)) != 0;
  font_ = font;
  if (faceChanges)
    face_ = &FontCatalog::Instance().Face(font_.Name, font_.Style);
}

void MeasuringSurface::SetFontStyle(TFontStyles style)
{
  if (style == font_.Style)
    return;
  TFont font = font_;
  font.Style = style;
  SetFont(font);
}

double MeasuringSurface::PixelsPerEm() const
{
  return face_->PixelsPerEm(font_.Height);
}

double MeasuringSurface::DesignUnitsToPixels() const
{
  return PixelsPerEm() / face_->Metrics().UnitsPerEm;
}

int MeasuringSurface::Ascent() const
{
  return static_cast<int>(std::nearbyint(face_->Metrics().WinAscent * DesignUnitsToPixels()));
}

int MeasuringSurface::Descent() const
{
  return static_cast<int>(std::nearbyint(face_->Metrics().WinDescent * DesignUnitsToPixels()));
}

void MeasuringSurface::PartialExtents(QStringView text, std::vector<int>& extents)
{
  const auto count = static_cast<std::size_t>(text.size());
  extents.resize(count);
  unitWidths_.assign(count, 0);
  for (const ShapedGlyph& glyph : shaper_.Shape(*face_, text, false))
    unitWidths_[static_cast<std::size_t>(glyph.Cluster)] += glyph.Advance;
  // Rounding the running total (not each advance) keeps the extents within
  // half a pixel of the exact width however long the text is.
  const double scale = DesignUnitsToPixels();
  long long running = 0;
  for (std::size_t i = 0; i < count; ++i) {
    running += unitWidths_[i];
    extents[i] = static_cast<int>(std::nearbyint(static_cast<double>(running) * scale));
  }
}
