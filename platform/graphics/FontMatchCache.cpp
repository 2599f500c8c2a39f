#include "platform/graphics/FontMatchCache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <cstdlib>

namespace quitanza::platform {

namespace {

constexpr quint32 Magic = 0x515a464d;  // "QZFM"
constexpr qint32 Version = 1;

// What a path is now: its modification time, inode and size, or absent.
QByteArray Stamp(const QString& path)
{
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0)
    return QByteArrayLiteral("-");
  return QByteArray::number(static_cast<qint64>(status.st_mtim.tv_sec)) + '.' +
         QByteArray::number(static_cast<qint64>(status.st_mtim.tv_nsec)) + ':' +
         QByteArray::number(static_cast<quint64>(status.st_ino)) + ':' + QByteArray::number(static_cast<qint64>(status.st_size));
}

// The environment fontconfig's answers depend on: where its configuration
// and the user's files are, and the language it prefers faces for.
QByteArray Environment()
{
  QByteArray environment;
  for (const char* name : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME", "XDG_CONFIG_HOME",
                           "XDG_DATA_HOME", "LANG", "LANGUAGE", "LC_ALL", "LC_CTYPE"}) {
    const char* value = std::getenv(name);
    environment += QByteArray(name) + '=' + (value ? QByteArray(value) : QByteArrayLiteral("\x01")) + '\n';
  }
  return environment;
}

QString EnvironmentPath(const char* name, const QString& otherwise)
{
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? otherwise : QFile::decodeName(value);
}

void AddStrings(QStringList& paths, FcStrList* list)
{
  if (list == nullptr)
    return;
  while (FcChar8* path = FcStrListNext(list))
    paths << QFile::decodeName(reinterpret_cast<const char*>(path));
  FcStrListDone(list);
}

}  // namespace

FontMatchCache::FontMatchCache(QString file) : m_file(std::move(file))
{
  QFile input(m_file);
  if (m_file.isEmpty() || !input.open(QIODevice::ReadOnly))
    return;
  QDataStream stream(&input);
  quint32 magic = 0;
  qint32 version = 0;
  QByteArray environment;
  QList<std::pair<QString, QByteArray>> watched;
  QList<std::pair<QString, std::pair<QString, qint32>>> matches;
  stream >> magic >> version;
  if (magic != Magic || version != Version)
    return;
  stream >> environment >> watched >> matches;
  if (stream.status() != QDataStream::Ok || environment != Environment())
    return;
  for (const auto& [path, stamp] : watched) {
    if (Stamp(path) != stamp)
      return;
  }
  for (const auto& [request, location] : matches)
    m_matches.insert(request, {location.first, location.second});
}

std::optional<FontFileLocation> FontMatchCache::Find(const QString& request) const
{
  const auto found = m_matches.constFind(request);
  if (found == m_matches.cend())
    return std::nullopt;
  return *found;
}

void FontMatchCache::Store(const QString& request, const FontFileLocation& location, const QStringList& watchedPaths)
{
  m_matches.insert(request, location);
  if (m_file.isEmpty() || !QDir().mkpath(QFileInfo(m_file).path()))
    return;
  QList<std::pair<QString, QByteArray>> watched;
  for (const QString& path : watchedPaths)
    watched.append({path, Stamp(path)});
  QList<std::pair<QString, std::pair<QString, qint32>>> matches;
  for (auto match = m_matches.cbegin(); match != m_matches.cend(); ++match)
    matches.append({match.key(), {match->Path, match->Index}});
  QSaveFile output(m_file);
  if (!output.open(QIODevice::WriteOnly))
    return;
  QDataStream stream(&output);
  stream << Magic << Version << Environment() << watched << matches;
  output.commit();
}

void FontMatchCache::Forget() { m_matches.clear(); }

QStringList FontconfigWatchedPaths()
{
  QStringList paths;
  QStringList configFiles;
  AddStrings(configFiles, FcConfigGetConfigFiles(nullptr));
  for (const QString& file : configFiles) {
    // A file added beside one, and the file a link in conf.d points at.
    const QString target = QFileInfo(file).canonicalFilePath();
    paths << file << QFileInfo(file).path();
    if (!target.isEmpty())
      paths << target << QFileInfo(target).path();
  }
  AddStrings(paths, FcConfigGetConfigDirs(nullptr));
  AddStrings(paths, FcConfigGetFontDirs(nullptr));
  // What a user may create: fontconfig reads it from then on.
  const QString home = QDir::homePath();
  const QString configHome = EnvironmentPath("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
  const QString dataHome = EnvironmentPath("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
  paths << configHome + QStringLiteral("/fontconfig") << configHome + QStringLiteral("/fontconfig/fonts.conf")
        << configHome + QStringLiteral("/fontconfig/conf.d") << home + QStringLiteral("/.fonts.conf")
        << home + QStringLiteral("/.fonts.conf.d") << dataHome + QStringLiteral("/fonts") << home + QStringLiteral("/.fonts");
  paths.removeDuplicates();
  return paths;
}

}  // namespace quitanza::platform
