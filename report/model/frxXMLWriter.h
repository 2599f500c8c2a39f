#pragma once

#include <QString>

class QIODevice;
class TfrxXMLItem;

// Writes a document in the template layout: CR LF line ends and two spaces of
// indentation per level, or everything on one line without indentation.
class TfrxXMLWriter {
public:
  TfrxXMLWriter(QIODevice& stream, bool autoIndent) : FStream(stream), FAutoIndent(autoIndent) {}
  ~TfrxXMLWriter() = default;

  void WriteHeader();
  void WriteItem(const TfrxXMLItem& item, int level);
  void Flush();

private:
  void Write(QStringView text);
  void Indent(int level);
  void LineEnd();

  QIODevice& FStream;
  bool FAutoIndent;
  QString FBuffer;
};
