#pragma once

#include "app/LogoPicture.h"
#include "app/RegisterField.h"
#include "platform/storage/DataFolderLock.h"
#include "platform/storage/IniFile.h"
#include "platform/storage/ReceiptRegister.h"
#include "platform/storage/StreamedRegisterFile.h"
#include "report/model/Report.h"
#include "report/output/ExportPDF.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace quitanza::report { class ReportComponent; }

namespace quitanza::app {

// What a data module does with its folder's files. A reader needs no lock:
// every file it reads is replaced whole by its writers, never changed in
// place, so it sees either the old file or the new one.
enum class DataAccess { Reading, Writing };

// What the receipt report holds when the data module is made: the built-in
// receipt layout, or nothing for a command that loads a template before it
// prepares anything (a template load replaces the layout anyway).
enum class ReportStart { ReceiptLayout, Empty };

// The data module: the receipt register, the receipt report and the files of
// one data folder (config.ini, recibo.xml, the receipt templates), for the
// whole run of the desktop program or the length of a command's work. It
// holds the folder's lock all that time, so no other Quitanza process changes
// the same files; one that only reads takes no lock.
class DataModule {
  std::optional<platform::DataFolderLock> m_lock;  // a writer takes it before anything is read
  DataAccess m_access;
  QString m_dataFolder;
  QStringList m_programFolders;
  bool m_registerActive = true;
  LogoPicture m_logo;
  // The logo of the preparation under way (nullptr: none), for the file named then.
  std::optional<const report::Picture*> m_preparedLogo;
  QString m_preparedLogoFile;
  std::unique_ptr<platform::StreamedRegisterFile> m_storedRows;  // while issuing without loading them

public:
  static constexpr QStringView RegisterFileName = u"recibo.xml";
  static constexpr QStringView SettingsFileName = u"config.ini";

  // How long a writer waits for another process to let the folder go: as
  // long as another command takes to issue a receipt, many times over.
  static constexpr std::chrono::seconds LockPatience{10};

  // Throws std::runtime_error when the folder does not exist or, for a
  // writer, another process holds it past LockPatience ("Os dados em DIR
  // estão em uso por outro processo do Quitanza."). The register starts
  // open, with no rows; the report starts as `report` says. `programFolder`
  // holds the templates that the data folder lacks; unless given they are
  // looked up in the installed share/quitanza/, then beside the executable.
  explicit DataModule(const QString& dataFolder, const QString& programFolder = {},
                      DataAccess access = DataAccess::Writing, ReportStart report = ReportStart::ReceiptLayout);
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;

  const QString& DataFolder() const { return m_dataFolder; }
  // The full path of a file of the data folder.
  QString FilePath(QStringView fileName) const;
  // config.ini, opened afresh by every read and write.
  platform::IniFile Settings() const;
  // A receipt template: the data folder's own when it has one, else the one
  // installed with the program, so a fresh data folder still prints real
  // receipts.
  QString TemplatePath(QStringView fileName) const;

  platform::ReceiptRegister cdsReg;
  RegisterField cdsRegCliente;
  RegisterField cdsRegCNPJ;
  RegisterField cdsRegValor;
  RegisterField cdsRegReferente;
  RegisterField cdsRegTipo;
  RegisterField cdsRegCodigo;
  RegisterField cdsRegAutenticacao;
  RegisterField cdsRegData;

  // Whether the register is open. A load that fails leaves it closed:
  // closed, it is saved nowhere, so closing the program neither fails
  // forever nor writes over the file that could not be read.
  bool RegisterActive() const { return m_registerActive; }
  // Opens the register (no effect when it is open).
  void SetRegisterActive() { m_registerActive = true; }

  // The start-up step: loads recibo.xml when it exists, else creates it from
  // the register, which has no rows yet.
  void LoadOrCreateRegister();
  // Loads recibo.xml when it exists; without it the register stays empty.
  void LoadRegisterIfPresent();
  // For issuing without a window: the stored receipts stay in recibo.xml and
  // the register holds only those issued since, which a save puts in front of
  // the stored ones, where a loaded register would have them. So issuing costs
  // neither time nor memory for every stored row. A file in another form than
  // this program writes is loaded whole instead.
  void OpenRegisterForIssuing();
  // Writes the register to recibo.xml; writes nothing while it is closed.
  // A reader's data module refuses (std::logic_error): it holds no lock.
  void SaveRegister();

  // Every receipt of recibo.xml in register order, read a row at a time when
  // the file is in this program's form (else loaded whole); nothing when
  // there is no file. The register itself is left as it is.
  void ForEachStoredReceipt(const std::function<void(const platform::ReceiptRecord&)>& take) const;

  // The greatest receipt number in the register, stored rows included; 0 when it is empty.
  std::int32_t HighestCodigo() const;

  // Makes the first row with that number the current one; false, the
  // current row unchanged, when there is none.
  bool LocateCodigo(std::int32_t codigo);

  // The one report of issuing and reprint. Loading a template replaces the
  // layout it holds from creation; frxReportBeforePrint stays connected.
  report::Report frxReport;
  // The logo for the report being prepared; empty for none.
  QString fImagem;
  // Before every band and object is printed: the logo fImagem names, when
  // that file exists, into Picture1 and Picture3, each made 143.62 x 83.15
  // where it stands. The sender is not looked at. The file is looked at, and
  // the pictures given it, once per preparation, not once per object.
  void frxReportBeforePrint(report::ReportComponent* sender);
  // The receipts' PDF export, with their stored settings.
  report::PDFExport frxPDFExport;

  // Issuing and reprint, by receipt type: 0 loads Recibo.fr3 and takes the
  // logo from the settings (LOGO), 1 loads Pagar.fr3 and leaves fImagem as
  // it is. A missing template leaves the report empty and is no error;
  // another type is refused.
  void LoadReceiptTemplate(std::int32_t tipo);

private:
  void LoadRegister();
};

}  // namespace quitanza::app
