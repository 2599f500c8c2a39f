#pragma once

#include "app/windows/WindowServices.h"

class QApplication;

namespace quitanza::app {

// The desktop program: the look applied, the data module of the data folder
// (`dataFolder` as --dados gives it, empty for the one DataFolderFor
// chooses; created when missing), then the main window until it closes. A
// data folder that cannot be used (not creatable, or held by another
// Quitanza) is shown in the error box and ends the program with exit code 3.
int RunDesktop(QApplication& application, const QString& dataFolder, PreviewFunction preview);

}  // namespace quitanza::app
