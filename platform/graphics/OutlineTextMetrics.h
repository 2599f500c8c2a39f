#pragma once

namespace quitanza::platform {

class FontFace;

// A face's outline metrics scaled to an em size in pixels (an em of 1000
// gives thousandths of an em, as a PDF font descriptor wants them).
struct OutlineTextMetrics {
  int BoxLeft = 0, BoxBottom = 0, BoxRight = 0, BoxTop = 0;
  int ItalicAngle = 0;  // tenths of a degree, negative when leaning right
  int Ascent = 0;
  int Descent = 0;  // negative: below the baseline
  int InternalLeading = 0;  // cell height minus the em
  int CapHeight = 0;
  int Weight = 400;
  int AverageWidth = 0;
  int MaximumWidth = 0;
  char16_t DefaultChar = 0;

  static OutlineTextMetrics Of(const FontFace& face, double pixelsPerEm);
};

}  // namespace quitanza::platform
