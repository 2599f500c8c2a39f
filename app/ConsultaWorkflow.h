#pragma once

#include "app/UserInterface.h"
#include "app/uDm.h"

// The register lookup window's steps that need no report. It works on the
// register's current row, which the grid follows and which stays current
// after the window closes. The reprint (btnImprimirClick, and the grid's
// double click that presses it) joins them with the report.
class TConsultaWorkflow {
public:
  TConsultaWorkflow(TDm& dm, TUserInterface& ui) : FDm(dm), FUi(ui) {}

  // The first row becomes current.
  void FormShow();
  // Excluir: "Deseja realmente excluir?", and only on Yes the current row is
  // deleted (on an empty register the error box "cdsReg: Cannot perform this
  // operation on an empty dataset"). The file changes at the next save.
  // True when a row was deleted.
  bool BitBtn2Click();

private:
  TDm& FDm;
  TUserInterface& FUi;
};
