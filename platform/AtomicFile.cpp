#include "platform/AtomicFile.h"

#include "platform/FileError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

void WriteFileAtomically(const QString& path, const std::function<void(const TByteSink&)>& produce)
{
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  QSaveFile file(fullPath);
  if (!file.open(QIODevice::WriteOnly)) throw TFileError::UnableToWrite(fullPath, file.errorString());
  produce([&](QByteArrayView bytes) {
    // A write may take only part of the bytes without an error (the disk filled
    // up midway); the rest is written again until it goes or the system says why not.
    while (!bytes.isEmpty()) {
      const qint64 written = file.write(bytes.data(), bytes.size());
      if (written <= 0) throw TFileError::UnableToWrite(fullPath, file.errorString());
      bytes = bytes.sliced(written);
    }
  });
  if (!file.commit()) throw TFileError::UnableToWrite(fullPath, file.errorString());
}

void WriteFileAtomically(const QString& path, QByteArrayView content)
{
  WriteFileAtomically(path, [content](const TByteSink& write) { write(content); });
}

QByteArray ReadWholeFile(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw TFileError::UnableToRead(QFileInfo(path).absoluteFilePath(), file.errorString());
  }
  QByteArray content = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw TFileError::UnableToRead(QFileInfo(path).absoluteFilePath(), file.errorString());
  }
  return content;
}
