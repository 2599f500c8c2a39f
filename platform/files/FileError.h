#pragma once

#include <QString>

#include <stdexcept>

// A file that could not be read or written. The message names the file and the
// system's reason; Path() and Reason() let a caller word its own message.
class TFileError : public std::runtime_error {
public:
  TFileError(const QString& message, QString path, QString reason)
    : std::runtime_error(message.toStdString()), FPath(std::move(path)), FReason(std::move(reason))
  {
  }

  const QString& Path() const { return FPath; }
  const QString& Reason() const { return FReason; }

  static TFileError UnableToRead(const QString& path, const QString& reason)
  {
    return {QStringLiteral(u"Não foi possível ler %1: %2").arg(path, reason), path, reason};
  }
  static TFileError UnableToWrite(const QString& path, const QString& reason)
  {
    return {QStringLiteral(u"Não foi possível gravar %1: %2").arg(path, reason), path, reason};
  }

private:
  QString FPath;
  QString FReason;
};
