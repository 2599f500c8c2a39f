#pragma once

#include <QString>

#include <stdexcept>

// Failure of an expression: the message is the exact text shown to the user.
class TfrxExpressionError : public std::runtime_error {
public:
  explicit TfrxExpressionError(const QString& message)
      : std::runtime_error(message.toStdString()), FMessage(message) {}

  const QString& Message() const { return FMessage; }

private:
  QString FMessage;
};

// The script engine refused an expression; the message is the engine's own.
class TfrxExpressionCompileError : public TfrxExpressionError {
public:
  using TfrxExpressionError::TfrxExpressionError;
};

// A compiled expression failed while running; the message is the engine's own.
class TfrxExpressionRuntimeError : public TfrxExpressionError {
public:
  using TfrxExpressionError::TfrxExpressionError;
};

// The message a running expression fails with when it divides by zero.
inline QString DivisionByZeroMessage() { return QStringLiteral("Division by zero"); }
