#pragma once

#include <QByteArray>

#include <array>

class QIODevice;
class TfrxXMLItem;

// Reads a template document one tag at a time through a 4096-byte buffer.
// Every structural fault raises TfrxInvalidXMLException.
class TfrxXMLReader {
public:
  explicit TfrxXMLReader(QIODevice& stream) : FStream(stream) {}

  // With partial loading, the children of elements marked ld="0" are skipped:
  // such an element is left unloaded, with the stream position of its tag in
  // Offset, to be read later from there.
  void SetPartialLoading(bool partial) { FPartialLoading = partial; }

  // Reads the "<?xml ...?>" tag; returns true for an old-format (8-bit) file.
  bool ReadHeader();
  // Reads the root element and all its descendants into `root`.
  void ReadRootItem(TfrxXMLItem& root, bool oldVersion);

  // Deeper nesting than this is refused rather than risking the stack.
  static constexpr int kMaxDepth = 1000;

private:
  // Puts the next tag's text (between '<' and '>') in FTag; false at the end
  // of the stream before any further tag.
  bool ReadTag();
  bool Fill();
  void SkipComment(QByteArrayView alreadyRead);
  // Skips the children and the end tag of the element just read.
  void SkipChildren();
  // Fills name and attribute text; returns true when the element has no
  // children (self-closing or empty element).
  bool DecodeTag(TfrxXMLItem& item, bool oldVersion) const;

  QIODevice& FStream;
  std::array<char, 4096> FBuffer{};
  qsizetype FPos = 0;
  qsizetype FSize = 0;
  qint64 FBufferStart = 0;  // stream position of FBuffer[0]
  qint64 FTagStart = 0;     // stream position of the last tag's '<'
  bool FPartialLoading = false;
  QByteArray FTag;
};
