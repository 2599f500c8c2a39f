#pragma once

#include "app/cli/Command.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace quitanza::app {

// The exit codes of every command.
enum class ExitCode { Done = 0, Refused = 1, Usage = 2, FileOrEngine = 3 };

// The command the arguments name (the program's name first), or null when
// they name none or an unknown one. Needs no application object, so that the
// kind of application can be chosen from it.
const Command* CommandNamedIn(const QStringList& arguments);

// What starts the desktop program: no command and no help asked for, at
// most --dados. Its data folder is the one --dados names, or empty for the
// one DataFolderFor chooses. Null for arguments that the command line answers.
struct DesktopStart {
  QString DataFolder;
};
std::optional<DesktopStart> DesktopStartIn(const QStringList& arguments);

// Parses the arguments (the program's name first), runs the command they name
// and returns its exit code. Messages for the operator go to `err`.
ExitCode RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace quitanza::app
