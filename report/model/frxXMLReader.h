#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>

class QIODevice;
class TfrxXMLElementList;
class TfrxXMLItem;

// Reads a template document one tag at a time through a 4096-byte buffer,
// or straight from a document held whole in memory. Every structural fault
// raises TfrxInvalidXMLException.
class TfrxXMLReader {
public:
  explicit TfrxXMLReader(QIODevice& stream) : FStream(&stream) {}
  // Tags are then views into `whole`, valid as long as it is.
  explicit TfrxXMLReader(QByteArrayView whole) : FBuffer(whole.data()), FSize(whole.size()) {}

  // With partial loading, the children of elements marked ld="0" are skipped:
  // such an element is left unloaded, with the stream position of its tag in
  // Offset, to be read later from there.
  void SetPartialLoading(bool partial) { FPartialLoading = partial; }

  // Reads the "<?xml ...?>" tag; returns true for an old-format (8-bit) file.
  bool ReadHeader();
  // Reads the root element and all its descendants into `root`.
  void ReadRootItem(TfrxXMLItem& root, bool oldVersion);
  // The same into a flat list, for building objects straight away.
  void ReadRootElements(TfrxXMLElementList& elements, bool oldVersion);

  // Deeper nesting than this is refused rather than risking the stack.
  static constexpr int kMaxDepth = 1000;

  // A start tag taken apart; the views point into the reader's buffers.
  struct Tag {
    QByteArrayView Name;
    QByteArrayView Text;
    qsizetype Marker = -1;  // position of the partial-loading marker in Text
    bool Childless = false;
  };

private:
  template <class Tree> void ReadTree(Tree& tree);
  // Makes FTag the next tag's text (between '<' and '>'); false at the end of
  // the stream before any further tag.
  bool ReadTag();
  // The tag's text when it does not lie whole in the buffer, or is a comment.
  bool ReadSplitTag();
  bool Fill();
  void SkipComment(QByteArrayView alreadyRead);
  // Skips the children and the end tag of the element just read.
  void SkipChildren();
  // Takes FTag apart; the partial-loading marker is looked for on request.
  Tag SplitTag(bool findMarker) const;

  QIODevice* FStream = nullptr;  // none when reading a document in memory
  std::array<char, 4096> FChunk{};
  const char* FBuffer = FChunk.data();  // FChunk, or the whole document
  qsizetype FPos = 0;
  qsizetype FSize = 0;
  qint64 FBufferStart = 0;  // stream position of FBuffer[0]
  qint64 FTagStart = 0;     // stream position of the last tag's '<'
  bool FPartialLoading = false;
  QByteArrayView FTag;  // into FBuffer, or into FSplitTag
  QByteArray FSplitTag;
};
