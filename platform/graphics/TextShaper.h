#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct hb_buffer_t;

namespace quitanza::platform {

class FontFace;

// One glyph of a shaped line, in the font's design units. Cluster is the
// UTF-16 index of the first unit of the character cluster the glyph belongs to.
struct ShapedGlyph {
  std::uint32_t Glyph = 0;
  int Cluster = 0;
  int Advance = 0;
  int OffsetX = 0;
  int OffsetY = 0;
};

// Shapes UTF-16 text with HarfBuzz into glyphs in display order. Keeps its
// buffers between calls, so one shaper per surface costs no allocation per line,
// and the lines it shaped last: a report's labels are the same on every page.
class TextShaper {
public:
  TextShaper();
  ~TextShaper();
  TextShaper(const TextShaper&) = delete;
  TextShaper& operator=(const TextShaper&) = delete;

  // The result stays valid until the next call.
  const std::vector<ShapedGlyph>& Shape(const FontFace& face, QStringView text, bool rightToLeftBase);

private:
  void ShapeRun(const FontFace& face, QStringView text, int start, int length, bool rightToLeft,
                std::vector<ShapedGlyph>& glyphs);

  struct LineKey {
    const FontFace* Face;
    bool RightToLeftBase;
    QString Text;
    bool operator==(const LineKey&) const = default;
  };
  struct LineKeyHash {
    std::size_t operator()(const LineKey& key) const noexcept;
  };

  hb_buffer_t* m_buffer;
  std::unordered_map<LineKey, std::vector<ShapedGlyph>, LineKeyHash> m_shaped;
};

}  // namespace quitanza::platform
