#pragma once

#include <QString>

namespace quitanza::doclib {

// Checks of Brazilian documents and contact data. Each answers only whether a
// typed text is acceptable; none raises or shows anything. Most reduce the
// text to its digits first, so punctuation does not matter, and most accept
// the empty text so that an optional field may stay empty.

// An 11-digit CPF or a 14-character CNPJ (numeric, or alphanumeric: twelve
// characters 0-9/A-Z and two check digits) with correct modulus-11 check
// digits. The empty text is refused.
bool IsValidCpfCnpj(const QString& text);

// No digits, or exactly 8.
bool IsValidCep(const QString& text);

// No digits, or at least 11 whose 11th is the check digit of the first ten.
bool IsValidPis(const QString& text);

// No digits, or a voter title of at most 13 digits (widened to 13 with
// leading zeros) with correct check digits.
bool IsValidTitulo(const QString& text);

// Empty, or one of the 27 state codes or "FN" or "EX", in any case. A single
// letter that begins one of the codes in the list's order is accepted too
// (B, D, E, M, R, S); longer texts never are.
bool IsValidUF(const QString& text);

// No digits, an area code alone (1 or 2 digits), or 9 to 11 digits (an area
// code and a land line of 7 or 8 digits or a mobile number of 9).
bool IsValidTelefone(const QString& text);

// Empty, or one "@" that is not first, not followed by a character outside
// 0-9/a-z when preceded by one inside, and a "." somewhere. Applies to the
// whole text, whatever its length.
bool IsValidEmail(const QString& text);

// Empty, or a printable address of more than 5 characters starting with
// "www.", "news:", "http://", "https://" or "ftp://" and carrying a dotted name, or a
// dotted IPv4 address.
bool IsValidURL(const QString& text);

// State registrations are not checked per state: every text is accepted.
bool IsValidIE(const QString& registration, const QString& uf);

}  // namespace quitanza::doclib
