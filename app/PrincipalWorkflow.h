#pragma once

#include "app/UserInterface.h"
#include "app/uDm.h"

// The main window's steps that need no report: the register loaded when the
// window is first shown and saved when it closes, and Limpar. Issuing
// (btnEmitirClick) joins them with the report.
class TPrincipalWorkflow {
public:
  TPrincipalWorkflow(TDm& dm, TUserInterface& ui) : FDm(dm), FUi(ui) {}

  // Focus to edtCliente, then recibo.xml loaded, or created when missing.
  // A file that cannot be read gives the error box, leaves the register
  // closed and is never written over.
  void FormShow();
  // Saves the register. False after the error box: the program does not
  // end, so the operator can try again.
  bool FormClose();
  // Empties the entry fields and puts the focus on edtCliente; the receipt
  // type stays as it is.
  void btnLimparClick();

private:
  TDm& FDm;
  TUserInterface& FUi;
};
