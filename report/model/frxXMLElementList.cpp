#include "report/model/frxXMLElementList.h"

QByteArrayView TfrxXMLElementList::Name(int index) const
{
  const Element& element = FElements[static_cast<std::size_t>(index)];
  return QByteArrayView(FBuffer.data() + element.NameStart, element.TextStart - element.NameStart);
}

QByteArrayView TfrxXMLElementList::Text(int index) const
{
  const Element& element = FElements[static_cast<std::size_t>(index)];
  return QByteArrayView(FBuffer.data() + element.TextStart, element.TextEnd - element.TextStart);
}

int TfrxXMLElementList::Open(QByteArrayView name)
{
  Element element;
  element.NameStart = static_cast<qsizetype>(FBuffer.size());
  FBuffer.append(name.data(), static_cast<std::size_t>(name.size()));
  element.TextStart = element.TextEnd = static_cast<qsizetype>(FBuffer.size());
  element.End = Count() + 1;
  FElements.push_back(element);
  return Count() - 1;
}

void TfrxXMLElementList::EndText(int index)
{
  FElements[static_cast<std::size_t>(index)].TextEnd = static_cast<qsizetype>(FBuffer.size());
}

void TfrxXMLElementList::Clear()
{
  FBuffer.clear();
  FElements.clear();
  FOldVersion = false;
}
