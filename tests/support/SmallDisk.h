#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of its own, a few dozen kilobytes large, for tests of what
// happens when the disk fills up: a tmpfs mounted on a fresh folder for the
// life of this object. Mounting needs root (as in CI); elsewhere Mounted()
// is false and the test skips.
class SmallDisk {
public:
  explicit SmallDisk(int kilobytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return m_mounted; }
  QString Path() const { return m_folder.path(); }
  QString FilePath(const QString& name) const { return m_folder.filePath(name); }

  // Fills what is left of the disk with a file of its own, but for
  // `leftBytes` (the disk hands out whole pages of 4 KB).
  void Fill(qint64 leftBytes = 0) const;

private:
  QTemporaryDir m_folder;
  bool m_mounted = false;
};
