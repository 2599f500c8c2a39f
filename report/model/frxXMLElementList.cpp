#include "report/model/frxXMLElementList.h"

QByteArrayView TfrxXMLElementList::Name(int index) const
{
  const Element& element = FElements[static_cast<std::size_t>(index)];
  return QByteArrayView(FBuffer).sliced(element.NameStart, element.TextStart - element.NameStart);
}

QByteArrayView TfrxXMLElementList::Text(int index) const
{
  const Element& element = FElements[static_cast<std::size_t>(index)];
  return QByteArrayView(FBuffer).sliced(element.TextStart, element.TextEnd - element.TextStart);
}

int TfrxXMLElementList::Open(QByteArrayView name)
{
  Element element;
  element.NameStart = FBuffer.size();
  FBuffer.append(name);
  element.TextStart = element.TextEnd = FBuffer.size();
  element.End = Count() + 1;
  FElements.push_back(element);
  return Count() - 1;
}

void TfrxXMLElementList::EndText(int index) { FElements[static_cast<std::size_t>(index)].TextEnd = FBuffer.size(); }

void TfrxXMLElementList::Clear()
{
  FBuffer.clear();
  FElements.clear();
  FOldVersion = false;
}
