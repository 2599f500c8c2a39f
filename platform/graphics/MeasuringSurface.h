#pragma once

#include "platform/graphics/Font.h"
#include "platform/graphics/TextShaper.h"

#include <QStringView>

#include <vector>

namespace quitanza::platform {

class FontFace;

// A surface that holds a font and measures text with it. Measuring uses the
// font's own outlines (no hinting, no device), so the same font height gives
// the same extents on every surface; the resolution only tells callers how
// to choose that height.
class MeasuringSurface {
public:
  MeasuringSurface(int pixelsPerInchX, int pixelsPerInchY);
  virtual ~MeasuringSurface() = default;
  MeasuringSurface(const MeasuringSurface&) = delete;
  MeasuringSurface& operator=(const MeasuringSurface&) = delete;

  int PixelsPerInchX() const { return m_pixelsPerInchX; }
  int PixelsPerInchY() const { return m_pixelsPerInchY; }

  // Font.Height is in device pixels: negative = em height, positive = cell height.
  const platform::Font& Font() const { return m_font; }
  void SetFont(const platform::Font& font);
  void SetFontStyle(FontStyles style);
  void SetFontColor(platform::Color color) { m_font.Color = color; }
  const FontFace& Face() const { return *m_face; }
  double PixelsPerEm() const;
  // Character cell above and below the baseline, in pixels.
  int Ascent() const;
  int Descent() const;

  // extents[i] = width in pixels of UTF-16 units 0..i. Units that continue a
  // character cluster (combining marks, low surrogates, ligature tails) add
  // nothing, so every unit has a width and the sum is the shaped width.
  // Extents are 32-bit: any length is measured in one pass.
  void PartialExtents(QStringView text, std::vector<int>& extents);

protected:
  TextShaper& Shaper() { return m_shaper; }
  double DesignUnitsToPixels() const;

private:
  int m_pixelsPerInchX;
  int m_pixelsPerInchY;
  platform::Font m_font;
  const FontFace* m_face;
  TextShaper m_shaper;
  std::vector<long long> m_unitWidths;
};

}  // namespace quitanza::platform
