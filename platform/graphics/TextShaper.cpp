#include "platform/graphics/TextShaper.h"

#include "platform/graphics/BidiRuns.h"
#include "platform/graphics/FontFace.h"

#include <QHashFunctions>

#include <hb.h>

namespace quitanza::platform {

TextShaper::TextShaper() : m_buffer(hb_buffer_create()) {}

TextShaper::~TextShaper()
{
  hb_buffer_destroy(m_buffer);
}

namespace {

// Enough for every distinct line of a few pages; past it the lines start over.
constexpr std::size_t KeptLines = 4096;

}  // namespace

std::size_t TextShaper::LineKeyHash::operator()(const LineKey& key) const noexcept
{
  return qHash(key.Text, reinterpret_cast<std::size_t>(key.Face)) ^ static_cast<std::size_t>(key.RightToLeftBase);
}

const std::vector<ShapedGlyph>& TextShaper::Shape(const FontFace& face, QStringView text, bool rightToLeftBase)
{
  LineKey key{&face, rightToLeftBase, text.toString()};
  if (const auto known = m_shaped.find(key); known != m_shaped.end())
    return known->second;
  if (m_shaped.size() >= KeptLines)
    m_shaped.clear();
  std::vector<ShapedGlyph> glyphs;
  for (const BidiRun& run : VisualRuns(text, rightToLeftBase))
    ShapeRun(face, text, run.Start, run.Length, run.RightToLeft, glyphs);
  return m_shaped.emplace(std::move(key), std::move(glyphs)).first->second;
}

void TextShaper::ShapeRun(const FontFace& face, QStringView text, int start, int length, bool rightToLeft,
                          std::vector<ShapedGlyph>& glyphs)
{
  hb_buffer_clear_contents(m_buffer);
  // The whole line goes in as context so that shaping across run edges
  // (Arabic joining, for one) sees its neighbours; clusters are line indices.
  hb_buffer_add_utf16(m_buffer, reinterpret_cast<const uint16_t*>(text.utf16()), static_cast<int>(text.size()),
                      static_cast<unsigned>(start), length);
  hb_buffer_set_direction(m_buffer, rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  hb_buffer_guess_segment_properties(m_buffer);
  hb_shape(face.HarfBuzzFont(), m_buffer, nullptr, 0);

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(m_buffer, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(m_buffer, nullptr);
  glyphs.reserve(glyphs.size() + count);
  for (unsigned k = 0; k < count; ++k)
    glyphs.push_back({infos[k].codepoint, static_cast<int>(infos[k].cluster), positions[k].x_advance,
                       positions[k].x_offset, positions[k].y_offset});
}

}  // namespace quitanza::platform
