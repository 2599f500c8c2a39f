#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace quitanza::platform {

// Where a font request lands: a font file and the face in it.
struct FontFileLocation {
  QString Path;
  int Index = 0;
  bool operator==(const FontFileLocation&) const = default;
};

// Font matches kept in a file between runs. Asking fontconfig starts with
// reading its whole configuration, about a quarter of what issuing one
// receipt costs, while the answers only change when fonts or the
// configuration do. The kept matches hold while every configuration file
// and font folder fontconfig read (and the user's configuration places it
// would read) is as it was when they were made, as fontconfig checks its
// own caches, and while the environment that steers it is the same.
class FontMatchCache {
public:
  // `file`: where the matches are kept; read at once when it is valid.
  explicit FontMatchCache(QString file);

  std::optional<FontFileLocation> Find(const QString& request) const;
  // Keeps a match fontconfig made, with the files and folders it read,
  // and writes the file again. A file that cannot be written only costs the
  // next run the time this cache saves.
  void Store(const QString& request, const FontFileLocation& location, const QStringList& watchedPaths);
  // Drops every kept match: one of them no longer opens.
  void Forget();

private:
  QString m_file;
  QHash<QString, FontFileLocation> m_matches;
};

// The configuration files, font folders and user configuration places of
// fontconfig's current configuration, which has been loaded.
QStringList FontconfigWatchedPaths();

}  // namespace quitanza::platform
