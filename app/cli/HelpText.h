#pragma once

#include "app/cli/Command.h"

#include <QList>
#include <QString>

namespace quitanza::app {

// `quitanza --help`: the commands and the options every command accepts.
QString GlobalHelp(const QList<QCommandLineOption>& globalOptions);

// `quitanza COMANDO --help`: its arguments and options.
QString CommandHelp(const Command& command, const QList<QCommandLineOption>& globalOptions);

}  // namespace quitanza::app
