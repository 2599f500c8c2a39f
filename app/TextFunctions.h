#pragma once

#include <QString>

namespace quitanza::app {

// Text functions of the receipt windows, shared by the issuing, lookup and
// check windows and the command line.

// Reads an amount typed with Brazilian punctuation, whatever the machine's
// locale: "1.234,56" gives 1234.56, "7-1" gives 71.
// Throws InvalidInputError "'%s' is not a valid floating point value".
double StringToFloat(const QString& s);

// The digits "0" to "9" of the text.
QString RemoverCaracters(const QString& texto);

// A CPF or CNPJ number with its punctuation (123.456.789-09,
// 12.345.678/0001-95, 12.ABC.345/01DE-35).
QString FormatarCpfCnpj(const QString& cpfCnpj);

// The text as a quoted literal, the form report variables take their texts in:
// enclosed in single quotes, each quote inside doubled (D'ÁVILA gives 'D''ÁVILA').
QString QuotedStr(const QString& texto);

}  // namespace quitanza::app
