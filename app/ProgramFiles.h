#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quitanza::app {

// The files that come with the program (the receipt templates, manual.pdf)
// are looked up in these folders, in this order: share/quitanza/ of an
// installation (beside bin/, wherever the installation was unpacked), then
// the executable's own folder, where the build writes them.
QStringList ProgramFileFolders();

// The first of `folders` that holds `fileName`; when none does, the path in
// the last folder, so that the message about a missing file names a place.
QString FindProgramFile(QStringView fileName, const QStringList& folders);

// FindProgramFile in ProgramFileFolders().
QString ProgramFilePath(QStringView fileName);

}  // namespace quitanza::app
