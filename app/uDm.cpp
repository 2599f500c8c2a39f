#include "app/uDm.h"

#include "app/IssuerSettings.h"
#include "app/receipt/ReceiptTemplates.h"
#include "report/model/frxPictureView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

// The lock needs the folder, and "cannot create the lock file" would hide the real problem.
void RequireExistingFolder(const QString& folder)
{
  if (!QFileInfo(folder).isDir())
    throw std::runtime_error(QStringLiteral("A pasta de dados %1 não existe.").arg(QDir::toNativeSeparators(folder)).toStdString());
}

}  // namespace

TDm::TDm(const QString& dataFolder, const QString& programFolder, TDataAccess access)
  : FAccess(access),
    FDataFolder(QDir(dataFolder).absolutePath()),
    FProgramFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder),
    cdsReg(QStringLiteral("cdsReg")),
    cdsRegCliente(cdsReg, u"Cliente"),
    cdsRegCNPJ(cdsReg, u"CNPJ"),
    cdsRegValor(cdsReg, u"Valor"),
    cdsRegReferente(cdsReg, u"Referente"),
    cdsRegTipo(cdsReg, u"Tipo"),
    cdsRegCodigo(cdsReg, u"Codigo"),
    cdsRegAutenticacao(cdsReg, u"Autenticacao"),
    cdsRegData(cdsReg, u"Data")
{
  RequireExistingFolder(dataFolder);
  if (access == TDataAccess::Writing)
    FLock.emplace(dataFolder, LockPatience);
  BuildReceiptLayout(frxReport, ReceiptKind::Recebimento);
  frxReport.OnBeforePrint = [this](TfrxReportComponent* sender) { frxReportBeforePrint(sender); };
}

QString TDm::FilePath(QStringView fileName) const
{
  return QDir(FDataFolder).filePath(fileName.toString());
}

IniFile TDm::Settings() const
{
  return quitanza::platform::IniFile(FilePath(SettingsFileName));
}

QString TDm::TemplatePath(QStringView fileName) const
{
  const QString own = FilePath(fileName);
  return QFileInfo(own).isFile() ? own : QDir(FProgramFolder).filePath(fileName.toString());
}

void TDm::LoadReceiptTemplate(std::int32_t tipo)
{
  switch (tipo) {
  case 0:
    frxReport.LoadFromFile(TemplatePath(ReceiptTemplateFileName(ReceiptKind::Recebimento)));
    fImagem = Settings().ReadString(IssuerSection, u"LOGO");
    return;
  case 1:
    frxReport.LoadFromFile(TemplatePath(ReceiptTemplateFileName(ReceiptKind::Pagamento)));
    return;
  }
  throw std::runtime_error(QStringLiteral("Tipo de recibo desconhecido: %1").arg(tipo).toStdString());
}

void TDm::frxReportBeforePrint(TfrxReportComponent*)
{
  if (fImagem.isEmpty() || !QFileInfo::exists(fImagem))
    return;
  for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
    auto* picture = dynamic_cast<TfrxPictureView*>(frxReport.FindObject(name));
    if (!picture)
      continue;
    picture->SetHeight(83.15L);
    picture->SetWidth(143.62L);
    picture->SetPicture(FLogo.Load(fImagem));
  }
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

std::int32_t TDm::HighestCodigo() const
{
  std::int32_t highest = 0;
  for (qsizetype row = 0; row < cdsReg.RecordCount(); ++row)
    highest = std::max(highest, cdsReg.CodigoAt(row));
  return highest;
}

bool TDm::LocateCodigo(std::int32_t codigo)
{
  for (qsizetype row = 0; row < cdsReg.RecordCount(); ++row) {
    if (cdsReg.CodigoAt(row) == codigo) {
      cdsReg.MoveTo(row);
      return true;
    }
  }
  return false;
}

void TDm::SaveRegister()
{
  if (FAccess == TDataAccess::Reading)
    throw std::logic_error("A data module that only reads saved the register");
  if (FRegisterActive)
    cdsReg.SaveToFile(FilePath(RegisterFileName));
}
