#include "report/output/frxPDFFontFileCache.h"

#include "platform/FontFace.h"
#include "report/output/frxPDFFont.h"
#include "report/output/frxPDFStreamEncoder.h"

#include <map>
#include <mutex>
#include <tuple>

const TfrxPDFFontFile& frxCachedFontFile(const TfrxPDFFont& font, bool compressed, TfrxPDFStreamEncoder& encoder) {
  using Key = std::tuple<QString, int, bool>;
  static std::mutex mutex;
  static std::map<Key, TfrxPDFFontFile> cache;
  const std::lock_guard lock(mutex);
  const Key key{font.Face().FilePath(), font.Face().FaceIndex(), compressed};
  auto found = cache.find(key);
  if (found == cache.end()) {
    const QByteArray file = font.GetFontFile();
    const QByteArray data = compressed && !file.isEmpty() ? encoder.Encode(file, true, nullptr, 0) : file;
    found = cache.emplace(key, TfrxPDFFontFile{data, file.size()}).first;
  }
  return found->second;
}
