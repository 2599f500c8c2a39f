#include "report/model/frxXMLElementList.h"

#include "report/model/frxXMLReader.h"

#include <QBuffer>
#include <QIODevice>

#include <functional>

void TfrxXMLElementList::Load(QIODevice& stream)
{
  FElements.clear();
  FKept.clear();
  // A buffer read from its start already holds the bytes: share them
  // rather than copy.
  auto* buffer = qobject_cast<QBuffer*>(&stream);
  if (buffer && buffer->isReadable() && buffer->pos() == 0) {
    FSource = buffer->data();
    buffer->seek(buffer->size());
  } else {
    FSource = stream.readAll();
  }
  // Room for the elements of an ordinary template at once: unused room is
  // never touched.
  FElements.reserve(static_cast<std::size_t>(FSource.size() / 64));
  TfrxXMLReader reader{QByteArrayView(FSource)};
  reader.ReadRootElements(*this, reader.ReadHeader());
}

QByteArrayView TfrxXMLElementList::Keep(QByteArrayView bytes)
{
  if (bytes.isEmpty())
    return {};
  const std::less<const char*> before;
  const char* begin = FSource.constData();
  if (!before(bytes.data(), begin) && !before(begin + FSource.size(), bytes.data() + bytes.size()))
    return bytes;
  return Keep(bytes.toByteArray());
}

QByteArrayView TfrxXMLElementList::Keep(QByteArray bytes)
{
  FKept.push_back(std::move(bytes));
  return FKept.back();
}

int TfrxXMLElementList::Open(QByteArrayView name, QByteArrayView text)
{
  FElements.push_back({name, text, Count() + 1});
  return Count() - 1;
}
