#pragma once

#include <QByteArray>

#include <array>

class QIODevice;
class TfrxXMLItem;

// Reads a template document one tag at a time through a 4096-byte buffer.
// The dialect departs from XML: attribute text is kept raw, as it stands in
// the tag (a tag ends at its first '>', and a '<' inside one is an error),
// end tags match their element ignoring case, old files are 8-bit text, and
// prepared pages may mark elements whose children are read later. Every
// structural fault raises TfrxInvalidXMLException.
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
  // The next byte, or -1 at the end of the stream.
  int Next();
  // Makes FTag the next tag's text (between '<' and '>'); false at the end of
  // the stream before any further tag.
  bool ReadTag();
  void SkipComment(QByteArrayView alreadyRead);
  // Skips the children and the end tag of the element just read.
  void SkipChildren();
  // Fills `item` from the start tag in FTag; true when the tag closes the
  // element itself ("<Name .../>").
  bool FillItem(TfrxXMLItem& item, bool oldVersion) const;

  QIODevice& FStream;
  std::array<char, 4096> FBuffer{};
  qsizetype FPos = 0;
  qsizetype FSize = 0;
  qint64 FBufferStart = 0;  // stream position of FBuffer[0]
  qint64 FTagStart = 0;     // stream position of the last tag's '<'
  bool FPartialLoading = false;
  QByteArray FTag;
};
