#include "PdfTools.h"

#include <gtest/gtest.h>

#include <QImage>
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

QImage RenderPdfPage(const QString& path, int page, int dpi) {
  const QString prefix = path + QStringLiteral(".render");
  const ToolResult rendered = RunTool(QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
       QString::number(page), QStringLiteral("-png"), QStringLiteral("-singlefile"), path, prefix});
  EXPECT_EQ(rendered.exitCode, 0) << rendered.output.toStdString();
  return QImage(prefix + QStringLiteral(".png"));
}
