#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace quitanza::report {

// A new PDF file identifier: the MD5 digest, as 32 lowercase hexadecimal
// digits, of the text form of a new GUID ("{", uppercase hexadecimal groups
// of 8-4-4-4-12 joined by "-", "}").
QByteArray NewPdfFileId();

// The identifier made from a given GUID text.
QByteArray PdfFileIdFromGuidText(QByteArrayView guidText);

}  // namespace quitanza::report
