#include "report/format/frxXMLReader.h"

#include "report/format/frxCodePage.h"
#include "report/format/frxErrors.h"
#include "report/format/frxXML.h"

#include <QIODevice>

#include <vector>

int TfrxXMLReader::Next()
{
  if (FPos == FSize) {
    FBufferStart = FStream.pos();
    FSize = std::max<qint64>(FStream.read(FBuffer.data(), static_cast<qint64>(FBuffer.size())), 0);
    FPos = 0;
    if (FSize == 0)
      return -1;
  }
  return static_cast<unsigned char>(FBuffer[static_cast<std::size_t>(FPos++)]);
}

bool TfrxXMLReader::ReadTag()
{
  // Text between tags is ignored.
  int c = 0;
  do {
    c = Next();
    if (c < 0)
      return false;
  } while (c != '<');
  FTagStart = FBufferStart + FPos - 1;
  FTag.clear();
  for (c = Next(); c != '>' && c != '<'; c = Next()) {
    if (c < 0)
      throw TfrxInvalidXMLException();
    FTag.append(static_cast<char>(c));
  }
  if (FTag.startsWith("!--")) {
    // A comment may hold '<' and '>'; it ends at "-->".
    QByteArray body = FTag.mid(3);
    if (c == '>')
      body.append('>');
    SkipComment(body);
    return ReadTag();
  }
  if (c == '<')
    throw TfrxInvalidXMLException();
  return true;
}

void TfrxXMLReader::SkipComment(QByteArrayView alreadyRead)
{
  int dashes = 0;
  auto closes = [&dashes](int c) {
    if (c == '-') {
      // A third dash in a row counts as the first of a new pair.
      dashes = dashes == 2 ? 1 : dashes + 1;
      return false;
    }
    const bool close = c == '>' && dashes == 2;
    dashes = 0;
    return close;
  };
  for (char c : alreadyRead) {
    if (closes(static_cast<unsigned char>(c)))
      return;
  }
  for (;;) {
    const int c = Next();
    if (c < 0)
      throw TfrxInvalidXMLException();
    if (closes(c))
      return;
  }
}

bool TfrxXMLReader::ReadHeader()
{
  if (!ReadTag() || !FTag.startsWith("?xml"))
    throw TfrxInvalidXMLException();
  const qsizetype version = FTag.indexOf("version=\"");
  return version >= 0 && FTag.sliced(version + 9).startsWith("1.0") && !FTag.contains("standalone=");
}

bool TfrxXMLReader::FillItem(TfrxXMLItem& item, bool oldVersion) const
{
  QByteArrayView tag = FTag;
  if (tag.endsWith(' '))
    tag.chop(1);
  const qsizetype space = tag.indexOf(' ');
  QByteArrayView name = space < 0 ? tag : tag.first(space);
  QByteArrayView text = space < 0 ? QByteArrayView() : tag.sliced(space + 1);
  bool childless = false;
  if (name.endsWith('/')) {
    name.chop(1);
    childless = true;
  }
  if (text.endsWith('/')) {
    text.chop(1);
    childless = true;
  }
  item.Name = QString::fromLatin1(name);
  // The partial-loading marker ' ld="0"', matched ignoring case, is kept
  // apart from the attributes; it may also open the attribute text. The
  // marker goes with the space before it, if any.
  QByteArray attributes = text.toByteArray();
  for (qsizetype at = attributes.indexOf("=\"0\""); at >= 0; at = attributes.indexOf("=\"0\"", at + 1)) {
    if (at >= 2 && (at == 2 || attributes[at - 3] == ' ') &&
        QByteArrayView(attributes).sliced(at - 2, 2).compare("ld", Qt::CaseInsensitive) == 0) {
      const qsizetype start = at > 2 ? at - 3 : 0;
      attributes.remove(start, at + 4 - start);
      item.Unloadable = true;
      break;
    }
  }
  item.Text = oldVersion ? frxDecodeCp1252(attributes).toUtf8() : attributes;
  return childless;
}

void TfrxXMLReader::ReadRootItem(TfrxXMLItem& root, bool oldVersion)
{
  if (!ReadTag() || FTag.isEmpty() || FTag.startsWith('/'))
    throw TfrxInvalidXMLException();
  if (FillItem(root, oldVersion))
    return;
  std::vector<TfrxXMLItem*> open{&root};
  while (!open.empty()) {
    // A stream that ends with elements still open is a truncated file.
    if (!ReadTag())
      throw TfrxInvalidXMLException();
    if (FTag.isEmpty() || FTag.startsWith('/')) {
      const QByteArrayView closing = QByteArrayView(FTag).trimmed();
      if (closing.isEmpty() ||
          QLatin1StringView(closing.sliced(1)).compare(open.back()->Name, Qt::CaseInsensitive) != 0)
        throw TfrxInvalidXMLException();
      open.pop_back();
      continue;
    }
    const qint64 tagStart = FTagStart;
    TfrxXMLItem& child = open.back()->Add();
    if (FillItem(child, oldVersion))
      continue;
    if (FPartialLoading && child.Unloadable) {
      child.Offset = tagStart;
      child.Loaded = false;
      SkipChildren();
      continue;
    }
    if (static_cast<int>(open.size()) >= kMaxDepth)
      throw TfrxInvalidXMLException();
    open.push_back(&child);
  }
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
