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

// What a command receives when it runs.
struct CommandInvocation {
  const QCommandLineParser& Parser;
  QStringList Arguments;  // the positional arguments, in order
  QString DataDirectory;  // --dados, by default the executable's folder
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

  virtual void Run(const CommandInvocation& invocation) const = 0;
};

}  // namespace quitanza::app
