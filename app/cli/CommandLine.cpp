#include "app/cli/CommandLine.h"

#include "app/DataFolder.h"
#include "app/ProgramVersion.h"
#include "app/cli/CommandTable.h"
#include "app/cli/HelpText.h"
#include "app/cli/UsageError.h"
#include "doclib/InvalidInputError.h"

#include <QDir>

#include <algorithm>

namespace quitanza::app {

using namespace doclib;

namespace {

QCommandLineOption DataDirectoryOption()
{
  return QCommandLineOption(
    QStringLiteral("dados"),
    QStringLiteral("Pasta de config.ini, recibo.xml e dos modelos (--dados-padrao mostra a usada sem esta opção)."),
    QStringLiteral("PASTA"));
}

QCommandLineOption HelpOption()
{
  return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Mostra esta ajuda."));
}

QList<QCommandLineOption> GlobalOptions()
{
  return {DataDirectoryOption(), HelpOption()};
}

const QString VersionOptionName = QStringLiteral("version");
const QString DefaultFolderOptionName = QStringLiteral("dados-padrao");

// Questions about the program itself, asked without a command.
QList<QCommandLineOption> ProgramOptions()
{
  return {QCommandLineOption(VersionOptionName, QStringLiteral(u"Mostra a versão do Quitanza.")),
          QCommandLineOption(DefaultFolderOptionName,
                             QStringLiteral(u"Mostra a pasta de dados que os comandos usam sem --dados."))};
}

// "-5,00" is an amount, not a cluster of short options.
bool IsNegativeNumber(const QString& token)
{
  return token.size() > 1 && token.startsWith(u'-') && (token.at(1).isDigit() || token.at(1) == u',');
}

bool IsOption(const QString& token)
{
  return token.size() > 1 && token.startsWith(u'-') && !IsNegativeNumber(token);
}

// Whether `token` (--name or -n, without "=value") names an option that takes a value.
bool TakesSeparateValue(const QString& token, const QList<QCommandLineOption>& options)
{
  if (token.contains(u'='))
    return false;
  QString name = token;
  while (name.startsWith(u'-'))
    name.remove(0, 1);
  return std::any_of(options.cbegin(), options.cend(), [&name](const QCommandLineOption& option) {
    return !option.valueName().isEmpty() && option.names().contains(name);
  });
}

struct SplitArguments {
  QString commandName;
  QStringList options;      // with their values
  QStringList positionals;  // in order, the command's name excluded
};

// Tells options from positional arguments, knowing which options take a
// value, so that negative amounts can be given as they are written.
SplitArguments SplitCommandLine(const QStringList& arguments, const QList<QCommandLineOption>& options)
{
  SplitArguments result;
  bool onlyPositionals = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& token = arguments.at(i);
    if (!onlyPositionals && token == u"--") {
      onlyPositionals = true;
    } else if (!onlyPositionals && IsOption(token)) {
      result.options << token;
      if (TakesSeparateValue(token, options) && i + 1 < arguments.size())
        result.options << arguments.at(++i);
    } else if (result.commandName.isEmpty()) {
      result.commandName = token;
    } else {
      result.positionals << token;
    }
  }
  return result;
}

void CheckArgumentCount(const Command& command, const QStringList& given)
{
  const QList<PositionalArgument> expected = command.PositionalArguments();
  const auto required = std::count_if(expected.cbegin(), expected.cend(),
                                      [](const PositionalArgument& argument) { return argument.Required; });
  if (given.size() < required)
    throw UsageError(QStringLiteral("Falta o argumento %1.").arg(expected.at(given.size()).Name));
  if (given.size() > expected.size())
    throw UsageError(QStringLiteral("Argumento a mais: %1").arg(given.at(expected.size())));
}

// A folder the user named is created only by a command that writes: one that
// reads says the folder does not exist, which shows a mistyped name.
bool CreatesMissingFolder(DataFolderUse use, const QCommandLineParser& parser)
{
  return use == DataFolderUse::Writes || (use == DataFolderUse::Reads && !parser.isSet(QStringLiteral("dados")));
}

ExitCode RunCommand(const Command& command, const SplitArguments& split, QTextStream& out, QTextStream& err)
{
  const QList<QCommandLineOption> options = command.Options() + GlobalOptions();
  QCommandLineParser parser;
  parser.addOptions(options);
  if (!parser.parse(QStringList{QStringLiteral("quitanza")} + split.options + QStringList{QStringLiteral("--")} +
                    split.positionals))
    throw UsageError(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    out << CommandHelp(command, GlobalOptions());
    return ExitCode::Done;
  }
  CheckArgumentCount(command, split.positionals);
  const QString dataFolder = DataFolderFor(parser.value(QStringLiteral("dados")));
  if (CreatesMissingFolder(command.DataUse(parser), parser))
    CreateDataFolderIfMissing(dataFolder, err);
  command.Run(CommandInvocation{parser, split.positionals, dataFolder, out, err});
  return ExitCode::Done;
}

// quitanza --help, --version or --dados-padrao; nothing for other options.
std::optional<ExitCode> AnswerProgramOptions(const QStringList& options, QTextStream& out)
{
  QCommandLineParser parser;
  parser.addOptions(GlobalOptions() + ProgramOptions());
  if (!parser.parse(QStringList{QStringLiteral("quitanza")} + options))
    return std::nullopt;
  if (parser.isSet(QStringLiteral("help")))
    out << GlobalHelp(GlobalOptions() + ProgramOptions());
  else if (parser.isSet(VersionOptionName))
    out << QStringLiteral("quitanza ") << ProgramVersion() << u'\n';
  else if (parser.isSet(DefaultFolderOptionName))
    out << QDir::toNativeSeparators(QDir(DataFolderFor(parser.value(QStringLiteral("dados")))).absolutePath()) << u'\n';
  else
    return std::nullopt;
  return ExitCode::Done;
}

}  // namespace

const Command* CommandNamedIn(const QStringList& arguments)
{
  return FindCommand(SplitCommandLine(arguments, GlobalOptions()).commandName);
}

std::optional<DesktopStart> DesktopStartIn(const QStringList& arguments)
{
  QCommandLineParser parser;
  parser.addOptions(GlobalOptions());
  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty() || parser.isSet(QStringLiteral("help")))
    return std::nullopt;
  return DesktopStart{parser.isSet(QStringLiteral("dados")) ? parser.value(QStringLiteral("dados")) : QString()};
}

ExitCode RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
  const SplitArguments globalSplit = SplitCommandLine(arguments, GlobalOptions());
  const Command* command = FindCommand(globalSplit.commandName);
  if (!command) {
    if (globalSplit.commandName.isEmpty()) {
      if (const std::optional<ExitCode> answered = AnswerProgramOptions(globalSplit.options, out))
        return *answered;
    } else {
      err << QStringLiteral("Comando desconhecido: %1\n\n").arg(globalSplit.commandName);
    }
    err << GlobalHelp(GlobalOptions() + ProgramOptions());
    return ExitCode::Usage;
  }

  try {
    return RunCommand(*command, SplitCommandLine(arguments, command->Options() + GlobalOptions()), out, err);
  } catch (const UsageError& error) {
    err << error.Message() << u'\n'
        << QStringLiteral("\"quitanza %1 --help\" mostra como usar o comando.\n").arg(command->Name());
    return ExitCode::Usage;
  } catch (const InvalidInputError& error) {
    err << error.Message() << u'\n';
    return ExitCode::Refused;
  } catch (const std::exception& error) {
    err << QString::fromUtf8(error.what()) << u'\n';
    return ExitCode::FileOrEngine;
  }
}

}  // namespace quitanza::app
