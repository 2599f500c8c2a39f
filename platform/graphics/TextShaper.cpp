#include "platform/graphics/TextShaper.h"

#include "platform/graphics/BidiRuns.h"
#include "platform/graphics/FontFace.h"

#include <hb.h>

TextShaper::TextShaper() : buffer_(hb_buffer_create()) {}

TextShaper::~TextShaper()
{
  hb_buffer_destroy(buffer_);
}

const std::vector<ShapedGlyph>& TextShaper::Shape(const FontFace& face, QStringView text, bool rightToLeftBase)
{
  glyphs_.clear();
  for (const BidiRun& run : VisualRuns(text, rightToLeftBase))
    ShapeRun(face, text, run.Start, run.Length, run.RightToLeft);
  return glyphs_;
}

void TextShaper::ShapeRun(const FontFace& face, QStringView text, int start, int length, bool rightToLeft)
{
  hb_buffer_clear_contents(buffer_);
  // The whole line goes in as context so that shaping across run edges
  // (Arabic joining, for one) sees its neighbours; clusters are line indices.
  hb_buffer_add_utf16(buffer_, reinterpret_cast<const uint16_t*>(text.utf16()), static_cast<int>(text.size()),
                      static_cast<unsigned>(start), length);
  hb_buffer_set_direction(buffer_, rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  hb_buffer_guess_segment_properties(buffer_);
  hb_shape(face.HarfBuzzFont(), buffer_, nullptr, 0);

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer_, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, nullptr);
  glyphs_.reserve(glyphs_.size() + count);
  for (unsigned k = 0; k < count; ++k)
    glyphs_.push_back({infos[k].codepoint, static_cast<int>(infos[k].cluster), positions[k].x_advance,
                       positions[k].x_offset, positions[k].y_offset});
}
