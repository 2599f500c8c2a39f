#pragma once

#include <QString>

#include <stdexcept>

namespace quitanza::platform {

// A file that could not be read or written. The message names the file and the
// system's reason; Path() and Reason() let a caller word its own message.
class FileError : public std::runtime_error {
public:
  FileError(const QString& message, QString path, QString reason)
    : std::runtime_error(message.toStdString()), m_path(std::move(path)), m_reason(std::move(reason))
  {
  }

  const QString& Path() const { return m_path; }
  const QString& Reason() const { return m_reason; }

  static FileError UnableToRead(const QString& path, const QString& reason)
  {
    return {QStringLiteral(u"Não foi possível ler %1: %2").arg(path, reason), path, reason};
  }
  static FileError UnableToWrite(const QString& path, const QString& reason)
  {
    return {QStringLiteral(u"Não foi possível gravar %1: %2").arg(path, reason), path, reason};
  }

private:
  QString m_path;
  QString m_reason;
};

}  // namespace quitanza::platform
