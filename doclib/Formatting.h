#pragma once

#include <QDate>
#include <QString>

namespace quitanza::doclib {

// The kind of datum a validated edit field holds.
enum class Check { None, CpfCnpj, Cep, IE, Telefone, Email, URL, Date, UF, PIS, Titulo };

// The characters a validated edit field accepts as they are typed.
enum class Caracters { Alfanumeric, Numeric, NumericSymbol, Real, IE };

// The digits "0" to "9" of the text, in order.
QString OnlyDigits(const QString& text);

// The text with every occurrence of `character` replaced by `replacement`.
QString ReplaceChar(const QString& text, QChar character, const QString& replacement);

// Reads an amount typed with Brazilian punctuation (see AmountCharacters):
// "R$ 1.234,56" reads 1234.56, whatever the machine's locale.
// Throws InvalidInputError "'%s' is not a valid floating point value".
double ParseValue(const QString& text);

// CPF 999.999.999-99 for eleven digits, otherwise the CNPJ layout
// 99.999.999/9999-99, whose first twelve places may also hold the letters of
// the alphanumeric CNPJ (12.ABC.345/01DE-35). Works on the characters 0-9 and
// A-Z of the text (letters upper-cased); punctuation is written even where the
// characters run out.
QString FormatCpfCnpj(const QString& text);

// 12.345-678 when the text is exactly 8 characters long, else its digits.
QString FormatCep(const QString& text);

// 123.45678.90-1, or the empty text when there are no digits.
QString FormatPis(const QString& text);

// (11)321-0456, (11)3210-4567 or (11)98765-4321 for 9, 10 or 11 characters,
// else the trimmed text.
QString FormatTelefone(const QString& text);

// Completes ddmmyyyy, ddmmyy, ddmm or dd (the missing parts from `today`) and
// returns dd/mm/yyyy; two-digit years fall in the hundred years that start
// fifty years before today's year. The empty text stays empty.
// Throws InvalidInputError "Data inválida: <completed text>".
QString FormatDate(const QString& text, QDate today = QDate::currentDate());

// 999999999-99.99 taken from the text as given (the field widens a title to
// thirteen digits first).
QString FormatTitulo(const QString& text);

// The digits of a voter title read as a number and written with at least 13
// digits: "123456780191" gives "0123456780191", "00123" gives "0000000000123".
QString WidenTitulo(const QString& text);

// The state registration laid out with the mask of state `uf`. "ISENTO" and
// blank texts come back unchanged; characters beyond the mask's places are
// appended after it, so nothing typed is lost.
QString FormatIE(const QString& registration, const QString& uf);

}  // namespace quitanza::doclib
