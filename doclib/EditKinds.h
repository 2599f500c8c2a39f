#pragma once

#include "doclib/EditRules.h"

#include <QChar>
#include <QString>

#include <optional>

namespace quitanza::doclib {

// What a validated edit field does while the operator types in it and when
// the operator enters it: the rules of each kind of datum that come before
// the checks of EditRules.h.

// What choosing a kind sets up in a field.
struct KindSetup {
  int MaxLength = 0;                     // 0: no limit
  std::optional<Caracters> Caracter;     // forced, or the field's own
  std::optional<bool> AcceptNull;        // set, or the field's own
  bool LowerCase = false;                // e-mail and web address
};
KindSetup SetupOf(Check check);

// Whether a typed character reaches the field. Only backspace, the printable
// ASCII characters other than the space and eleven Latin-1 symbols are ever
// refused; a CPF/CNPJ field takes the letters of the alphanumeric CNPJ.
bool IsKeyAccepted(QChar typed, Caracters caracter, Check check);

// The text shown for editing when the operator enters the field: documents
// without their punctuation, amounts without thousands points.
QString TextOnFocusGained(const QString& text, Check check, Caracters caracter);

}  // namespace quitanza::doclib
