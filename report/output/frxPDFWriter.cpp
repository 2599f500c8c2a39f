#include "report/output/frxPDFWriter.h"

#include "report/output/frxPDFNumbers.h"

#include <stdexcept>
#include <string>

namespace {

constexpr qint64 NotWritten = -1;

}  // namespace

TfrxPDFWriter::TfrxPDFWriter(QIODevice& output) : FSink(output) {}

void TfrxPDFWriter::Write(QByteArrayView bytes) { FSink.Write(bytes); }

void TfrxPDFWriter::WriteLine(QByteArrayView text) {
  FSink.Write(text);
  FSink.Write("\r\n");
}

int TfrxPDFWriter::NewObject() {
  FOffsets.append(Position());
  return ObjectCount();
}

int TfrxPDFWriter::ReserveObject() {
  FOffsets.append(NotWritten);
  return ObjectCount();
}

void TfrxPDFWriter::UpdateObject(int objectNumber) {
  if (objectNumber < 1 || objectNumber > ObjectCount())
    throw std::out_of_range("no PDF object number " + std::to_string(objectNumber));
  FOffsets[objectNumber - 1] = Position();
}

qint64 TfrxPDFWriter::WriteXref() {
  const qint64 position = Position();
  QByteArray table = "xref\r\n0 " + PdfInt(ObjectCount() + 1) + "\r\n0000000000 65535 f\r\n";
  for (qsizetype i = 0; i < FOffsets.size(); ++i) {
    if (FOffsets[i] == NotWritten)
      throw std::logic_error("PDF object " + std::to_string(i + 1) + " was reserved but never written");
    table += PdfInt(FOffsets[i]).rightJustified(10, '0') + " 00000 n\r\n";
  }
  Write(table);
  return position;
}

void TfrxPDFWriter::WriteTrailer(int rootObject, int infoObject, QByteArrayView fileIdHex,
                                 QByteArrayView encryptDictionary, qint64 xrefPosition) {
  const QByteArray id = '<' + fileIdHex.toByteArray() + '>';
  Write("trailer\r\n<<\r\n/Size " + PdfInt(ObjectCount() + 1) + "\r\n/Root " + PdfInt(rootObject) +
        " 0 R\r\n/Info " + PdfInt(infoObject) + " 0 R\r\n/ID [" + id + id + "]\r\n");
  Write(encryptDictionary);
  Write(">>\r\nstartxref\r\n" + PdfInt(xrefPosition) + "\r\n%%EOF\r\n");
}
