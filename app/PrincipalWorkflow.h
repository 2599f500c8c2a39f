#pragma once

#include "app/DataModule.h"
#include "app/ReceiptIssuer.h"
#include "app/UserInterface.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace quitanza::app {

// What an issue that ran to its end stored.
struct IssuedReceipt {
  std::int32_t Codigo = 0;
  QString Autenticacao;
};

// The main window's steps: the register loaded when the window is first
// shown and saved when it closes, Limpar, and issuing.
class PrincipalWorkflow {
public:
  PrincipalWorkflow(DataModule& dm, UserInterface& ui) : m_dm(dm), m_ui(ui) {}

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

  // Emitir. Without a client or with a zero amount: the warning, the focus
  // on that field, nothing changed. Otherwise the next number (CODIGO + 1),
  // the amount in words and the authentication code, the template of the
  // receipt type filled and prepared, the preview; after it closes the
  // receipt is inserted at the current row, recibo.xml saved and CODIGO
  // advanced. Any failure from the progress bar on ends the issue with the
  // error box "Erro ao gerar recibo: " and the failure's message, after the
  // clean-up (fields cleared, progress bar hidden) that follows every issue.
  // Empty unless the receipt was stored and the counter advanced.
  std::optional<app::IssuedReceipt> btnEmitirClick(const ReceiptEntry& entry);

private:
  app::IssuedReceipt Issue(const ReceiptEntry& entry);

  DataModule& m_dm;
  UserInterface& m_ui;
};

}  // namespace quitanza::app
