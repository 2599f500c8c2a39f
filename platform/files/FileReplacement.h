#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <memory>

namespace quitanza::platform {

// Writes a file so that no failure leaves a cut one in its place.
//
// A regular file, or one that does not exist yet, is written beside itself
// under a temporary name; Commit() flushes it to disk and renames it over the
// old one. Until then, and for good when any step fails or the object is
// destroyed without a Commit(), the old file stays exactly as it was and the
// temporary one is removed. A symbolic link is followed: its target is
// replaced and the link stays. A device or a FIFO cannot be replaced without
// breaking the machine (/dev/null turned into a plain file): it is written
// directly. A folder is refused, and so is a file its owner may not write.
//
// Every failure throws FileError (UnableToWrite) naming the file as given
// and the system's reason.
class FileReplacement {
public:
  explicit FileReplacement(const QString& path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // The file's full path as given, before links are followed.
  const QString& Path() const { return m_path; }

  // Unbuffered: every write reaches the system at once and a refusal
  // (a full disk) is seen by the write that met it.
  QIODevice& Device();
  // Throws when the system takes fewer bytes than given.
  void Write(QByteArrayView bytes);
  // Appends `length` bytes of the open file `source` from `offset` on,
  // copied inside the system where it can. Returns how many it copied:
  // fewer when the source ends first. Throws when copying fails.
  qint64 CopyFrom(int source, qint64 offset, qint64 length);

  // Flushes the content to disk, then puts the file in place. Throws, with
  // the old file untouched, when any of it fails.
  void Commit();

private:
  class DescriptorDevice;

  [[noreturn]] void Fail(const QString& reason);
  void Discard();

  QString m_path;
  QString m_target;     // the path links lead to
  QString m_temporary;  // empty when writing the target directly
  int m_descriptor = -1;
  std::unique_ptr<DescriptorDevice> m_device;
};

}  // namespace quitanza::platform
