#include "report/output/PDFWriter.h"

#include "report/output/PDFNumbers.h"

#include <stdexcept>
#include <string>

namespace quitanza::report {

namespace {

constexpr qint64 NotWritten = -1;

}  // namespace

PDFWriter::PDFWriter(QIODevice& output) : m_sink(output) {}

void PDFWriter::Write(QByteArrayView bytes) { m_sink.Write(bytes); }

void PDFWriter::WriteLine(QByteArrayView text) {
  m_sink.Write(text);
  m_sink.Write("\r\n");
}

int PDFWriter::NewObject() {
  m_offsets.append(Position());
  return ObjectCount();
}

int PDFWriter::ReserveObject() {
  m_offsets.append(NotWritten);
  return ObjectCount();
}

void PDFWriter::UpdateObject(int objectNumber) {
  if (objectNumber < 1 || objectNumber > ObjectCount())
    throw std::out_of_range("no PDF object number " + std::to_string(objectNumber));
  m_offsets[objectNumber - 1] = Position();
}

qint64 PDFWriter::WriteXref() {
  const qint64 position = Position();
  QByteArray table = "xref\r\n0 " + PdfInt(ObjectCount() + 1) + "\r\n0000000000 65535 f\r\n";
  for (qsizetype i = 0; i < m_offsets.size(); ++i) {
    if (m_offsets[i] == NotWritten)
      throw std::logic_error("PDF object " + std::to_string(i + 1) + " was reserved but never written");
    table += PdfInt(m_offsets[i]).rightJustified(10, '0') + " 00000 n\r\n";
  }
  Write(table);
  return position;
}

void PDFWriter::WriteTrailer(int rootObject, int infoObject, QByteArrayView fileIdHex,
                             QByteArrayView encryptDictionary, qint64 xrefPosition) {
  const QByteArray id = '<' + fileIdHex.toByteArray() + '>';
  Write("trailer\r\n<<\r\n/Size " + PdfInt(ObjectCount() + 1) + "\r\n/Root " + PdfInt(rootObject) +
        " 0 R\r\n/Info " + PdfInt(infoObject) + " 0 R\r\n/ID [" + id + id + "]\r\n");
  Write(encryptDictionary);
  Write(">>\r\nstartxref\r\n" + PdfInt(xrefPosition) + "\r\n%%EOF\r\n");
}

}  // namespace quitanza::report
