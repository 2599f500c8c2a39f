#pragma once

#include "app/RegisterField.h"
#include "platform/DataFolderLock.h"
#include "platform/IniFile.h"
#include "platform/ReceiptRegister.h"

#include <QString>
#include <QStringView>

#include <cstdint>

// The data module: the receipt register and the files of one data folder
// (config.ini, recibo.xml, the receipt templates), for the whole run of the
// desktop program or the length of a command's work. It holds the folder's
// lock all that time, so no other Quitanza process changes the same files.
//
// The report members (frxReport with the receipt layout, fImagem,
// frxReportBeforePrint and frxPDFExport with the receipts' export settings)
// join this class with issuing and reprint.
class TDm {
  TDataFolderLock FLock;  // first: nothing is touched before the folder is ours
  QString FDataFolder;
  bool FRegisterActive = true;

public:
  static constexpr QStringView RegisterFileName = u"recibo.xml";
  static constexpr QStringView SettingsFileName = u"config.ini";

  // Throws std::runtime_error when the folder does not exist or another
  // process holds it ("Os dados em DIR estão em uso por outro processo do
  // Quitanza."). The register starts open, with no rows.
  explicit TDm(const QString& dataFolder);
  TDm(const TDm&) = delete;
  TDm& operator=(const TDm&) = delete;

  const QString& DataFolder() const { return FDataFolder; }
  // The full path of a file of the data folder.
  QString FilePath(QStringView fileName) const;
  // config.ini, opened afresh by every read and write.
  TIniFile Settings() const;

  TReceiptRegister cdsReg;
  TRegisterField cdsRegCliente;
  TRegisterField cdsRegCNPJ;
  TRegisterField cdsRegValor;
  TRegisterField cdsRegReferente;
  TRegisterField cdsRegTipo;
  TRegisterField cdsRegCodigo;
  TRegisterField cdsRegAutenticacao;

  // Whether the register is open. A load that fails leaves it closed:
  // closed, it is saved nowhere, so closing the program neither fails
  // forever nor writes over the file that could not be read.
  bool RegisterActive() const { return FRegisterActive; }
  // Opens the register (no effect when it is open).
  void SetRegisterActive() { FRegisterActive = true; }

  // The start-up step: loads recibo.xml when it exists, else creates it from
  // the register, which has no rows yet.
  void LoadOrCreateRegister();
  // Loads recibo.xml when it exists; without it the register stays empty.
  void LoadRegisterIfPresent();
  // Writes the register to recibo.xml; writes nothing while it is closed.
  void SaveRegister();

  // Makes the first row with that number the current one; false, the
  // current row unchanged, when there is none.
  bool LocateCodigo(std::int32_t codigo);

private:
  void LoadRegister();
};
