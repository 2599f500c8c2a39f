#include "platform/files/FileReplacement.h"

#include "platform/files/FileError.h"
#include "platform/files/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quitanza::platform {

namespace {

constexpr int MaxLinksFollowed = 40;  // as the system itself gives up (ELOOP)

QByteArray Native(const QString& path)
{
  return QFile::encodeName(path);
}

// Where the links starting at `path` lead; the path itself when it is no link.
// A dangling link leads to the file it names, which is then created.
QString FollowLinks(const QString& path)
{
  QString current = path;
  for (int followed = 0; followed < MaxLinksFollowed; ++followed) {
    const QFileInfo info(current);
    if (!info.isSymLink())
      return current;
    current = QDir::cleanPath(info.symLinkTarget());
  }
  throw FileError::UnableToWrite(path, SystemErrorText(ELOOP));
}

int WriteAll(int descriptor, const char* data, qint64 size)
{
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, static_cast<size_t>(size));
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    data += written;
    size -= written;
  }
  return 0;
}

}  // namespace

// A write-only view of the open descriptor for code that writes to a QIODevice.
class FileReplacement::DescriptorDevice final : public QIODevice {
public:
  explicit DescriptorDevice(int descriptor) : m_descriptor(descriptor)
  {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  bool isSequential() const override { return true; }

protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override
  {
    if (const int error = WriteAll(m_descriptor, data, size)) {
      setErrorString(SystemErrorText(error));
      return -1;
    }
    return size;
  }

private:
  int m_descriptor;
};

FileReplacement::FileReplacement(const QString& path) : m_path(QFileInfo(path).absoluteFilePath())
{
  m_target = FollowLinks(m_path);
  struct stat existing {};
  const bool exists = ::stat(Native(m_target).constData(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode))
    Fail(SystemErrorText(EISDIR));
  // A file its owner made read-only is kept, although its folder would let
  // a new file take its name.
  if (exists && ::access(Native(m_target).constData(), W_OK) != 0)
    Fail(SystemErrorText(errno));
  if (exists && !S_ISREG(existing.st_mode)) {
    m_descriptor = ::open(Native(m_target).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (m_descriptor < 0)
      Fail(SystemErrorText(errno));
  } else {
    const QFileInfo target(m_target);
    do {
      m_temporary = target.dir().filePath(QStringLiteral(".%1.%2.tmp")
                                           .arg(target.fileName())
                                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
      // 0666 less the umask, as for any new file; an old file's permissions are kept.
      m_descriptor = ::open(Native(m_temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (m_descriptor < 0 && errno == EEXIST);
    if (m_descriptor < 0) {
      const int error = errno;
      m_temporary.clear();
      Fail(SystemErrorText(error));
    }
    if (exists && ::fchmod(m_descriptor, existing.st_mode & 07777) != 0)
      Fail(SystemErrorText(errno));
  }
  m_device = std::make_unique<DescriptorDevice>(m_descriptor);
}

FileReplacement::~FileReplacement()
{
  Discard();
}

QIODevice& FileReplacement::Device()
{
  return *m_device;
}

void FileReplacement::Write(QByteArrayView bytes)
{
  if (m_descriptor < 0)
    Fail(QStringLiteral(u"o arquivo já foi fechado"));
  if (const int error = WriteAll(m_descriptor, bytes.data(), bytes.size()))
    Fail(SystemErrorText(error));
}

qint64 FileReplacement::CopyFrom(int source, qint64 offset, qint64 length)
{
  if (m_descriptor < 0)
    Fail(QStringLiteral(u"o arquivo já foi fechado"));
  qint64 copied = 0;
  // The kernel copies between page caches: no byte is mapped or read here.
  while (copied < length) {
    loff_t from = offset + copied;
    const ssize_t done = ::copy_file_range(source, &from, m_descriptor, nullptr, static_cast<size_t>(length - copied), 0);
    if (done > 0) {
      copied += done;
      continue;
    }
    if (done == 0)
      return copied;
    if (errno == EINTR)
      continue;
    // Systems and file systems that cannot copy this way: through a buffer.
    if (errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL)
      Fail(SystemErrorText(errno));
    break;
  }
  QByteArray buffer(1 << 20, Qt::Uninitialized);
  while (copied < length) {
    const ssize_t got = ::pread(source, buffer.data(), static_cast<size_t>(std::min<qint64>(buffer.size(), length - copied)),
                                offset + copied);
    if (got == 0)
      break;
    if (got < 0) {
      if (errno == EINTR)
        continue;
      Fail(SystemErrorText(errno));
    }
    if (const int error = WriteAll(m_descriptor, buffer.constData(), got))
      Fail(SystemErrorText(error));
    copied += got;
  }
  return copied;
}

void FileReplacement::Commit()
{
  if (m_descriptor < 0)
    Fail(QStringLiteral(u"o arquivo já foi fechado"));
  // A device or FIFO has nothing to flush to disk, and some refuse the call.
  if (!m_temporary.isEmpty() && ::fsync(m_descriptor) != 0)
    Fail(SystemErrorText(errno));
  m_device.reset();
  const int descriptor = m_descriptor;
  m_descriptor = -1;
  if (::close(descriptor) != 0)
    Fail(SystemErrorText(errno));
  if (m_temporary.isEmpty())
    return;
  if (::rename(Native(m_temporary).constData(), Native(m_target).constData()) != 0)
    Fail(SystemErrorText(errno));
  m_temporary.clear();
  // The new name reaches the disk with the folder. The file is in place
  // already, so a folder that refuses to be flushed (some file systems do)
  // changes nothing the caller could act on.
  const int folder = ::open(Native(QFileInfo(m_target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

void FileReplacement::Fail(const QString& reason)
{
  Discard();
  throw FileError::UnableToWrite(m_path, reason);
}

void FileReplacement::Discard()
{
  m_device.reset();
  if (m_descriptor >= 0) {
    ::close(m_descriptor);
    m_descriptor = -1;
  }
  if (!m_temporary.isEmpty()) {
    ::unlink(Native(m_temporary).constData());
    m_temporary.clear();
  }
}

}  // namespace quitanza::platform
