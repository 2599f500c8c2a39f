#include "report/output/PDFFontFileCache.h"

#include "platform/graphics/FontFace.h"
#include "report/output/PDFFont.h"
#include "report/output/PDFFontSubset.h"
#include "report/output/PDFStreamEncoder.h"

#include <deque>
#include <map>
#include <mutex>
#include <tuple>

namespace quitanza::report {

using namespace platform;

namespace {

// Enough for the faces of a few layouts in turn; a subset is tens of kilobytes.
constexpr std::size_t KeptSubsets = 16;

PDFFontFile StreamData(const QByteArray& file, bool compressed, PDFStreamEncoder& encoder) {
  return {compressed && !file.isEmpty() ? encoder.Encode(file, true, nullptr, 0) : file, file.size()};
}

}  // namespace

const PDFFontFile& CachedFontFile(const PDFFont& font, bool compressed, PDFStreamEncoder& encoder) {
  using Key = std::tuple<QString, int, bool>;
  static std::mutex mutex;
  static std::map<Key, PDFFontFile> cache;
  const std::lock_guard lock(mutex);
  const Key key{font.Face().FilePath(), font.Face().FaceIndex(), compressed};
  auto found = cache.find(key);
  if (found == cache.end()) {
    found = cache.emplace(key, StreamData(font.GetFontFile(), compressed, encoder)).first;
  }
  return found->second;
}

PDFFontFile CachedFontSubset(const PDFFont& font, bool compressed, PDFStreamEncoder& encoder) {
  struct Entry {
    const FontFace* face;
    bool compressed;
    QByteArray glyphs;
    PDFFontFile file;
  };
  static std::mutex mutex;
  static std::deque<Entry> cache;
  QByteArray glyphs;
  for (const PDFGlyph& glyph : font.UsedAlphabet())
    glyphs.append(reinterpret_cast<const char*>(&glyph.Glyph), sizeof glyph.Glyph);
  const std::lock_guard lock(mutex);
  for (const Entry& entry : cache) {
    if (entry.face == &font.Face() && entry.compressed == compressed && entry.glyphs == glyphs)
      return entry.file;
  }
  if (cache.size() == KeptSubsets)
    cache.pop_front();
  const QByteArray subset = SubsetFontProgram(font.Face(), font.UsedAlphabet());
  return cache.emplace_back(Entry{&font.Face(), compressed, glyphs, StreamData(subset, compressed, encoder)}).file;
}

}  // namespace quitanza::report
