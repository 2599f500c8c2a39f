#pragma once

#include "app/DataModule.h"
#include "app/UserInterface.h"

namespace quitanza::app {

// The register lookup window's steps. It works on the register's current
// row, which the grid follows and which stays current after the window
// closes.
class ConsultaWorkflow {
public:
  ConsultaWorkflow(DataModule& dm, UserInterface& ui) : m_dm(dm), m_ui(ui) {}

  // The first row becomes current.
  void FormShow();
  // Excluir: "Deseja realmente excluir?", and only on Yes the current row is
  // deleted (on an empty register the error box "cdsReg: Cannot perform this
  // operation on an empty dataset"). The file changes at the next save.
  // True when a row was deleted.
  bool BitBtn2Click();
  // Imprimir (and the grid's double click): the current row's receipt again,
  // in the template of its type, with the issuer's data and logo as the
  // settings hold them now, the document and amount formatted, the stored
  // number and authentication code; prepared and shown in the preview.
  // Stores nothing. Nothing at all on an empty register; errors come in the
  // error box with their own message. The window keeps btnImprimir disabled
  // while this runs.
  void btnImprimirClick();

  // Exportar...: the register, in its order, into `path` as the CSV file
  // "quitanza listar --csv" writes; a file that cannot be written comes in
  // the error box and is left as it was. False then.
  bool btnExportarClick(const QString& path);

private:
  void Reprint();

  DataModule& m_dm;
  UserInterface& m_ui;
};

}  // namespace quitanza::app
