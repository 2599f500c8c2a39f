#pragma once

#include <QString>

namespace quitanza::doclib {

// The characters of a CPF or CNPJ text that belong to the number: digits and
// the letters A to Z (lower case letters upper-cased). A CPF is digits only;
// the first twelve places of a CNPJ may hold letters since the alphanumeric
// CNPJ came into force.
QString CpfCnpjCharacters(const QString& text);

}  // namespace quitanza::doclib
