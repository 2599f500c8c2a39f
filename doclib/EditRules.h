#pragma once

#include "doclib/Formatting.h"

#include <QString>

namespace quitanza::doclib {

// What a validated edit field does with its text, apart from the widget: the
// checks and formatting it applies when the operator leaves it, the value
// formatting of amount fields and the messages of its refusals.

struct EditSettings {
  doclib::Check Check = doclib::Check::None;
  Caracters Caracter = Caracters::Alfanumeric;
  QString UF;
  bool AcceptNull = true;
  int CasasDecimais = 2;  // 2 to 6, for Real fields
};

// The text as the field holds it after typing: e-mail and web address fields
// convert letters to lower case, every other kind to upper case.
QString ApplyCharCase(Check check, const QString& text);

// An amount written with thousands points and `casasDecimais` decimals
// (clamped to 2 to 6): "1234,5" gives "1.234,50"; a text without digits gives
// the zero amount "0,00". Throws InvalidInputError for an amount out of range.
QString FormatValue(const QString& text, int casasDecimais);

// The message of a refused check: space, quotation mark, space, the text,
// space, quotation mark, space and the phrase of the kind, for example
// ` " 11144477736 " não é um CPF válido`.
QString RefusalMessage(Check check, const QString& text, const QString& uf);

// The text the field shows after the operator leaves it holding `text`.
// Throws InvalidInputError with the refusal message, "Data inválida: ..." or
// "Informação necessária" when the field keeps the focus instead.
QString TextOnFocusLost(const QString& text, const EditSettings& settings);

}  // namespace quitanza::doclib
