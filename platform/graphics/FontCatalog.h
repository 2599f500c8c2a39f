#pragma once

#include "platform/graphics/Font.h"
#include "platform/graphics/FontFace.h"
#include "platform/graphics/FontMatchCache.h"

#include <QHash>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

namespace quitanza::platform {

// Resolves a report font's family name and style to a font file through
// fontconfig and keeps every face it opened for the life of the process, so
// that measuring, drawing and PDF embedding all use the very same face.
// Names fontconfig knows by alias ("Arial") land on their metric-compatible
// replacement; unknown names land on the configured sans-serif face. Matches
// are kept between runs in the user's cache folder (FontMatchCache).
class FontCatalog {
public:
  static FontCatalog& Instance();

  // Never fails for a sane installation: when the requested family cannot be
  // opened, the sans-serif fallback is used; throws only when even that fails.
  const FontFace& Face(const QString& family, FontStyles style);

private:
  FontCatalog();
  const FontFace& OpenMatch(const QString& family, FontStyles style);
  const FontFace& OpenFile(const QString& path, int index);

  std::mutex m_mutex;
  FontMatchCache m_kept;
  QHash<QString, const FontFace*> m_byRequest;
  QHash<QString, const FontFace*> m_byFile;
  std::vector<std::unique_ptr<FontFace>> m_faces;
};

}  // namespace quitanza::platform
