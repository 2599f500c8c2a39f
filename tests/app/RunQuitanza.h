#pragma once

#include <QString>
#include <QStringList>

struct ProcessResult {
  int exitCode;
  QString out;
  QString err;
};

// Runs the built executable with no display, as a script would.
ProcessResult RunQuitanza(const QStringList& arguments);
