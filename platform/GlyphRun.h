#pragma once

#include <QStringView>

#include <cstdint>
#include <vector>

class FontFace;

struct GlyphAdvance {
  std::uint16_t Glyph = 0;
  int Advance = 0;  // thousandths of an em
};

// The glyphs of one line in display order (right-to-left runs reversed, the
// whole line read right to left when rightToLeft is set), each with its
// advance in thousandths of an em: what a PDF text string and its width
// table need.
std::vector<GlyphAdvance> ShapeGlyphRun(const FontFace& face, QStringView text, bool rightToLeft);
