#pragma once

#include <QByteArray>
#include <QString>

namespace quitanza::app {

// The authentication code printed on every receipt and stored in the register.
// Codes already printed depend on its exact byte selection, so it must never
// change: the MD5 of only the first n bytes of the UTF-16LE encoding of an
// n-unit text (about half of the text: "abc" hashes 61 00 62).

// MD5 (RFC 1321) of the first n bytes of the UTF-16LE encoding of `texto`,
// n being its number of UTF-16 code units.
QByteArray Md5DeTexto(const QString& texto);

// The digest as upper-case hexadecimal, two digits per byte.
QString Md5ParaHex(const QByteArray& digest);

// The code of a receipt: the amount text as shown, the issuer's document as
// stored, the receipt number in decimal and the client's name, joined without
// separators.
QString CodigoAutenticacao(const QString& valor, const QString& documentoEmitente, int numero,
                           const QString& cliente);
// The same with the number as the operator typed it: leading zeros change the code.
QString CodigoAutenticacao(const QString& valor, const QString& documentoEmitente, const QString& numero,
                           const QString& cliente);

}  // namespace quitanza::app
