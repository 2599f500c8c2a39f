#include "PdfTools.h"

#include <QProcess>
#include <QStandardPaths>

ToolResult RunTool(const QString& program, const QStringList& arguments) {
  const QString path = QStandardPaths::findExecutable(program);
  if (path.isEmpty())
    return {-1, program + QStringLiteral(" is not installed (./test installs it)")};
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(path, arguments);
  if (!process.waitForFinished(30000))
    return {-1, program + QStringLiteral(" did not finish")};
  return {process.exitCode(), QString::fromUtf8(process.readAll())};
}
