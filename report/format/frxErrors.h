#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// Base of every error the report engine raises; the message is the text shown
// to the user and collected in the report's error list.
class EfrxError : public std::exception {
public:
  explicit EfrxError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

private:
  QString FMessage;
  QByteArray FUtf8;
};

// A template or prepared-report text that does not follow the file dialect.
class TfrxInvalidXMLException : public EfrxError {
public:
  TfrxInvalidXMLException() : EfrxError(QStringLiteral("Invalid file format")) {}
};

// Renaming an object to a name that another object of its report already has.
class EDuplicateName : public EfrxError {
public:
  EDuplicateName() : EfrxError(QStringLiteral("prDupl")) {}
};
