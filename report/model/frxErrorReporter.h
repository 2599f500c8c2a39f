#pragma once

#include <QString>

// Where the report shows the errors it collected while loading or preparing.
// A windowed program installs one that opens a message box; the default
// writes to standard error, which is what the command line wants.
class TfrxErrorReporter {
public:
  virtual ~TfrxErrorReporter() = default;
  virtual void ShowError(const QString& title, const QString& message) = 0;
};

class TfrxStderrErrorReporter : public TfrxErrorReporter {
public:
  void ShowError(const QString& title, const QString& message) override;
};
