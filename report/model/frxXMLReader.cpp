#include "report/model/frxXMLReader.h"

#include "report/model/frxCodePage.h"
#include "report/model/frxErrors.h"
#include "report/model/frxXML.h"
#include "report/model/frxXMLElementList.h"

#include <QIODevice>

#include <cstring>
#include <string_view>
#include <vector>

namespace {

const char* Find(const char* from, const char* to, char c)
{
  return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(to - from)));
}

// Appends the attribute text of a tag as elements keep it: UTF-8, without the
// partial-loading marker.
void AppendTagText(QByteArray& out, const TfrxXMLReader::Tag& tag, bool oldVersion)
{
  auto append = [&out, oldVersion](QByteArrayView piece) {
    if (oldVersion)
      out.append(frxDecodeCp1252(piece).toUtf8());
    else
      out.append(piece);
  };
  if (tag.Marker < 0) {
    append(tag.Text);
    return;
  }
  // The marker goes with the space before it, if any.
  append(tag.Text.first(tag.Marker > 0 ? tag.Marker - 1 : 0));
  append(tag.Text.sliced(tag.Marker + 6));
}

// The reader's view of a tree of items.
class ItemTree {
public:
  using Node = TfrxXMLItem*;
  // Items keep the partial-loading marker apart from the attributes.
  static constexpr bool kMarked = true;

  ItemTree(TfrxXMLItem& root, bool oldVersion) : FRoot(root), FOldVersion(oldVersion) {}

  Node AddRoot(const TfrxXMLReader::Tag& tag)
  {
    Fill(FRoot, tag);
    return &FRoot;
  }
  Node Add(Node parent, const TfrxXMLReader::Tag& tag)
  {
    TfrxXMLItem& item = parent->Add();
    Fill(item, tag);
    return &item;
  }
  static bool NameIs(Node node, QByteArrayView name)
  {
    return QLatin1StringView(name).compare(node->Name, Qt::CaseInsensitive) == 0;
  }
  static void Close(Node) {}
  // An unloaded item remembers where its tag starts, to be read later.
  static bool Defer(Node node, qint64 tagStart)
  {
    node->Offset = tagStart;
    node->Loaded = false;
    return true;
  }

private:
  void Fill(TfrxXMLItem& item, const TfrxXMLReader::Tag& tag)
  {
    // Documents repeat a few element names many times: share one string.
    if (tag.Name != QByteArrayView(FLastName)) {
      FLastName = tag.Name.toByteArray();
      FLastNameText = QString::fromLatin1(FLastName);
    }
    item.Name = FLastNameText;
    item.Text.clear();
    AppendTagText(item.Text, tag, FOldVersion);
    if (tag.Marker >= 0)
      item.Unloadable = true;
  }

  TfrxXMLItem& FRoot;
  bool FOldVersion;
  QByteArray FLastName;
  QString FLastNameText;
};

// The reader's view of a flat element list.
class ElementTree {
public:
  using Node = int;
  // Templates carry no partial-loading marker: a stray one is just an
  // attribute no object knows.
  static constexpr bool kMarked = false;

  ElementTree(TfrxXMLElementList& elements, bool oldVersion) : FElements(elements), FOldVersion(oldVersion) {}

  Node AddRoot(const TfrxXMLReader::Tag& tag) { return Add(-1, tag); }
  Node Add(Node, const TfrxXMLReader::Tag& tag)
  {
    QByteArray converted;
    if (FOldVersion)
      AppendTagText(converted, tag, true);
    return FElements.Open(FElements.Keep(tag.Name),
                          FOldVersion ? FElements.Keep(std::move(converted)) : FElements.Keep(tag.Text));
  }
  bool NameIs(Node node, QByteArrayView name) const
  {
    return FElements.Name(node).compare(name, Qt::CaseInsensitive) == 0;
  }
  void Close(Node node) { FElements.Close(node); }
  static bool Defer(Node, qint64) { return false; }

private:
  TfrxXMLElementList& FElements;
  bool FOldVersion;
};

}  // namespace

bool TfrxXMLReader::Fill()
{
  if (!FStream)
    return false;
  FPos = 0;
  FBuffer = FChunk.data();
  FBufferStart = FStream->pos();
  FSize = FStream->read(FChunk.data(), static_cast<qint64>(FChunk.size()));
  if (FSize < 0)
    FSize = 0;
  return FSize > 0;
}

bool TfrxXMLReader::ReadTag()
{
  // Text between tags is ignored.
  for (;;) {
    const char* open = Find(FBuffer + FPos, FBuffer + FSize, '<');
    if (open) {
      FPos = open - FBuffer + 1;
      FTagStart = FBufferStart + (open - FBuffer);
      break;
    }
    if (!Fill())
      return false;
  }
  // Most tags lie whole in the buffer and are used where they stand.
  const char* start = FBuffer + FPos;
  const char* close = Find(start, FBuffer + FSize, '>');
  if (close && !Find(start, close, '<')) {
    const QByteArrayView tag(start, close - start);
    // Compared in place: the library's startsWith is a call for every tag.
    if (tag.size() < 3 || std::memcmp(tag.data(), "!--", 3) != 0) {
      FTag = tag;
      FPos = close - FBuffer + 1;
      return true;
    }
  }
  return ReadSplitTag();
}

bool TfrxXMLReader::ReadSplitTag()
{
  FSplitTag.clear();
  for (;;) {
    const char* start = FBuffer + FPos;
    const char* end = FBuffer + FSize;
    const char* close = Find(start, end, '>');
    const char* limit = close ? close : end;
    const char* open = Find(start, limit, '<');
    const char* stop = open ? open : limit;
    FSplitTag.append(start, stop - start);
    if (stop == end) {
      if (!Fill())
        throw TfrxInvalidXMLException();
      continue;
    }
    FPos = stop - FBuffer + 1;
    if (FSplitTag.startsWith("!--")) {
      // A comment may hold '<' and '>'; it ends at "-->".
      QByteArray body = FSplitTag.mid(3);
      if (*stop == '>')
        body.append('>');
      SkipComment(body);
      return ReadTag();
    }
    if (*stop == '<')
      throw TfrxInvalidXMLException();
    FTag = FSplitTag;
    return true;
  }
}

void TfrxXMLReader::SkipComment(QByteArrayView alreadyRead)
{
  int dashes = 0;
  auto step = [&dashes](char c) {
    if (c == '-') {
      // A third dash in a row counts as the first of a new pair.
      dashes = dashes == 2 ? 1 : dashes + 1;
      return false;
    }
    const bool closes = c == '>' && dashes == 2;
    dashes = 0;
    return closes;
  };
  for (char c : alreadyRead) {
    if (step(c))
      return;
  }
  for (;;) {
    while (FPos < FSize) {
      if (step(FBuffer[FPos++]))
        return;
    }
    if (!Fill())
      throw TfrxInvalidXMLException();
  }
}

bool TfrxXMLReader::ReadHeader()
{
  if (!ReadTag() || !FTag.startsWith("?xml"))
    throw TfrxInvalidXMLException();
  const std::string_view header(FTag.data(), static_cast<std::size_t>(FTag.size()));
  const std::size_t version = header.find("version=\"");
  return version != std::string_view::npos && header.substr(version + 9, 3) == "1.0" &&
         header.find("standalone=") == std::string_view::npos;
}

TfrxXMLReader::Tag TfrxXMLReader::SplitTag(bool findMarker) const
{
  QByteArrayView tag = FTag;
  if (tag.endsWith(' '))
    tag.chop(1);
  const qsizetype space = tag.indexOf(' ');
  Tag result;
  result.Name = space < 0 ? tag : tag.first(space);
  result.Text = space < 0 ? QByteArrayView() : tag.sliced(space + 1);
  if (result.Name.endsWith('/')) {
    result.Name.chop(1);
    result.Childless = true;
  }
  if (result.Text.endsWith('/')) {
    result.Text.chop(1);
    result.Childless = true;
  }
  if (!findMarker)
    return result;
  // The partial-loading marker ' ld="0"', matched ignoring case; it may also
  // open the attribute text.
  const QByteArrayView text = result.Text;
  const std::string_view raw(text.data(), static_cast<std::size_t>(text.size()));
  for (std::size_t at = raw.find("=\"0\""); at != std::string_view::npos; at = raw.find("=\"0\"", at + 1)) {
    if (at >= 2 && (at == 2 || text[at - 3] == ' ') && (text[at - 2] | 0x20) == 'l' &&
        (text[at - 1] | 0x20) == 'd') {
      result.Marker = static_cast<qsizetype>(at) - 2;
      break;
    }
  }
  return result;
}

template <class Tree> void TfrxXMLReader::ReadTree(Tree& tree)
{
  if (!ReadTag() || FTag.isEmpty() || FTag.startsWith('/'))
    throw TfrxInvalidXMLException();
  Tag tag = SplitTag(Tree::kMarked);
  std::vector<typename Tree::Node> open{tree.AddRoot(tag)};
  if (tag.Childless) {
    tree.Close(open.back());
    return;
  }
  while (!open.empty()) {
    // A stream that ends with elements still open is a truncated file.
    if (!ReadTag())
      throw TfrxInvalidXMLException();
    if (FTag.isEmpty() || FTag.startsWith('/')) {
      const QByteArrayView closing = FTag.trimmed();
      if (closing.isEmpty() || !tree.NameIs(open.back(), closing.sliced(1)))
        throw TfrxInvalidXMLException();
      tree.Close(open.back());
      open.pop_back();
      continue;
    }
    const qint64 tagStart = FTagStart;
    tag = SplitTag(Tree::kMarked);
    const typename Tree::Node child = tree.Add(open.back(), tag);
    if (tag.Childless) {
      tree.Close(child);
      continue;
    }
    if (FPartialLoading && tag.Marker >= 0 && tree.Defer(child, tagStart)) {
      SkipChildren();
      continue;
    }
    if (static_cast<int>(open.size()) >= kMaxDepth)
      throw TfrxInvalidXMLException();
    open.push_back(child);
  }
}

void TfrxXMLReader::ReadRootItem(TfrxXMLItem& root, bool oldVersion)
{
  ItemTree tree(root, oldVersion);
  ReadTree(tree);
}

void TfrxXMLReader::ReadRootElements(TfrxXMLElementList& elements, bool oldVersion)
{
  elements.SetOldVersion(oldVersion);
  ElementTree tree(elements, oldVersion);
  ReadTree(tree);
}

void TfrxXMLReader::SkipChildren()
{
  int depth = 1;
  while (depth > 0) {
    if (!ReadTag())
      throw TfrxInvalidXMLException();
    QByteArrayView tag(FTag);
    if (tag.endsWith(' '))
      tag.chop(1);
    if (tag.isEmpty() || tag.startsWith('/'))
      --depth;
    else if (!tag.endsWith('/') && ++depth > kMaxDepth)
      throw TfrxInvalidXMLException();
  }
}
