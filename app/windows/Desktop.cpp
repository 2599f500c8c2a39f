#include "app/windows/Desktop.h"

#include "app/DataFolder.h"
#include "app/DataModule.h"
#include "app/cli/CommandLine.h"
#include "app/widgets/MessageBoxes.h"
#include "app/windows/PrincipalWindow.h"
#include "app/windows/WindowLook.h"

#include <QApplication>
#include <QTextStream>

#include <memory>

namespace quitanza::app {

int RunDesktop(QApplication& application, const QString& dataFolder, PreviewFunction preview)
{
  ApplyLook(application);
  std::unique_ptr<DataModule> dm;
  try {
    const QString folder = DataFolderFor(dataFolder);
    QTextStream err(stderr);
    CreateDataFolderIfMissing(folder, err);
    dm = std::make_unique<DataModule>(folder);
  } catch (const std::exception& error) {
    ShowErrorBox(nullptr, QString::fromUtf8(error.what()));
    return static_cast<int>(ExitCode::FileOrEngine);
  }
  PrincipalWindow frmPrincipal(*dm, WithDesktopOpen(std::move(preview)));
  frmPrincipal.show();
  return application.exec();
}

}  // namespace quitanza::app
