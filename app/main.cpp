#include "app/cli/CommandLine.h"
#include "app/windows/Desktop.h"
#include "report/preview/PreviewPrintHandler.h"
#include "report/preview/ShowReport.h"
#include "report/preview/Translations.h"
#include "report/print/PrintWithDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

#include <memory>

using namespace quitanza::app;

namespace {

bool HasDisplay()
{
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Commands that draw get a QApplication (the preview is a window), on the
// offscreen platform when there is no display; the others start lean, with
// no display at all.
std::unique_ptr<QCoreApplication> CreateApplication(const Command* command, const QStringList& arguments, int& argc,
                                                    char* argv[])
{
  if (!command || !command->NeedsGui(arguments))
    return std::make_unique<QCoreApplication>(argc, argv);
  if (!HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QApplication>(argc, argv);
}

// Qt's own messages (an unknown option, say) and the report windows' texts in
// Portuguese, as ours are.
void InstallTranslations(QCoreApplication& application)
{
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  quitanza::report::InstallTranslations(application);
  quitanza::report::InstallPrintTranslations(application);
}

// Without a session (a script, a service, ssh) Qt warns on every run that
// XDG_RUNTIME_DIR is unset and uses a folder of its own, which is all a
// command needs: the warning would only hide the command's own output.
QtMessageHandler qtHandler = nullptr;
void WithoutRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
  if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
    return;
  qtHandler(type, context, message);
}

int RunDesktopProgram(const DesktopStart& start, int& argc, char* argv[])
{
  if (!HasDisplay()) {
    QTextStream(stderr) << QStringLiteral(u"O Quitanza precisa de uma sessão gráfica para abrir a janela; "
                                          u"\"quitanza --help\" mostra os comandos de linha de comando.\n");
    return static_cast<int>(ExitCode::Usage);
  }
  QApplication application(argc, argv);
  InstallTranslations(application);
  // The menu entry's name, for the window system to find its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("br.com.quitanza.Quitanza"));
  return RunDesktop(application, start.DataFolder, [](quitanza::report::Report& report, QWidget* parent) {
    quitanza::report::ShowPreparedReport(report, parent);
  });
}

}  // namespace

int main(int argc, char* argv[])
{
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);

  // Without TZ, the C library looks at /etc/localtime again on every local
  // time conversion; a listing converts two dates for every receipt stored.
  if (!qEnvironmentVariableIsSet("TZ"))
    qputenv("TZ", ":/etc/localtime");
  qtHandler = qInstallMessageHandler(WithoutRuntimeDirWarning);
  // The preview's Print button and Ctrl+P end in the print dialog.
  quitanza::report::PreviewPrintHandler = [](quitanza::report::Report& report, QWidget* parent) {
    quitanza::report::PrintWithDialog(report, parent);
  };
  if (const std::optional<DesktopStart> desktop = DesktopStartIn(arguments))
    return RunDesktopProgram(*desktop, argc, argv);
  const std::unique_ptr<QCoreApplication> application = CreateApplication(CommandNamedIn(arguments), arguments, argc, argv);
  InstallTranslations(*application);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return static_cast<int>(RunCommandLine(application->arguments(), out, err));
}
