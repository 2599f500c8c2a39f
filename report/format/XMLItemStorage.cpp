#include "report/format/XMLItemStorage.h"

#include "report/format/Errors.h"
#include "report/format/XML.h"
#include "report/format/XMLReader.h"
#include "report/format/XMLWriter.h"

#include <QIODevice>

#include <memory>
#include <vector>

namespace quitanza::report {

qint64 AppendItem(QIODevice& device, const XMLItem& item)
{
  const qint64 offset = device.size();
  if (!device.seek(offset))
    throw ReportError(QStringLiteral(u"Não foi possível gravar o arquivo temporário das páginas: %1").arg(device.errorString()));
  XMLWriter writer(device, false);
  writer.WriteItem(item, 0);
  writer.Flush();
  return offset;
}

void ReadItemChildren(QIODevice& device, qint64 offset, const XMLItem& item, XMLItem& into,
                      bool oldVersion)
{
  if (offset < 0 || !device.seek(offset))
    throw InvalidXMLException();
  XMLItem element;
  XMLReader(device).ReadRootItem(element, oldVersion);
  if (element.Name.compare(item.Name, Qt::CaseInsensitive) != 0)
    throw InvalidXMLException();
  // Taken from the back: each take is then constant time.
  std::vector<std::unique_ptr<XMLItem>> children;
  while (element.Count() > 0)
    children.push_back(element.TakeItem(element.Count() - 1));
  for (auto child = children.rbegin(); child != children.rend(); ++child)
    into.AddItem(std::move(*child));
}

}  // namespace quitanza::report
