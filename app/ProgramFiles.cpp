#include "app/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quitanza::app {

QStringList ProgramFileFolders()
{
  const QDir program(QCoreApplication::applicationDirPath());
  return {QDir::cleanPath(program.filePath(QStringLiteral(QUITANZA_SHARE_FROM_BIN))), program.path()};
}

QString FindProgramFile(QStringView fileName, const QStringList& folders)
{
  QString path;
  for (const QString& folder : folders) {
    path = QDir(folder).filePath(fileName.toString());
    if (QFileInfo(path).isFile())
      return path;
  }
  return path;
}

QString ProgramFilePath(QStringView fileName)
{
  return FindProgramFile(fileName, ProgramFileFolders());
}

}  // namespace quitanza::app
