#include "app/DataModule.h"

#include "app/IssuerSettings.h"
#include "app/ProgramFiles.h"
#include "app/receipt/ReceiptTemplates.h"
#include "platform/storage/RegisterFile.h"
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

DataModule::DataModule(const QString& dataFolder, const QString& programFolder, DataAccess access, ReportStart report)
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
  if (report == ReportStart::ReceiptLayout)
    BuildReceiptLayout(frxReport, ReceiptKind::Recebimento);
  frxReport.OnBeginDoc = [this](Report*) { m_preparedLogo.reset(); };
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
  // The pictures keep what they were given until the next preparation.
  if (m_preparedLogo && m_preparedLogoFile == fImagem)
    return;
  m_preparedLogoFile = fImagem;
  m_preparedLogo = fImagem.isEmpty() || !QFileInfo::exists(fImagem) ? nullptr : &m_logo.Load(fImagem);
  if (*m_preparedLogo == nullptr)
    return;
  for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
    auto* picture = dynamic_cast<report::PictureView*>(frxReport.FindObject(name));
    if (!picture)
      continue;
    picture->SetHeight(83.15L);
    picture->SetWidth(143.62L);
    picture->SetPicture(**m_preparedLogo);
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

void DataModule::OpenRegisterForIssuing()
{
  const QString path = FilePath(RegisterFileName);
  if (!QFileInfo::exists(path))
    return;
  m_registerActive = false;  // closed until the file is known to be readable
  m_storedRows = StreamedRegisterFile::Open(path);
  if (m_storedRows)
    m_registerActive = true;
  else
    LoadRegister();
}

void DataModule::ForEachStoredReceipt(const std::function<void(const ReceiptRecord&)>& take) const
{
  const QString path = FilePath(RegisterFileName);
  if (!QFileInfo::exists(path))
    return;
  if (const std::unique_ptr<StreamedRegisterFile> stored = StreamedRegisterFile::Open(path)) {
    stored->ForEachRecord(take);
    return;
  }
  for (const PackedRecord& record : ReadRegisterFile(path))
    take(record.Unpack());
}

void DataModule::LoadRegister()
{
  m_registerActive = false;  // closed while its content is replaced
  cdsReg.LoadFromFile(FilePath(RegisterFileName));
  m_registerActive = true;
}

std::int32_t DataModule::HighestCodigo() const
{
  std::int32_t highest = m_storedRows ? m_storedRows->HighestCodigo() : 0;
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
  if (!m_registerActive)
    return;
  if (!m_storedRows) {
    cdsReg.SaveToFile(FilePath(RegisterFileName));
    return;
  }
  std::vector<StreamedRegisterFile::Insertion> issued;
  for (qsizetype row = 0; row < cdsReg.RecordCount(); ++row)
    issued.emplace_back(row, cdsReg.Record(row));
  m_storedRows->WriteWithInsertions(FilePath(RegisterFileName), issued);
  // What was issued is stored now: the next save must not write it again.
  cdsReg = platform::ReceiptRegister(cdsReg.Name());
  m_storedRows = StreamedRegisterFile::Open(FilePath(RegisterFileName));
  if (!m_storedRows)
    throw std::logic_error("The register just written is not in this program's form");
}

}  // namespace quitanza::app
