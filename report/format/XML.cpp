#include "report/format/XML.h"

#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"
#include "report/format/Errors.h"
#include "report/format/XMLEscape.h"
#include "report/format/XMLReader.h"
#include "report/format/XMLWriter.h"

#include <QFile>

namespace quitanza::report {

using namespace platform;

XMLItem* XMLItem::Root()
{
  report::XMLItem* item = this;
  while (item->m_parent)
    item = item->m_parent;
  return item;
}

XMLItem& XMLItem::Add()
{
  auto item = std::make_unique<report::XMLItem>();
  item->m_parent = this;
  m_items.push_back(std::move(item));
  return *m_items.back();
}

XMLItem& XMLItem::Add(const QString& name)
{
  report::XMLItem& item = Add();
  item.Name = name;
  return item;
}

void XMLItem::AddItem(std::unique_ptr<report::XMLItem> item)
{
  InsertItem(Count(), std::move(item));
}

void XMLItem::InsertItem(int index, std::unique_ptr<report::XMLItem> item)
{
  item->m_parent = this;
  m_items.insert(m_items.begin() + index, std::move(item));
}

std::unique_ptr<XMLItem> XMLItem::TakeItem(int index)
{
  auto item = std::move(m_items.at(static_cast<std::size_t>(index)));
  m_items.erase(m_items.begin() + index);
  item->m_parent = nullptr;
  return item;
}

int XMLItem::IndexOf(const report::XMLItem* item) const
{
  for (int i = 0; i < Count(); ++i) {
    if (m_items[static_cast<std::size_t>(i)].get() == item)
      return i;
  }
  return -1;
}

int XMLItem::Find(QStringView name) const
{
  for (int i = 0; i < Count(); ++i) {
    if (QString::compare(m_items[static_cast<std::size_t>(i)]->Name, name, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

XMLItem& XMLItem::FindItem(const QString& name)
{
  const int index = Find(name);
  return index >= 0 ? Items(index) : Add(name);
}

void XMLItem::Clear()
{
  m_items.clear();
  if (Unloadable)
    Loaded = false;
}

qsizetype XMLItem::ValueStart(QByteArrayView name) const
{
  const QByteArray needle = ' ' + name.toByteArray() + "=\"";
  const QByteArray text = ' ' + Text;
  // Offsets in `text` are one ahead of those in Text.
  for (qsizetype at = 0; at + needle.size() <= text.size(); ++at) {
    if (QByteArrayView(text).sliced(at, needle.size()).compare(needle, Qt::CaseInsensitive) == 0)
      return at + needle.size() - 1;
  }
  return -1;
}

QString XMLItem::Prop(QByteArrayView name) const
{
  const qsizetype start = ValueStart(name);
  if (start < 0)
    return {};
  qsizetype end = Text.indexOf('"', start);
  if (end < 0)
    end = Text.size();
  return XMLToStr(QByteArrayView(Text).sliced(start, end - start));
}

void XMLItem::SetProp(QByteArrayView name, const QString& value)
{
  std::string escaped;
  AppendXMLUtf8(escaped, value);
  const QByteArray bytes = QByteArray::fromStdString(escaped);
  const qsizetype start = ValueStart(name);
  if (start >= 0) {
    qsizetype end = Text.indexOf('"', start);
    if (end < 0)
      end = Text.size();
    Text.replace(start, end - start, bytes);
    return;
  }
  if (!Text.isEmpty() && !Text.endsWith(' '))
    Text += ' ';
  Text += name.toByteArray() + "=\"" + bytes + '"';
}

bool XMLItem::PropExists(QByteArrayView name) const { return ValueStart(name) >= 0; }

void XMLItem::DeleteProp(QByteArrayView name)
{
  const qsizetype valueStart = ValueStart(name);
  if (valueStart < 0)
    return;
  // Remove from the space before the name (if any) to the closing quote.
  qsizetype start = valueStart - name.size() - 2;
  if (start > 0)
    --start;
  qsizetype end = Text.indexOf('"', valueStart);
  end = end < 0 ? Text.size() : end + 1;
  Text.remove(start, end - start);
}

void XMLDocument::Clear()
{
  m_root.Clear();
  m_root.Name.clear();
  m_root.Text.clear();
  m_root.Value.clear();
  m_oldVersion = false;
}

void XMLDocument::LoadFromStream(QIODevice& stream)
{
  Clear();
  try {
    report::XMLReader reader(stream);
    m_oldVersion = reader.ReadHeader();
    reader.ReadRootItem(m_root, m_oldVersion);
  } catch (const ReportError&) {
    Clear();
    throw;
  }
}

void XMLDocument::SaveToStream(QIODevice& stream) const
{
  report::XMLWriter writer(stream, AutoIndent);
  writer.WriteHeader();
  writer.WriteItem(m_root, 0);
  writer.Flush();
}

void XMLDocument::LoadFromFile(const QString& fileName)
{
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw ReportError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\": %2").arg(fileName, UnreadableFileReason(fileName)));
  LoadFromStream(file);
}

void XMLDocument::SaveToFile(const QString& fileName)
{
  FileReplacement file(fileName);
  SaveToStream(file.Device());
  file.Commit();
  LoadFromFile(fileName);
}

}  // namespace quitanza::report
