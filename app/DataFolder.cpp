#include "app/DataFolder.h"

#include "app/DataModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace quitanza::app {

QString ChooseDataFolder(const QString& given, const ProgramFolder& program, const QString& userFolder)
{
  if (!given.isEmpty())
    return given;
  return program.Writable && program.HoldsData ? program.Path : userFolder;
}

ProgramFolder InspectProgramFolder(const QString& path)
{
  const QFileInfo folder(path);
  const QDir dir(path);
  return {path, folder.isDir() && folder.isWritable(),
          QFileInfo(dir.filePath(DataModule::SettingsFileName.toString())).isFile() ||
              QFileInfo(dir.filePath(DataModule::RegisterFileName.toString())).isFile()};
}

QString UserDataFolder()
{
  // What QStandardPaths::AppDataLocation gives a program named Quitanza with
  // no organisation, whatever name the running executable has.
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("Quitanza"));
}

QString DataFolderFor(const QString& given)
{
  return ChooseDataFolder(given, InspectProgramFolder(QCoreApplication::applicationDirPath()), UserDataFolder());
}

void CreateDataFolderIfMissing(const QString& folder, QTextStream& err)
{
  if (QFileInfo(folder).isDir())
    return;
  const QString shown = QDir::toNativeSeparators(QDir(folder).absolutePath());
  if (!QDir().mkpath(folder))
    throw std::runtime_error(QStringLiteral(u"Não foi possível criar a pasta de dados %1.").arg(shown).toStdString());
  err << QStringLiteral("A pasta de dados %1 foi criada.\n").arg(shown);
  err.flush();
}

}  // namespace quitanza::app
