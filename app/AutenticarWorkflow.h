#pragma once

#include "app/UserInterface.h"
#include "app/uDm.h"

#include <QString>

#include <optional>

// The texts of the authentication check window's fields, as they hold them
// when Autenticar is pressed.
struct TAuthenticationEntry {
  QString Codigo;  // edtCodigo: the receipt number as typed, leading zeros or not
  QString Cliente; // edtCliente
  QString Valor;   // edtValor
};

// The authentication check window's step: the code the program would have
// printed for a receipt with that number, client and amount under the
// current issuer document. It compares and stores nothing.
class TAutenticarWorkflow {
public:
  TAutenticarWorkflow(TDm& dm, TUserInterface& ui) : FDm(dm), FUi(ui) {}

  // Autenticar: the code for edtAutenticacao; empty after a warning ("Informe
  // o código do recibo.", "Informe o Cliente.", "Informe o Valor.", each
  // with the focus on its field) or the error box.
  std::optional<QString> BitBtn1Click(const TAuthenticationEntry& entry);

private:
  TDm& FDm;
  TUserInterface& FUi;
};
