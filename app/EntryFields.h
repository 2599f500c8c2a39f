#pragma once

#include "doclib/EditRules.h"

#include <QString>

// A validated edit field of that kind, the other settings as setting the
// kind leaves them (a state registration is required, other kinds optional).
quitanza::doclib::EditSettings EditField(quitanza::doclib::Check check, quitanza::doclib::Caracters caracter);

// How the windows set up their validated edit fields, by the kind of datum.
quitanza::doclib::EditSettings CpfCnpjField();   // edtCNPJ, edtCPFCNPJEmpresa
quitanza::doclib::EditSettings TelefoneField();  // edtTelefone
quitanza::doclib::EditSettings EmailField();     // edtEmail
quitanza::doclib::EditSettings SiteField();      // edtSite
quitanza::doclib::EditSettings AmountField();    // edtValor
quitanza::doclib::EditSettings NameField();      // edtCliente

// What a validated field holds after the operator typed `typed` into it and
// left it: letters in the field's case, checked and formatted. Throws
// InvalidInputError with the field's message when it refuses the value.
QString TextAsLeft(const quitanza::doclib::EditSettings& field, const QString& typed);
