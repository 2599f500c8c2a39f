#pragma once

#include <QString>
#include <QTextStream>

namespace quitanza::app {

// Where a run keeps config.ini, recibo.xml and the user's own templates.
//
// The folder given with --dados wins. Without it, the executable's folder is
// used only when it is writable and already holds config.ini or recibo.xml:
// a portable copy, or one laid out as on Windows, keeps its data where it
// was. Otherwise the data go to the user's own data folder, so that an
// installed program (executable in /usr/bin) and a build tree that a clean
// build wipes both keep the business's receipts where backups find them.
struct ProgramFolder {
  QString Path;
  bool Writable = false;
  bool HoldsData = false;  // config.ini or recibo.xml
};
QString ChooseDataFolder(const QString& given, const ProgramFolder& program, const QString& userFolder);

// What ChooseDataFolder needs to know of the folder at `path`.
ProgramFolder InspectProgramFolder(const QString& path);

// The user's data folder: ~/.local/share/Quitanza, or Quitanza under
// $XDG_DATA_HOME.
QString UserDataFolder();

// ChooseDataFolder for this executable and this user; `given` is --dados,
// empty when absent.
QString DataFolderFor(const QString& given);

// Creates `folder` when it does not exist, with one line on `err` saying so.
// Throws std::runtime_error when it cannot be created.
void CreateDataFolderIfMissing(const QString& folder, QTextStream& err);

}  // namespace quitanza::app
