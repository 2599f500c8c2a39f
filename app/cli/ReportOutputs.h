#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <functional>

namespace quitanza::report { class Report; }

namespace quitanza::app {

class ProtectedFiles;

// One output of `quitanza relatorio`: the option naming its target, further
// options it reads (a resolution, say), and what it writes from the report's
// prepared pages. The command prepares the report (or loads prepared pages)
// once and hands them to every output asked for. The command refuses a
// target that is a protected file before it starts; an output that writes
// files of other names checks them itself.
struct ReportOutput {
  QCommandLineOption option;
  QList<QCommandLineOption> settings;
  std::function<void(quitanza::report::Report& report, const QString& target, const QCommandLineParser& parser,
                     const ProtectedFiles& protectedFiles)>
    write;
};

const QList<ReportOutput>& ReportOutputs();

}  // namespace quitanza::app
