#include "platform/storage/DataFolderLock.h"

#include "platform/files/FileError.h"

#include <QDir>

#include <stdexcept>

TDataFolderLock::TDataFolderLock(const QString& folder, std::chrono::milliseconds patience)
{
  const QString path = QDir(folder).absoluteFilePath(QString::fromUtf16(LockFileName));
  FLock = std::make_unique<QLockFile>(path);
  // Without this a lock older than the default 30 seconds counts as stale even
  // while its process runs, and the desktop program holds it for hours.
  FLock->setStaleLockTime(0);
  if (FLock->tryLock(patience)) return;
  if (FLock->error() == QLockFile::LockFailedError) {
    throw std::runtime_error(
      QStringLiteral("Os dados em %1 estão em uso por outro processo do Quitanza.").arg(QDir::toNativeSeparators(QDir(folder).absolutePath())).toStdString());
  }
  throw TFileError::UnableToWrite(path, FLock->error() == QLockFile::PermissionError ? QStringLiteral(u"permissão negada")
                                                                                     : QStringLiteral(u"erro desconhecido"));
}
