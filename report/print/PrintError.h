#pragma once

#include <QString>

#include <stdexcept>

namespace quitanza::report {

// Printing cannot go on: no printer, a printer that does not answer, a job
// the spooler refused. The message says which, for the operator.
class PrintError : public std::runtime_error {
public:
  explicit PrintError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace quitanza::report
