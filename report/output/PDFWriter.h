#pragma once

#include "report/output/DeviceSink.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>

namespace quitanza::report {

// Writes a PDF file front to back and keeps the byte offset of every object
// for the cross-reference table written at the end. Object numbers start at 1.
class PDFWriter {
public:
  // The device must be open for writing; offsets count from the first byte
  // written here, so a caller's stream may already hold other data.
  explicit PDFWriter(QIODevice& output);

  qint64 Position() const { return m_sink.Written(); }

  void Write(QByteArrayView bytes);
  // The text followed by CR LF.
  void WriteLine(QByteArrayView text);

  // The next object number, its offset the current position.
  int NewObject();
  // The next object number, its offset given later by UpdateObject.
  int ReserveObject();
  // The object's offset becomes the current position.
  void UpdateObject(int objectNumber);
  int ObjectCount() const { return int(m_offsets.size()); }

  // xref, "0 m", the free head entry and one 20-byte entry per object.
  // Returns the table's position for startxref. Throws std::logic_error
  // when an object was reserved but never written.
  qint64 WriteXref();

  // trailer << /Size /Root /Info /ID [encryption lines] >> startxref %%EOF.
  void WriteTrailer(int rootObject, int infoObject, QByteArrayView fileIdHex,
                    QByteArrayView encryptDictionary, qint64 xrefPosition);

  // The chain end that writes into the file, for stages that stream into it.
  PDFStage& Sink() { return m_sink; }

private:
  report::DeviceSink m_sink;
  QList<qint64> m_offsets;
};

}  // namespace quitanza::report
