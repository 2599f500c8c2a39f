#include "app/cli/HelpText.h"

#include "app/cli/CommandTable.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace quitanza::app {

namespace {

using Row = std::pair<QString, QString>;

QString TwoColumns(const QList<Row>& rows)
{
  qsizetype width = 0;
  for (const Row& row : rows)
    width = std::max(width, row.first.size());
  QString text;
  for (const Row& row : rows)
    text += QStringLiteral("  ") + row.first.leftJustified(width + 2) + row.second + u'\n';
  return text;
}

QString OptionSyntax(const QCommandLineOption& option)
{
  QStringList names;
  for (const QString& name : option.names())
    names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  QString syntax = names.join(QStringLiteral(", "));
  if (!option.valueName().isEmpty())
    syntax += u' ' + option.valueName();
  return syntax;
}

QString OptionsSection(const QList<QCommandLineOption>& options)
{
  QList<Row> rows;
  for (const QCommandLineOption& option : options)
    rows.append({OptionSyntax(option), option.description()});
  return QStringLiteral("Opções:\n") + TwoColumns(rows);
}

}  // namespace

QString GlobalHelp(const QList<QCommandLineOption>& globalOptions)
{
  QList<Row> commandRows;
  for (const auto& command : Commands())
    commandRows.append({command->Name(), command->Summary()});
  return QStringLiteral("Uso: quitanza [--dados PASTA] COMANDO [argumentos] [opções]\n\nComandos:\n") +
         TwoColumns(commandRows) + u'\n' + OptionsSection(globalOptions) +
         QStringLiteral("\n\"quitanza COMANDO --help\" mostra os argumentos de cada comando.\n");
}

QString CommandHelp(const Command& command, const QList<QCommandLineOption>& globalOptions)
{
  QString usage = QStringLiteral("Uso: quitanza ") + command.Name() + QStringLiteral(" [opções]");
  QList<Row> argumentRows;
  for (const PositionalArgument& argument : command.PositionalArguments()) {
    usage += u' ' + (argument.Required ? argument.Name : u'[' + argument.Name + u']');
    argumentRows.append({argument.Name, argument.Description});
  }
  QString text = usage + u'\n' + command.Summary() + u'\n';
  if (!argumentRows.isEmpty())
    text += QStringLiteral("\nArgumentos:\n") + TwoColumns(argumentRows);
  return text + u'\n' + OptionsSection(command.Options() + globalOptions);
}

}  // namespace quitanza::app
