#pragma once

#include "report/print/Print.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>

#include <optional>

namespace quitanza::app {

// --imprimir [--impressora NOME] [--copias N] [--paginas SEL]: printing
// without a dialog, on the named printer or the system's default.
QList<QCommandLineOption> PrintCommandOptions();
// The same without --paginas, for a command that has its own.
QList<QCommandLineOption> PrintOptionsWithoutPages();
const QCommandLineOption& PrintOption();

// Whether the command line asks for printing (drawing needs the window system).
bool PrintRequested(const QStringList& arguments);

// The print asked for, checked before anything is done: nothing when
// --imprimir is absent (its companions alone are a usage error), a usage
// error for a copy count or page selection that is not one, and an error
// (exit 3) for a printer that is not installed.
std::optional<quitanza::report::PrintRequest> PrintRequestFrom(const QCommandLineParser& parser);

}  // namespace quitanza::app
