#include "platform/storage/DataFolderLock.h"

#include "platform/files/FileError.h"

#include <QDir>

#include <stdexcept>

namespace quitanza::platform {

DataFolderLock::DataFolderLock(const QString& folder, std::chrono::milliseconds patience)
{
  const QString path = QDir(folder).absoluteFilePath(QString::fromUtf16(LockFileName));
  m_lock = std::make_unique<QLockFile>(path);
  // Without this a lock older than the default 30 seconds counts as stale even
  // while its process runs, and the desktop program holds it for hours.
  m_lock->setStaleLockTime(0);
  if (m_lock->tryLock(patience)) return;
  if (m_lock->error() == QLockFile::LockFailedError) {
    throw std::runtime_error(
      QStringLiteral("Os dados em %1 estão em uso por outro processo do Quitanza.").arg(QDir::toNativeSeparators(QDir(folder).absolutePath())).toStdString());
  }
  throw FileError::UnableToWrite(path, m_lock->error() == QLockFile::PermissionError ? QStringLiteral(u"permissão negada")
                                                                                     : QStringLiteral(u"erro desconhecido"));
}

}  // namespace quitanza::platform
