#pragma once

#include "app/DataModule.h"
#include "app/UserInterface.h"

#include <QString>

#include <optional>

namespace quitanza::app {

// The texts of the authentication check window's fields, as they hold them
// when Autenticar is pressed.
struct AuthenticationEntry {
  QString Codigo;  // edtCodigo: the receipt number as typed, leading zeros or not
  QString Cliente; // edtCliente
  QString Valor;   // edtValor
};

// The authentication check window's step: the code the program would have
// printed for a receipt with that number, client and amount under the
// current issuer document. It compares and stores nothing.
class AutenticarWorkflow {
public:
  AutenticarWorkflow(DataModule& dm, UserInterface& ui) : m_dm(dm), m_ui(ui) {}

  // Autenticar: the code for edtAutenticacao; empty after a warning ("Informe
  // o código do recibo.", "Informe o Cliente.", "Informe o Valor.", each
  // with the focus on its field) or the error box.
  std::optional<QString> BitBtn1Click(const AuthenticationEntry& entry);

private:
  DataModule& m_dm;
  UserInterface& m_ui;
};

}  // namespace quitanza::app
