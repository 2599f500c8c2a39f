#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QTextStream>

namespace quitanza::app {

// One positional argument of a command, as shown in its help.
struct PositionalArgument {
  QString Name;         // VALOR
  QString Description;  // shown in the help
  bool Required = true;
};

// What a command does with the data folder. A folder that does not exist is
// created for a command that writes; one that reads is refused a folder the
// user named wrongly, but the default folder is created on its first use.
enum class DataFolderUse { None, Reads, Writes };

// What a command receives when it runs.
struct CommandInvocation {
  const QCommandLineParser& Parser;
  QStringList Arguments;  // the positional arguments, in order
  QString DataDirectory;  // --dados, else the folder DataFolderFor chooses
  QTextStream& Out;
  QTextStream& Err;
};

// A subcommand of the quitanza executable. Failures are thrown: an
// InvalidInputError refuses the input (exit 1), a UsageError reports a wrong
// call (exit 2), any other exception a file or engine error (exit 3).
class Command {
public:
  virtual ~Command() = default;

  virtual QString Name() const = 0;
  virtual QString Summary() const = 0;
  virtual QList<PositionalArgument> PositionalArguments() const = 0;
  virtual QList<QCommandLineOption> Options() const { return {}; }

  // Commands that draw (reports, previews) need a QGuiApplication; the others
  // start with a QCoreApplication and need no display. `arguments` is the
  // whole command line, for commands that draw only with some options.
  virtual bool NeedsGui(const QStringList& arguments) const
  {
    Q_UNUSED(arguments);
    return false;
  }

  // Most commands read the data folder; `parser` holds the options given.
  virtual DataFolderUse DataUse(const QCommandLineParser& parser) const
  {
    Q_UNUSED(parser);
    return DataFolderUse::Reads;
  }

  virtual void Run(const CommandInvocation& invocation) const = 0;
};

}  // namespace quitanza::app
