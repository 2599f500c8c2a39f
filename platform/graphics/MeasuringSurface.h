#pragma once

#include "platform/graphics/Font.h"
#include "platform/graphics/TextShaper.h"

#include <QStringView>

#include <vector>

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

  int PixelsPerInchX() const { return pixelsPerInchX_; }
  int PixelsPerInchY() const { return pixelsPerInchY_; }

  // Font.Height is in device pixels: negative = em height, positive = cell height.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  void SetFontStyle(TFontStyles style);
  void SetFontColor(TColor color) { font_.Color = color; }
  const FontFace& Face() const { return *face_; }
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
  TextShaper& Shaper() { return shaper_; }
  double DesignUnitsToPixels() const;

private:
  int pixelsPerInchX_;
  int pixelsPerInchY_;
  TFont font_;
  const FontFace* face_;
  TextShaper shaper_;
  std::vector<long long> unitWidths_;
};
