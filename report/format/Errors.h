#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace quitanza::report {

// Base of every error the report engine raises; the message is the text shown
// to the user and collected in the report's error list.
class ReportError : public std::exception {
public:
  explicit ReportError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
  const QString& Message() const { return m_message; }
  const char* what() const noexcept override { return m_utf8.constData(); }

private:
  QString m_message;
  QByteArray m_utf8;
};

// A template or prepared-report text that does not follow the file dialect.
class InvalidXMLException : public ReportError {
public:
  InvalidXMLException() : ReportError(QStringLiteral("Invalid file format")) {}
};

// Renaming an object to a name that another object of its report already has.
class DuplicateNameError : public ReportError {
public:
  DuplicateNameError() : ReportError(QStringLiteral("prDupl")) {}
};

}  // namespace quitanza::report
