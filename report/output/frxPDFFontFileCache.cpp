#include "report/output/frxPDFFontFileCache.h"

#include "platform/graphics/FontFace.h"
#include "report/output/frxPDFFont.h"
#include "report/output/frxPDFFontSubset.h"
#include "report/output/frxPDFStreamEncoder.h"

#include <deque>
#include <map>
#include <mutex>
#include <tuple>

using namespace quitanza::platform;

namespace {

// Enough for the faces of a few layouts in turn; a subset is tens of kilobytes.
constexpr std::size_t KeptSubsets = 16;

TfrxPDFFontFile StreamData(const QByteArray& file, bool compressed, TfrxPDFStreamEncoder& encoder) {
  return {compressed && !file.isEmpty() ? encoder.Encode(file, true, nullptr, 0) : file, file.size()};
}

}  // namespace

const TfrxPDFFontFile& frxCachedFontFile(const TfrxPDFFont& font, bool compressed, TfrxPDFStreamEncoder& encoder) {
  using Key = std::tuple<QString, int, bool>;
  static std::mutex mutex;
  static std::map<Key, TfrxPDFFontFile> cache;
  const std::lock_guard lock(mutex);
  const Key key{font.Face().FilePath(), font.Face().FaceIndex(), compressed};
  auto found = cache.find(key);
  if (found == cache.end()) {
    found = cache.emplace(key, StreamData(font.GetFontFile(), compressed, encoder)).first;
  }
  return found->second;
}

TfrxPDFFontFile frxCachedFontSubset(const TfrxPDFFont& font, bool compressed, TfrxPDFStreamEncoder& encoder) {
  struct Entry {
    const FontFace* face;
    bool compressed;
    QByteArray glyphs;
    TfrxPDFFontFile file;
  };
  static std::mutex mutex;
  static std::deque<Entry> cache;
  QByteArray glyphs;
  for (const TfrxPDFGlyph& glyph : font.UsedAlphabet())
    glyphs.append(reinterpret_cast<const char*>(&glyph.Glyph), sizeof glyph.Glyph);
  const std::lock_guard lock(mutex);
  for (const Entry& entry : cache) {
    if (entry.face == &font.Face() && entry.compressed == compressed && entry.glyphs == glyphs)
      return entry.file;
  }
  if (cache.size() == KeptSubsets)
    cache.pop_front();
  const QByteArray subset = frxSubsetFontProgram(font.Face(), font.UsedAlphabet());
  return cache.emplace_back(Entry{&font.Face(), compressed, glyphs, StreamData(subset, compressed, encoder)}).file;
}
