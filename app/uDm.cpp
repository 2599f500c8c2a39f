#include "app/uDm.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

// The lock needs the folder, and "cannot create the lock file" would hide the real problem.
const QString& ExistingFolder(const QString& folder)
{
  if (!QFileInfo(folder).isDir())
    throw std::runtime_error(QStringLiteral("A pasta de dados %1 não existe.").arg(QDir::toNativeSeparators(folder)).toStdString());
  return folder;
}

}  // namespace

TDm::TDm(const QString& dataFolder)
  : FLock(ExistingFolder(dataFolder)),
    FDataFolder(QDir(dataFolder).absolutePath()),
    cdsReg(QStringLiteral("cdsReg")),
    cdsRegCliente(cdsReg, u"Cliente"),
    cdsRegCNPJ(cdsReg, u"CNPJ"),
    cdsRegValor(cdsReg, u"Valor"),
    cdsRegReferente(cdsReg, u"Referente"),
    cdsRegTipo(cdsReg, u"Tipo"),
    cdsRegCodigo(cdsReg, u"Codigo"),
    cdsRegAutenticacao(cdsReg, u"Autenticacao")
{
}

QString TDm::FilePath(QStringView fileName) const
{
  return QDir(FDataFolder).filePath(fileName.toString());
}

TIniFile TDm::Settings() const
{
  return TIniFile(FilePath(SettingsFileName));
}

void TDm::LoadOrCreateRegister()
{
  if (QFileInfo::exists(FilePath(RegisterFileName)))
    LoadRegister();
  else
    SaveRegister();
}

void TDm::LoadRegisterIfPresent()
{
  if (QFileInfo::exists(FilePath(RegisterFileName)))
    LoadRegister();
}

void TDm::LoadRegister()
{
  FRegisterActive = false;  // closed while its content is replaced
  cdsReg.LoadFromFile(FilePath(RegisterFileName));
  FRegisterActive = true;
}

bool TDm::LocateCodigo(std::int32_t codigo)
{
  for (qsizetype row = 0; row < cdsReg.RecordCount(); ++row) {
    if (cdsReg.Record(row).Codigo == codigo) {
      cdsReg.MoveTo(row);
      return true;
    }
  }
  return false;
}

void TDm::SaveRegister()
{
  if (FRegisterActive)
    cdsReg.SaveToFile(FilePath(RegisterFileName));
}
