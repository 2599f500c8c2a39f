#include "app/DataModule.h"

#include "app/IssuerSettings.h"
#include "app/ProgramFiles.h"
#include "app/receipt/ReceiptTemplates.h"
#include "report/model/PictureView.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

// The lock needs the folder, and "cannot create the lock file" would hide the real problem.
void RequireExistingFolder(const QString& folder)
{
  if (!QFileInfo(folder).isDir())
    throw std::runtime_error(QStringLiteral("A pasta de dados %1 não existe.").arg(QDir::toNativeSeparators(folder)).toStdString());
}

}  // namespace

DataModule::DataModule(const QString& dataFolder, const QString& programFolder, DataAccess access)
  : m_access(access),
    m_dataFolder(QDir(dataFolder).absolutePath()),
    m_programFolders(programFolder.isEmpty() ? ProgramFileFolders() : QStringList{programFolder}),
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
  if (access == DataAccess::Writing)
    m_lock.emplace(dataFolder, LockPatience);
  BuildReceiptLayout(frxReport, ReceiptKind::Recebimento);
  frxReport.OnBeforePrint = [this](ReportComponent* sender) { frxReportBeforePrint(sender); };
}

QString DataModule::FilePath(QStringView fileName) const
{
  return QDir(m_dataFolder).filePath(fileName.toString());
}

IniFile DataModule::Settings() const
{
  return platform::IniFile(FilePath(SettingsFileName));
}

QString DataModule::TemplatePath(QStringView fileName) const
{
  const QString own = FilePath(fileName);
  return QFileInfo(own).isFile() ? own : FindProgramFile(fileName, m_programFolders);
}

void DataModule::LoadReceiptTemplate(std::int32_t tipo)
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

void DataModule::frxReportBeforePrint(ReportComponent*)
{
  if (fImagem.isEmpty() || !QFileInfo::exists(fImagem))
    return;
  for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
    auto* picture = dynamic_cast<report::PictureView*>(frxReport.FindObject(name));
    if (!picture)
      continue;
    picture->SetHeight(83.15L);
    picture->SetWidth(143.62L);
    picture->SetPicture(m_logo.Load(fImagem));
  }
}

void DataModule::LoadOrCreateRegister()
{
  if (QFileInfo::exists(FilePath(RegisterFileName)))
    LoadRegister();
  else
    SaveRegister();
}

void DataModule::LoadRegisterIfPresent()
{
  if (QFileInfo::exists(FilePath(RegisterFileName)))
    LoadRegister();
}

void DataModule::LoadRegister()
{
  m_registerActive = false;  // closed while its content is replaced
  cdsReg.LoadFromFile(FilePath(RegisterFileName));
  m_registerActive = true;
}

std::int32_t DataModule::HighestCodigo() const
{
  std::int32_t highest = 0;
  for (qsizetype row = 0; row < cdsReg.RecordCount(); ++row)
    highest = std::max(highest, cdsReg.CodigoAt(row));
  return highest;
}

bool DataModule::LocateCodigo(std::int32_t codigo)
{
  for (qsizetype row = 0; row < cdsReg.RecordCount(); ++row) {
    if (cdsReg.CodigoAt(row) == codigo) {
      cdsReg.MoveTo(row);
      return true;
    }
  }
  return false;
}

void DataModule::SaveRegister()
{
  if (m_access == DataAccess::Reading)
    throw std::logic_error("A data module that only reads saved the register");
  if (m_registerActive)
    cdsReg.SaveToFile(FilePath(RegisterFileName));
}

}  // namespace quitanza::app
