#pragma once

#include <QString>

#include <stdexcept>

namespace quitanza::doclib {

// A value typed by the operator that cannot be accepted: an amount that is not
// a number, an impossible date, a document number that fails its check. The
// message is written for the operator, in Portuguese.
class InvalidInputError : public std::runtime_error {
public:
  explicit InvalidInputError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
  {
  }

  QString Message() const { return m_message; }

private:
  QString m_message;
};

}  // namespace quitanza::doclib
