#pragma once

#include "doclib/MVEditRules.h"

#include <QString>

// A validated edit field of that kind, the other settings as setting the
// kind leaves them (a state registration is required, other kinds optional).
MVEditSettings EditField(TCheck check, TCaracters caracter);

// How the windows set up their validated edit fields, by the kind of datum.
MVEditSettings CpfCnpjField();   // edtCNPJ, edtCPFCNPJEmpresa
MVEditSettings TelefoneField();  // edtTelefone
MVEditSettings EmailField();     // edtEmail
MVEditSettings SiteField();      // edtSite
MVEditSettings AmountField();    // edtValor
MVEditSettings NameField();      // edtCliente

// What a validated field holds after the operator typed `typed` into it and
// left it: letters in the field's case, checked and formatted. Throws
// InvalidInputError with the field's message when it refuses the value.
QString TextAsLeft(const MVEditSettings& field, const QString& typed);
