#pragma once

#include <QString>

namespace quitanza::report {

// Where the report shows the errors it collected while loading or preparing.
// A windowed program installs one that opens a message box; the default
// writes to standard error, which is what the command line wants.
class ErrorReporter {
public:
  virtual ~ErrorReporter() = default;
  virtual void ShowError(const QString& title, const QString& message) = 0;
};

class StderrErrorReporter : public ErrorReporter {
public:
  void ShowError(const QString& title, const QString& message) override;
};

}  // namespace quitanza::report
