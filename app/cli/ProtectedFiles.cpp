#include "app/cli/ProtectedFiles.h"

#include "app/IssuerSettings.h"
#include "app/receipt/ReceiptTemplates.h"
#include "app/uDm.h"
#include "doclib/InvalidInputError.h"
#include "platform/storage/DataFolderLock.h"
#include "platform/storage/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;

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

TProtectedFiles::TProtectedFiles(const QString& dataFolder)
{
  const QDir data(dataFolder);
  const QDir program(QCoreApplication::applicationDirPath());
  for (const ReceiptKind kind : {ReceiptKind::Recebimento, ReceiptKind::Pagamento}) {
    FPaths << data.filePath(ReceiptTemplateFileName(kind)) << program.filePath(ReceiptTemplateFileName(kind));
  }
  FPaths << data.filePath(TDm::RegisterFileName.toString()) << data.filePath(TDm::SettingsFileName.toString())
         << data.filePath(QString::fromUtf16(DataFolderLock::LockFileName));
  const QString logo = quitanza::platform::IniFile(data.filePath(TDm::SettingsFileName.toString())).ReadString(IssuerSection, u"LOGO");
  if (!logo.isEmpty())
    FPaths << logo;
}

void TProtectedFiles::RefuseAsOutput(const QString& target) const
{
  for (const QString& path : FPaths) {
    if (SameFile(target, path))
      throw InvalidInputError(QStringLiteral(u"%1 é um arquivo de que o Quitanza precisa (%2): escolha outro nome "
                                             u"para a saída.")
                                  .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(path)));
  }
}
