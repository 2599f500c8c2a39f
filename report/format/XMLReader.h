#pragma once

#include <QByteArray>

#include <array>

class QIODevice;

namespace quitanza::report {

class XMLItem;

// Reads a template document one tag at a time through a 4096-byte buffer.
// The dialect departs from XML: attribute text is kept raw, as it stands in
// the tag (a tag ends at its first '>', and a '<' inside one is an error),
// end tags match their element ignoring case, old files are 8-bit text, and
// prepared pages may mark elements whose children are read later. Every
// structural fault raises InvalidXMLException.
class XMLReader {
public:
  explicit XMLReader(QIODevice& stream) : m_stream(stream) {}

  // With partial loading, the children of elements marked ld="0" are skipped:
  // such an element is left unloaded, with the stream position of its tag in
  // Offset, to be read later from there.
  void SetPartialLoading(bool partial) { m_partialLoading = partial; }

  // Reads the "<?xml ...?>" tag; returns true for an old-format (8-bit) file.
  bool ReadHeader();
  // Reads the root element and all its descendants into `root`.
  void ReadRootItem(report::XMLItem& root, bool oldVersion);

  // Deeper nesting than this is refused rather than risking the stack.
  static constexpr int kMaxDepth = 1000;

private:
  // The next byte, or -1 at the end of the stream.
  int Next();
  // Makes m_tag the next tag's text (between '<' and '>'); false at the end of
  // the stream before any further tag.
  bool ReadTag();
  void SkipComment(QByteArrayView alreadyRead);
  // Skips the children and the end tag of the element just read.
  void SkipChildren();
  // Fills `item` from the start tag in m_tag; true when the tag closes the
  // element itself ("<Name .../>").
  bool FillItem(report::XMLItem& item, bool oldVersion) const;

  QIODevice& m_stream;
  std::array<char, 4096> m_buffer{};
  qsizetype m_pos = 0;
  qsizetype m_size = 0;
  qint64 m_bufferStart = 0;  // stream position of m_buffer[0]
  qint64 m_tagStart = 0;     // stream position of the last tag's '<'
  bool m_partialLoading = false;
  QByteArray m_tag;
};

}  // namespace quitanza::report
