#include "platform/graphics/OutlineTextMetrics.h"

#include "platform/graphics/FontFace.h"

#include <cmath>

namespace quitanza::platform {

OutlineTextMetrics OutlineTextMetrics::Of(const FontFace& face, double pixelsPerEm)
{
  const FontFileMetrics& m = face.Metrics();
  const double scale = pixelsPerEm / m.UnitsPerEm;
  const auto px = [scale](int designUnits) { return static_cast<int>(std::lround(designUnits * scale)); };
  OutlineTextMetrics result;
  result.BoxLeft = px(m.BoxLeft);
  result.BoxBottom = px(m.BoxBottom);
  result.BoxRight = px(m.BoxRight);
  result.BoxTop = px(m.BoxTop);
  result.ItalicAngle = static_cast<int>(std::lround(m.ItalicAngleDegrees * 10));
  result.Ascent = px(m.WinAscent);
  result.Descent = -px(m.WinDescent);
  result.InternalLeading = result.Ascent - result.Descent - static_cast<int>(std::lround(pixelsPerEm));
  result.CapHeight = px(m.CapHeight);
  result.Weight = m.Weight;
  result.AverageWidth = px(m.AverageWidth);
  result.MaximumWidth = px(m.MaximumWidth);
  result.DefaultChar = m.DefaultChar;
  return result;
}

}  // namespace quitanza::platform
