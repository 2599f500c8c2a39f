#include "report/format/frxXMLItemStorage.h"

#include "report/format/frxErrors.h"
#include "report/format/frxXML.h"
#include "report/format/frxXMLReader.h"
#include "report/format/frxXMLWriter.h"

#include <QIODevice>

#include <memory>
#include <vector>

qint64 frxAppendItem(QIODevice& device, const TfrxXMLItem& item)
{
  const qint64 offset = device.size();
  if (!device.seek(offset))
    throw EfrxError(QStringLiteral(u"Não foi possível gravar o arquivo temporário das páginas: %1").arg(device.errorString()));
  TfrxXMLWriter writer(device, false);
  writer.WriteItem(item, 0);
  writer.Flush();
  return offset;
}

void frxReadItemChildren(QIODevice& device, qint64 offset, const TfrxXMLItem& item, TfrxXMLItem& into,
                         bool oldVersion)
{
  if (offset < 0 || !device.seek(offset))
    throw TfrxInvalidXMLException();
  TfrxXMLItem element;
  TfrxXMLReader(device).ReadRootItem(element, oldVersion);
  if (element.Name.compare(item.Name, Qt::CaseInsensitive) != 0)
    throw TfrxInvalidXMLException();
  // Taken from the back: each take is then constant time.
  std::vector<std::unique_ptr<TfrxXMLItem>> children;
  while (element.Count() > 0)
    children.push_back(element.TakeItem(element.Count() - 1));
  for (auto child = children.rbegin(); child != children.rend(); ++child)
    into.AddItem(std::move(*child));
}
