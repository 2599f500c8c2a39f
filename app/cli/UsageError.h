#pragma once

#include <QString>

#include <stdexcept>

namespace quitanza::app {

// A command line that cannot be carried out as written: unknown command,
// missing argument, unknown kind.
class UsageError : public std::runtime_error {
public:
  explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}

  QString Message() const { return m_message; }

private:
  QString m_message;
};

}  // namespace quitanza::app
