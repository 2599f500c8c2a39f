#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

struct ProcessResult {
  int exitCode;
  QString out;
  QString err;
};

// Runs the built executable with no display and no session, as a script would.
ProcessResult RunQuitanza(const QStringList& arguments);

// The same for a user whose home folder is `home`: the data folder chosen
// without --dados lies under it.
ProcessResult RunQuitanzaAtHome(const QStringList& arguments, const QString& home);

// The same in two steps, for a test that acts while the command runs.
std::unique_ptr<QProcess> StartQuitanza(const QStringList& arguments);
ProcessResult FinishQuitanza(QProcess& process);
