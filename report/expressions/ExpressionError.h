#pragma once

#include <QString>

#include <stdexcept>

namespace quitanza::report {

// Failure of an expression: the message is the exact text shown to the user.
class ExpressionError : public std::runtime_error {
public:
  explicit ExpressionError(const QString& message)
      : std::runtime_error(message.toStdString()), m_message(message) {}

  const QString& Message() const { return m_message; }

private:
  QString m_message;
};

// The script engine refused an expression; the message is the engine's own.
class ExpressionCompileError : public ExpressionError {
public:
  using ExpressionError::ExpressionError;
};

// A compiled expression failed while running; the message is the engine's own.
class ExpressionRuntimeError : public ExpressionError {
public:
  using ExpressionError::ExpressionError;
};

// The message a running expression fails with when it divides by zero.
inline QString DivisionByZeroMessage() { return QStringLiteral("Division by zero"); }

}  // namespace quitanza::report
