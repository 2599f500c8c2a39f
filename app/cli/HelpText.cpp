#include "app/cli/HelpText.h"

#include "app/cli/CommandTable.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace quitanza::app {

namespace {

using Row = std::pair<QString, QString>;

QString twoColumns(const QList<Row>& rows)
{
  qsizetype width = 0;
  for (const Row& row : rows)
    width = std::max(width, row.first.size());
  QString text;
  for (const Row& row : rows)
    text += QStringLiteral("  ") + row.first.leftJustified(width + 2) + row.second + u'\n';
  return text;
}

QString optionSyntax(const QCommandLineOption& option)
{
  QStringList names;
  for (const QString& name : option.names())
    names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  QString syntax = names.join(QStringLiteral(", "));
  if (!option.valueName().isEmpty())
    syntax += u' ' + option.valueName();
  return syntax;
}

QString optionsSection(const QList<QCommandLineOption>& options)
{
  QList<Row> rows;
  for (const QCommandLineOption& option : options)
    rows.append({optionSyntax(option), option.description()});
  return QStringLiteral("Opções:\n") + twoColumns(rows);
}

}  // namespace

QString GlobalHelp(const QList<QCommandLineOption>& globalOptions)
{
  QList<Row> commandRows;
  for (const auto& command : Commands())
    commandRows.append({command->name(), command->summary()});
  return QStringLiteral("Uso: quitanza [--dados PASTA] COMANDO [argumentos] [opções]\n\nComandos:\n") +
         twoColumns(commandRows) + u'\n' + optionsSection(globalOptions) +
         QStringLiteral("\n\"quitanza COMANDO --help\" mostra os argumentos de cada comando.\n");
}

QString CommandHelp(const Command& command, const QList<QCommandLineOption>& globalOptions)
{
  QString usage = QStringLiteral("Uso: quitanza ") + command.name() + QStringLiteral(" [opções]");
  QList<Row> argumentRows;
  for (const PositionalArgument& argument : command.positionalArguments()) {
    usage += u' ' + (argument.required ? argument.name : u'[' + argument.name + u']');
    argumentRows.append({argument.name, argument.description});
  }
  QString text = usage + u'\n' + command.summary() + u'\n';
  if (!argumentRows.isEmpty())
    text += QStringLiteral("\nArgumentos:\n") + twoColumns(argumentRows);
  return text + u'\n' + optionsSection(command.options() + globalOptions);
}

}  // namespace quitanza::app
