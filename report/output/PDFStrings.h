#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <string>
#include <string_view>

namespace quitanza::report {

// String and name forms of PDF files.

// "(" bytes ")" with LF as \n, CR as \r and "(", ")", "\" escaped by a
// backslash; every other byte unchanged. Holds any bytes, encrypted ones too.
QByteArray PdfLiteralString(QByteArrayView bytes);

// The bytes FE FF followed by the text in UTF-16 big-endian order: a PDF text
// string, the input of string encryption.
QByteArray PdfTextBytes(const QString& text);

// Four uppercase hexadecimal digits per 16-bit unit appended to out: glyph
// codes of a text-showing string, entries of a character map.
void AppendPdfHexUnits(QByteArray& out, std::u16string_view units);
void AppendPdfHexUnits(std::string& out, std::u16string_view units);

// "<FEFF", four uppercase hexadecimal digits per UTF-16 unit, ">"; an empty
// text gives "<FEFF>". Information fields and outline titles of unprotected files.
QByteArray PdfTextHexString(const QString& text);

// The bytes of a link's URI: printable ASCII stays as it is; anything else is
// percent-encoded UTF-8, since a URI in a PDF file is an ASCII string.
QByteArray PdfUriBytes(const QString& target);

// A link target as written into an unprotected file: "(" target ")" when the
// target is printable ASCII with balanced parentheses and no backslash, else
// the escaped literal form of its URI bytes.
QByteArray PdfUriString(const QString& target);

// A name's characters after the "/": delimiters, "#", spaces, control
// characters and bytes of 127 and above become "#" and two uppercase
// hexadecimal digits (Times New Roman,Bold -> Times#20New#20Roman,Bold).
QByteArray PdfNameEscape(QByteArrayView name);

// D:yyyymmddhhnnss of a local time, without the parentheses.
QByteArray PdfDateText(const QDateTime& time);

}  // namespace quitanza::report
