#include "platform/files/AtomicFile.h"

#include "platform/files/FileError.h"
#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quitanza::platform {

void WriteFileAtomically(const QString& path, const std::function<void(const ByteSink&)>& produce)
{
  FileReplacement file(path);
  produce([&](QByteArrayView bytes) { file.Write(bytes); });
  file.Commit();
}

void WriteFileAtomically(const QString& path, QByteArrayView content)
{
  WriteFileAtomically(path, [content](const ByteSink& write) { write(content); });
}

QByteArray ReadWholeFile(const QString& path)
{
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  const int descriptor = ::open(QFile::encodeName(fullPath).constData(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0)
    throw FileError::UnableToRead(fullPath, SystemErrorText(errno));
  QByteArray content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got == 0)
      break;
    if (got < 0) {
      if (errno == EINTR)
        continue;
      const int error = errno;
      ::close(descriptor);
      throw FileError::UnableToRead(fullPath, SystemErrorText(error));
    }
    content.append(buffer, got);
  }
  ::close(descriptor);
  return content;
}

}  // namespace quitanza::platform
