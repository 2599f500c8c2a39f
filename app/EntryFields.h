#pragma once

#include "doclib/EditRules.h"

#include <QString>

namespace quitanza::app {

// A validated edit field of that kind, the other settings as setting the
// kind leaves them (a state registration is required, other kinds optional).
doclib::EditSettings EditField(doclib::Check check, doclib::Caracters caracter);

// How the windows set up their validated edit fields, by the kind of datum.
doclib::EditSettings CpfCnpjField();   // edtCNPJ, edtCPFCNPJEmpresa
doclib::EditSettings TelefoneField();  // edtTelefone
doclib::EditSettings EmailField();     // edtEmail
doclib::EditSettings SiteField();      // edtSite
doclib::EditSettings AmountField();    // edtValor
doclib::EditSettings NameField();      // edtCliente

// What a validated field holds after the operator typed `typed` into it and
// left it: letters in the field's case, checked and formatted. Throws
// InvalidInputError with the field's message when it refuses the value.
QString TextAsLeft(const doclib::EditSettings& field, const QString& typed);

}  // namespace quitanza::app
