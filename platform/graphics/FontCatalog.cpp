#include "platform/graphics/FontCatalog.h"

#include <QStandardPaths>

#include <fontconfig/fontconfig.h>

#include <stdexcept>

namespace quitanza::platform {

namespace {

FontFileLocation matchWithFontconfig(const QString& family, FontStyles style)
{
  FcPattern* pattern = FcPatternCreate();
  const QByteArray familyUtf8 = family.toUtf8();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyUtf8.constData()));
  FcPatternAddInteger(pattern, FC_WEIGHT, (style & FontStyle::Bold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, (style & FontStyle::Italic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);

  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  FontFileLocation location;
  if (match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
      location.Path = QString::fromUtf8(reinterpret_cast<const char*>(file));
    FcPatternGetInteger(match, FC_INDEX, 0, &location.Index);
    FcPatternDestroy(match);
  }
  if (location.Path.isEmpty())
    throw std::runtime_error("No font file found for \"" + family.toStdString() + "\"");
  return location;
}

QString requestKey(const QString& family, FontStyles style)
{
  return family + QLatin1Char('\n') + QString::number(style & (FontStyle::Bold | FontStyle::Italic));
}

// In the user's cache folder; none without a home to hold it.
QString KeptMatchesFile()
{
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  return cache.isEmpty() ? QString() : cache + QStringLiteral("/quitanza/fontes");
}

}  // namespace

FontCatalog::FontCatalog() : m_kept(KeptMatchesFile()) {}

FontCatalog& FontCatalog::Instance()
{
  static FontCatalog catalog;
  return catalog;
}

const FontFace& FontCatalog::Face(const QString& family, FontStyles style)
{
  std::lock_guard lock(m_mutex);
  const QString key = requestKey(family, style);
  if (const FontFace* known = m_byRequest.value(key))
    return *known;
  const FontFace* face = nullptr;
  try {
    face = &OpenMatch(family, style);
  } catch (const std::runtime_error&) {
    // A broken or missing file behind a name must not stop a report: the
    // text is still laid out, with the generic face.
    face = &OpenMatch(QStringLiteral("sans-serif"), style);
  }
  m_byRequest.insert(key, face);
  return *face;
}

const FontFace& FontCatalog::OpenMatch(const QString& family, FontStyles style)
{
  const QString request = requestKey(family, style);
  if (const std::optional<FontFileLocation> kept = m_kept.Find(request)) {
    try {
      return OpenFile(kept->Path, kept->Index);
    } catch (const std::runtime_error&) {
      // The file went away while its folder kept its stamp: fontconfig
      // decides again, for every request.
      m_kept.Forget();
    }
  }
  const FontFileLocation location = matchWithFontconfig(family, style);
  m_kept.Store(request, location, FontconfigWatchedPaths());
  return OpenFile(location.Path, location.Index);
}

const FontFace& FontCatalog::OpenFile(const QString& path, int index)
{
  const QString key = path + QLatin1Char('#') + QString::number(index);
  if (const FontFace* known = m_byFile.value(key))
    return *known;
  m_faces.push_back(std::make_unique<FontFace>(path, index));
  m_byFile.insert(key, m_faces.back().get());
  return *m_faces.back();
}

}  // namespace quitanza::platform
