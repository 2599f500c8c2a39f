#include "platform/GlyphRun.h"

#include "platform/FontFace.h"
#include "platform/TextShaper.h"

std::vector<GlyphAdvance> ShapeGlyphRun(const FontFace& face, QStringView text, bool rightToLeft)
{
  TextShaper shaper;
  const std::vector<ShapedGlyph>& glyphs = shaper.Shape(face, text, rightToLeft);
  std::vector<GlyphAdvance> result;
  result.reserve(glyphs.size());
  for (const ShapedGlyph& g : glyphs)
    result.push_back({static_cast<std::uint16_t>(g.Glyph), face.ToThousandths(g.Advance)});
  return result;
}
