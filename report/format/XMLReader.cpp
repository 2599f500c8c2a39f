#include "report/format/XMLReader.h"

#include "report/format/CodePage.h"
#include "report/format/Errors.h"
#include "report/format/XML.h"

#include <QIODevice>

#include <vector>

namespace quitanza::report {

int XMLReader::Next()
{
  if (m_pos == m_size) {
    m_bufferStart = m_stream.pos();
    m_size = std::max<qint64>(m_stream.read(m_buffer.data(), static_cast<qint64>(m_buffer.size())), 0);
    m_pos = 0;
    if (m_size == 0)
      return -1;
  }
  return static_cast<unsigned char>(m_buffer[static_cast<std::size_t>(m_pos++)]);
}

bool XMLReader::ReadTag()
{
  // Text between tags is ignored.
  int c = 0;
  do {
    c = Next();
    if (c < 0)
      return false;
  } while (c != '<');
  m_tagStart = m_bufferStart + m_pos - 1;
  m_tag.clear();
  for (c = Next(); c != '>' && c != '<'; c = Next()) {
    if (c < 0)
      throw InvalidXMLException();
    m_tag.append(static_cast<char>(c));
  }
  if (m_tag.startsWith("!--")) {
    // A comment may hold '<' and '>'; it ends at "-->".
    QByteArray body = m_tag.mid(3);
    if (c == '>')
      body.append('>');
    SkipComment(body);
    return ReadTag();
  }
  if (c == '<')
    throw InvalidXMLException();
  return true;
}

void XMLReader::SkipComment(QByteArrayView alreadyRead)
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
      throw InvalidXMLException();
    if (closes(c))
      return;
  }
}

bool XMLReader::ReadHeader()
{
  if (!ReadTag() || !m_tag.startsWith("?xml"))
    throw InvalidXMLException();
  const qsizetype version = m_tag.indexOf("version=\"");
  return version >= 0 && m_tag.sliced(version + 9).startsWith("1.0") && !m_tag.contains("standalone=");
}

bool XMLReader::FillItem(report::XMLItem& item, bool oldVersion) const
{
  QByteArrayView tag = m_tag;
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
  item.Text = oldVersion ? DecodeCp1252(attributes).toUtf8() : attributes;
  return childless;
}

void XMLReader::ReadRootItem(report::XMLItem& root, bool oldVersion)
{
  if (!ReadTag() || m_tag.isEmpty() || m_tag.startsWith('/'))
    throw InvalidXMLException();
  if (FillItem(root, oldVersion))
    return;
  std::vector<report::XMLItem*> open{&root};
  while (!open.empty()) {
    // A stream that ends with elements still open is a truncated file.
    if (!ReadTag())
      throw InvalidXMLException();
    if (m_tag.isEmpty() || m_tag.startsWith('/')) {
      const QByteArrayView closing = QByteArrayView(m_tag).trimmed();
      if (closing.isEmpty() ||
          QLatin1StringView(closing.sliced(1)).compare(open.back()->Name, Qt::CaseInsensitive) != 0)
        throw InvalidXMLException();
      open.pop_back();
      continue;
    }
    const qint64 tagStart = m_tagStart;
    report::XMLItem& child = open.back()->Add();
    if (FillItem(child, oldVersion))
      continue;
    if (m_partialLoading && child.Unloadable) {
      child.Offset = tagStart;
      child.Loaded = false;
      SkipChildren();
      continue;
    }
    if (static_cast<int>(open.size()) >= kMaxDepth)
      throw InvalidXMLException();
    open.push_back(&child);
  }
}

void XMLReader::SkipChildren()
{
  int depth = 1;
  while (depth > 0) {
    if (!ReadTag())
      throw InvalidXMLException();
    QByteArrayView tag(m_tag);
    if (tag.endsWith(' '))
      tag.chop(1);
    if (tag.isEmpty() || tag.startsWith('/'))
      --depth;
    else if (!tag.endsWith('/') && ++depth > kMaxDepth)
      throw InvalidXMLException();
  }
}

}  // namespace quitanza::report
