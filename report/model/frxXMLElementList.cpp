#include "report/model/frxXMLElementList.h"

#include "report/model/frxXMLReader.h"

#include <QIODevice>

#include <functional>

void TfrxXMLElementList::Load(QIODevice& stream)
{
  FElements.clear();
  FKept.clear();
  FSource = stream.readAll();
  TfrxXMLReader reader{QByteArrayView(FSource)};
  FOldVersion = reader.ReadHeader();
  reader.ReadRootElements(*this, FOldVersion);
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
