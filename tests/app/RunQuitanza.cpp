#include "tests/app/RunQuitanza.h"

#include "tests/app/TestApplication.h"

namespace {

std::unique_ptr<QProcess> StartQuitanzaIn(QProcessEnvironment environment, const QStringList& arguments)
{
  EnsureApplication();
  auto process = std::make_unique<QProcess>();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  process->setProcessEnvironment(environment);
  process->start(QStringLiteral(QUITANZA_BINARY_DIR "/app/quitanza"), arguments);
  return process;
}

}  // namespace

std::unique_ptr<QProcess> StartQuitanza(const QStringList& arguments)
{
  return StartQuitanzaIn(QProcessEnvironment::systemEnvironment(), arguments);
}

ProcessResult FinishQuitanza(QProcess& process)
{
  if (!process.waitForFinished(30000))
    return {-1, QString(), process.errorString()};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

ProcessResult RunQuitanza(const QStringList& arguments)
{
  return FinishQuitanza(*StartQuitanza(arguments));
}

ProcessResult RunQuitanzaAtHome(const QStringList& arguments, const QString& home)
{
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), home);
  environment.remove(QStringLiteral("XDG_DATA_HOME"));
  return FinishQuitanza(*StartQuitanzaIn(environment, arguments));
}
