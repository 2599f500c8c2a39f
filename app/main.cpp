#include "app/cli/CommandLine.h"
#include "report/preview/Translations.h"

#include <QCoreApplication>
#include <QApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

#include <memory>

using namespace quitanza::app;

namespace {

// Commands that draw get a QApplication (the preview is a window), on the
// offscreen platform when there is no display; the others start lean, with
// no display at all.
std::unique_ptr<QCoreApplication> createApplication(const Command* command, const QStringList& arguments, int& argc,
                                                    char* argv[])
{
  if (!command || !command->needsGui(arguments))
    return std::make_unique<QCoreApplication>(argc, argv);
  const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QApplication>(argc, argv);
}

// Qt's own messages (an unknown option, say) in Portuguese, as ours are.
void installQtTranslation(QCoreApplication& application)
{
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

// Without a session (a script, a service, ssh) Qt warns on every run that
// XDG_RUNTIME_DIR is unset and uses a folder of its own, which is all a
// command needs: the warning would only hide the command's own output.
QtMessageHandler qtHandler = nullptr;
void withoutRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
  if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
    return;
  qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);

  qtHandler = qInstallMessageHandler(withoutRuntimeDirWarning);
  const std::unique_ptr<QCoreApplication> application = createApplication(CommandNamedIn(arguments), arguments, argc, argv);
  installQtTranslation(*application);
  quitanza::report::InstallTranslations(*application);
  QTextStream out(stdout);
  QTextStream err(stderr);
  // Without arguments the desktop program will start here; until it exists,
  // the usage is shown.
  return static_cast<int>(RunCommandLine(application->arguments(), out, err));
}
