#include "tests/app/RunQuitanza.h"

#include "tests/app/TestApplication.h"

#include <QProcess>

ProcessResult RunQuitanza(const QStringList& arguments)
{
  EnsureApplication();
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(QUITANZA_BINARY_DIR "/app/quitanza"), arguments);
  if (!process.waitForFinished(30000))
    return {-1, QString(), process.errorString()};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}
