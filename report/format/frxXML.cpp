#include "report/format/frxXML.h"

#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"
#include "report/format/frxErrors.h"
#include "report/format/frxXMLEscape.h"
#include "report/format/frxXMLReader.h"
#include "report/format/frxXMLWriter.h"

#include <QFile>

using namespace quitanza::platform;

TfrxXMLItem* TfrxXMLItem::Root()
{
  TfrxXMLItem* item = this;
  while (item->FParent)
    item = item->FParent;
  return item;
}

TfrxXMLItem& TfrxXMLItem::Add()
{
  auto item = std::make_unique<TfrxXMLItem>();
  item->FParent = this;
  FItems.push_back(std::move(item));
  return *FItems.back();
}

TfrxXMLItem& TfrxXMLItem::Add(const QString& name)
{
  TfrxXMLItem& item = Add();
  item.Name = name;
  return item;
}

void TfrxXMLItem::AddItem(std::unique_ptr<TfrxXMLItem> item)
{
  InsertItem(Count(), std::move(item));
}

void TfrxXMLItem::InsertItem(int index, std::unique_ptr<TfrxXMLItem> item)
{
  item->FParent = this;
  FItems.insert(FItems.begin() + index, std::move(item));
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::TakeItem(int index)
{
  auto item = std::move(FItems.at(static_cast<std::size_t>(index)));
  FItems.erase(FItems.begin() + index);
  item->FParent = nullptr;
  return item;
}

int TfrxXMLItem::IndexOf(const TfrxXMLItem* item) const
{
  for (int i = 0; i < Count(); ++i) {
    if (FItems[static_cast<std::size_t>(i)].get() == item)
      return i;
  }
  return -1;
}

int TfrxXMLItem::Find(QStringView name) const
{
  for (int i = 0; i < Count(); ++i) {
    if (QString::compare(FItems[static_cast<std::size_t>(i)]->Name, name, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

TfrxXMLItem& TfrxXMLItem::FindItem(const QString& name)
{
  const int index = Find(name);
  return index >= 0 ? Items(index) : Add(name);
}

void TfrxXMLItem::Clear()
{
  FItems.clear();
  if (Unloadable)
    Loaded = false;
}

qsizetype TfrxXMLItem::ValueStart(QByteArrayView name) const
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

QString TfrxXMLItem::Prop(QByteArrayView name) const
{
  const qsizetype start = ValueStart(name);
  if (start < 0)
    return {};
  qsizetype end = Text.indexOf('"', start);
  if (end < 0)
    end = Text.size();
  return frxXMLToStr(QByteArrayView(Text).sliced(start, end - start));
}

void TfrxXMLItem::SetProp(QByteArrayView name, const QString& value)
{
  std::string escaped;
  frxAppendXMLUtf8(escaped, value);
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

bool TfrxXMLItem::PropExists(QByteArrayView name) const { return ValueStart(name) >= 0; }

void TfrxXMLItem::DeleteProp(QByteArrayView name)
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

void TfrxXMLDocument::Clear()
{
  FRoot.Clear();
  FRoot.Name.clear();
  FRoot.Text.clear();
  FRoot.Value.clear();
  FOldVersion = false;
}

void TfrxXMLDocument::LoadFromStream(QIODevice& stream)
{
  Clear();
  try {
    TfrxXMLReader reader(stream);
    FOldVersion = reader.ReadHeader();
    reader.ReadRootItem(FRoot, FOldVersion);
  } catch (const EfrxError&) {
    Clear();
    throw;
  }
}

void TfrxXMLDocument::SaveToStream(QIODevice& stream) const
{
  TfrxXMLWriter writer(stream, AutoIndent);
  writer.WriteHeader();
  writer.WriteItem(FRoot, 0);
  writer.Flush();
}

void TfrxXMLDocument::LoadFromFile(const QString& fileName)
{
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EfrxError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\": %2").arg(fileName, UnreadableFileReason(fileName)));
  LoadFromStream(file);
}

void TfrxXMLDocument::SaveToFile(const QString& fileName)
{
  FileReplacement file(fileName);
  SaveToStream(file.Device());
  file.Commit();
  LoadFromFile(fileName);
}
