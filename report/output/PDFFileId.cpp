#include "report/output/PDFFileId.h"

#include "report/output/Md5.h"

#include <QUuid>

namespace quitanza::report {

QByteArray NewPdfFileId() {
  return PdfFileIdFromGuidText(QUuid::createUuid().toByteArray(QUuid::WithBraces).toUpper());
}

QByteArray PdfFileIdFromGuidText(QByteArrayView guidText) { return MD5Digest(guidText).toHex(); }

}  // namespace quitanza::report
