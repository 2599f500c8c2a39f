#include "report/model/frxXMLReader.h"

#include "report/model/frxCodePage.h"
#include "report/model/frxErrors.h"
#include "report/model/frxXML.h"

#include <QIODevice>

#include <cstring>
#include <string_view>
#include <vector>

bool TfrxXMLReader::Fill()
{
  FPos = 0;
  FBufferStart = FStream.pos();
  FSize = FStream.read(FBuffer.data(), static_cast<qint64>(FBuffer.size()));
  if (FSize < 0)
    FSize = 0;
  return FSize > 0;
}

bool TfrxXMLReader::ReadTag()
{
  FTag.clear();
  // Text between tags is ignored.
  for (;;) {
    const char* start = FBuffer.data() + FPos;
    const auto* open = static_cast<const char*>(std::memchr(start, '<', static_cast<std::size_t>(FSize - FPos)));
    if (open) {
      FPos = open - FBuffer.data() + 1;
      FTagStart = FBufferStart + (open - FBuffer.data());
      break;
    }
    if (!Fill())
      return false;
  }
  for (;;) {
    const char* start = FBuffer.data() + FPos;
    const char* end = FBuffer.data() + FSize;
    const auto* close = static_cast<const char*>(std::memchr(start, '>', static_cast<std::size_t>(end - start)));
    const char* limit = close ? close : end;
    const auto* open = static_cast<const char*>(std::memchr(start, '<', static_cast<std::size_t>(limit - start)));
    const char* stop = open ? open : limit;
    FTag.append(start, stop - start);
    if (stop == end) {
      if (!Fill())
        throw TfrxInvalidXMLException();
      continue;
    }
    FPos = stop - FBuffer.data() + 1;
    if (FTag.startsWith("!--")) {
      // A comment may hold '<' and '>'; it ends at "-->".
      QByteArray body = FTag.mid(3);
      if (*stop == '>')
        body.append('>');
      SkipComment(body);
      return ReadTag();
    }
    if (*stop == '<')
      throw TfrxInvalidXMLException();
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
      if (step(FBuffer[static_cast<std::size_t>(FPos++)]))
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
  const qsizetype version = FTag.indexOf("version=\"");
  return version >= 0 && FTag.mid(version + 9, 3) == "1.0" && !FTag.contains("standalone=");
}

bool TfrxXMLReader::DecodeTag(TfrxXMLItem& item, bool oldVersion) const
{
  QByteArrayView tag(FTag);
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
  // The partial-loading marker ' ld="0"', matched ignoring case.
  qsizetype partial = -1;
  const std::string_view raw(text.data(), static_cast<std::size_t>(text.size()));
  for (std::size_t at = raw.find("=\"0\""); at != std::string_view::npos; at = raw.find("=\"0\"", at + 1)) {
    // The marker may also open the attribute text.
    if (at >= 2 && (at == 2 || text[at - 3] == ' ') && (text[at - 2] | 0x20) == 'l' &&
        (text[at - 1] | 0x20) == 'd') {
      partial = static_cast<qsizetype>(at) - 2;
      break;
    }
  }
  if (partial < 0) {
    item.Text = oldVersion ? frxDecodeCp1252(text).toUtf8() : text.toByteArray();
    return childless;
  }
  // The marker goes with the space before it, if any.
  const qsizetype from = partial > 0 ? partial - 1 : 0;
  const QByteArray stripped = text.first(from).toByteArray() + text.sliced(partial + 6).toByteArray();
  item.Text = oldVersion ? frxDecodeCp1252(stripped).toUtf8() : stripped;
  item.Unloadable = true;
  return childless;
}

void TfrxXMLReader::ReadRootItem(TfrxXMLItem& root, bool oldVersion)
{
  if (!ReadTag() || FTag.isEmpty() || FTag.startsWith('/'))
    throw TfrxInvalidXMLException();
  if (DecodeTag(root, oldVersion))
    return;
  std::vector<TfrxXMLItem*> open{&root};
  while (!open.empty()) {
    // A stream that ends with elements still open is a truncated file.
    if (!ReadTag())
      throw TfrxInvalidXMLException();
    if (FTag.isEmpty() || FTag.startsWith('/')) {
      const QString closing = QString::fromLatin1(FTag).trimmed();
      if (QString::compare(closing, QLatin1Char('/') + open.back()->Name, Qt::CaseInsensitive) != 0)
        throw TfrxInvalidXMLException();
      open.pop_back();
      continue;
    }
    const qint64 tagStart = FTagStart;
    TfrxXMLItem& child = open.back()->Add();
    if (!DecodeTag(child, oldVersion)) {
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
