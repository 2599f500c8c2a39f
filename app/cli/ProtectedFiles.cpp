#include "app/cli/ProtectedFiles.h"

#include "app/DataModule.h"
#include "app/IssuerSettings.h"
#include "app/ProgramFiles.h"
#include "app/receipt/ReceiptTemplates.h"
#include "doclib/InvalidInputError.h"
#include "platform/storage/DataFolderLock.h"
#include "platform/storage/IniFile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

// Both exist and are one file: the same device and inode.
bool SameFile(const QString& a, const QString& b)
{
  struct stat first {};
  struct stat second {};
  return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
         ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace

ProtectedFiles::ProtectedFiles(const QString& dataFolder)
{
  const QDir data(dataFolder);
  for (const ReceiptKind kind : {ReceiptKind::Recebimento, ReceiptKind::Pagamento}) {
    m_paths << data.filePath(ReceiptTemplateFileName(kind));
    for (const QString& folder : ProgramFileFolders())
      m_paths << QDir(folder).filePath(ReceiptTemplateFileName(kind));
  }
  m_paths << data.filePath(DataModule::RegisterFileName.toString()) << data.filePath(DataModule::SettingsFileName.toString())
         << data.filePath(QString::fromUtf16(DataFolderLock::LockFileName));
  const QString logo = platform::IniFile(data.filePath(DataModule::SettingsFileName.toString())).ReadString(IssuerSection, u"LOGO");
  if (!logo.isEmpty())
    m_paths << logo;
}

void ProtectedFiles::RefuseAsOutput(const QString& target) const
{
  for (const QString& path : m_paths) {
    if (SameFile(target, path))
      throw InvalidInputError(QStringLiteral(u"%1 é um arquivo de que o Quitanza precisa (%2): escolha outro nome "
                                             u"para a saída.")
                                  .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(path)));
  }
}

}  // namespace quitanza::app
