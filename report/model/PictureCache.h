#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QTemporaryFile;

namespace quitanza::report {

class Picture;

// The graphics of prepared picture objects, addressed by 1-based image index.
// Every Add makes a new entry, even for a graphic already held: an entry is
// the graphic's own stream form (a PNG or BMP file image, no class name).
class PictureCache {
public:
  PictureCache();
  ~PictureCache();

  // With inFile the entries go to a temporary file in `folder` (the system's
  // temporary folder when empty or missing) instead of memory.
  void SetCacheInFile(bool inFile, const QString& folder);
  void Clear();
  int Count() const { return static_cast<int>(m_entries.size()); }
  // Returns the new entry's index.
  int Add(const QByteArray& data);
  // The entry's bytes; empty for 0 or an index beyond the cache.
  QByteArray Data(int index) const;
  // Fills `picture` from an entry, the graphic class detected from the data;
  // an unknown index or unknown data leaves it empty.
  void Fill(int index, report::Picture& picture) const;

private:
  struct Entry {
    QByteArray Data;     // in memory
    qint64 Offset = -1;  // in the file
    qint64 Size = 0;
  };

  bool m_inFile = false;
  QString m_folder;
  std::unique_ptr<QTemporaryFile> m_file;
  std::vector<Entry> m_entries;
};

// The folder for the engine's temporary files: `folder` when it exists, else
// the system's temporary folder; names start with "fr".
QString TempFileTemplate(const QString& folder);

}  // namespace quitanza::report
