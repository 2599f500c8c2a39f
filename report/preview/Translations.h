#pragma once

class QCoreApplication;

namespace quitanza::report {

// Installs the Brazilian Portuguese translations of the report engine's
// windows, every one built into the program: the program always speaks
// Portuguese, whatever the desktop's language.
void InstallTranslations(QCoreApplication& application);

}  // namespace quitanza::report
