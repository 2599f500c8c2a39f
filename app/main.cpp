#include "app/cli/CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

namespace {

// Commands that draw get a QGuiApplication, on the offscreen platform when
// there is no display; the others start lean, with no display at all.
std::unique_ptr<QCoreApplication> createApplication(const Command* command, const QStringList& arguments, int& argc,
                                                    char* argv[])
{
  if (!command || !command->needsGui(arguments))
    return std::make_unique<QCoreApplication>(argc, argv);
  const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[])
{
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);

  const std::unique_ptr<QCoreApplication> application = createApplication(CommandNamedIn(arguments), arguments, argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  // Without arguments the desktop program will start here; until it exists,
  // the usage is shown.
  return RunCommandLine(application->arguments(), out, err);
}
