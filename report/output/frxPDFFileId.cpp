#include "report/output/frxPDFFileId.h"

#include "report/output/frxmd5.h"

#include <QUuid>

QByteArray NewPdfFileId() {
  return PdfFileIdFromGuidText(QUuid::createUuid().toByteArray(QUuid::WithBraces).toUpper());
}

QByteArray PdfFileIdFromGuidText(QByteArrayView guidText) { return MD5Digest(guidText).toHex(); }
