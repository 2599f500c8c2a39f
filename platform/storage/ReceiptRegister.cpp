#include "platform/storage/ReceiptRegister.h"

#include "platform/files/FileError.h"
#include "platform/storage/FieldValue.h"
#include "platform/storage/RegisterFile.h"
#include "platform/storage/StreamedRegisterFile.h"

#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

namespace quitanza::platform {

using namespace doclib;

namespace {

QString CutToSize(QString text, int size)
{
  if (text.size() <= size) return text;
  text.truncate(size);
  if (text.back().isHighSurrogate()) text.chop(1);  // never leave half a character
  return text;
}

QString FullPath(const QString& path)
{
  return QFileInfo(path).absoluteFilePath();
}

}  // namespace

ReceiptRegister::ReceiptRegister(QString name) : m_name(std::move(name)) {}

std::runtime_error ReceiptRegister::Error(const QString& message) const
{
  return std::runtime_error(QStringLiteral("%1: %2").arg(m_name, message).toStdString());
}

ReceiptRecord ReceiptRegister::Current() const
{
  if (m_inserting) return m_inserted;
  return m_current < 0 ? ReceiptRecord() : Record(m_current);
}

void ReceiptRegister::First()
{
  CheckBrowseMode();
  m_current = IsEmpty() ? -1 : 0;
}

void ReceiptRegister::MoveTo(qsizetype index)
{
  CheckBrowseMode();
  if (index < 0 || index >= RecordCount()) throw Error(QStringLiteral("Row %1 does not exist").arg(index));
  m_current = index;
}

void ReceiptRegister::Insert()
{
  CheckBrowseMode();
  m_inserted = ReceiptRecord();
  m_inserting = true;
}

void ReceiptRegister::Post()
{
  if (!m_inserting) throw Error(QStringLiteral("Dataset not in insert mode"));
  const qsizetype at = std::max<qsizetype>(m_current, 0);
  m_records.insert(m_records.begin() + at, PackedRecord(m_inserted));
  const auto later = std::lower_bound(m_unsaved.begin(), m_unsaved.end(), at);
  std::for_each(later, m_unsaved.end(), [](qsizetype& index) { ++index; });
  m_unsaved.insert(later, at);
  m_current = at;
  m_inserting = false;
}

void ReceiptRegister::Cancel()
{
  m_inserting = false;
}

void ReceiptRegister::Delete()
{
  if (m_inserting) {
    Cancel();
    return;
  }
  if (IsEmpty()) throw Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
  m_records.erase(m_records.begin() + m_current);
  const auto unsaved = std::lower_bound(m_unsaved.begin(), m_unsaved.end(), m_current);
  if (unsaved == m_unsaved.end() || *unsaved != m_current) {
    m_syncedFile.clear();  // a stored row is gone: the next save writes every row
  } else {
    std::for_each(m_unsaved.erase(unsaved), m_unsaved.end(), [](qsizetype& index) { --index; });
  }
  m_current = std::min(m_current, RecordCount() - 1);
}

void ReceiptRegister::CheckBrowseMode()
{
  if (m_inserting) Post();
}

const FieldDef& ReceiptRegister::Field(QStringView name) const
{
  const FieldDef* field = FindField(name);
  if (field == nullptr) throw Error(QStringLiteral("Field '%1' not found").arg(name));
  return *field;
}

const FieldDef& ReceiptRegister::FieldOfType(QStringView name, platform::FieldType type, const char* typeName) const
{
  const FieldDef& field = Field(name);
  if (field.DataType != type) {
    throw Error(QStringLiteral("Field '%1' is not %2 field").arg(field.Name, QLatin1String(typeName)));
  }
  return field;
}

ReceiptRecord& ReceiptRegister::Editable()
{
  if (!m_inserting) throw Error(QStringLiteral("Dataset not in insert mode"));
  return m_inserted;
}

QString ReceiptRegister::FieldAsString(QStringView field) const
{
  return FieldText(Current(), Field(field));
}

std::int32_t ReceiptRegister::FieldAsInteger(QStringView field) const
{
  return Current().*std::get<IntegerMember>(FieldOfType(field, platform::FieldType::Integer, "an integer").Member);
}

Amount ReceiptRegister::FieldAsCurrency(QStringView field) const
{
  return Current().*std::get<CurrencyMember>(FieldOfType(field, platform::FieldType::Currency, "a currency").Member);
}

QDateTime ReceiptRegister::FieldAsDateTime(QStringView field) const
{
  return Current().*std::get<DateTimeMember>(FieldOfType(field, platform::FieldType::DateTime, "a date and time").Member);
}

void ReceiptRegister::SetFieldAsString(QStringView field, const QString& value)
{
  const FieldDef& def = Field(field);
  ReceiptRecord& record = Editable();
  try {
    SetFieldText(record, def, def.DataType == platform::FieldType::String ? CutToSize(value, def.Size) : value);
  } catch (const std::exception& error) {
    throw Error(QStringLiteral("Field '%1': %2").arg(def.Name, QString::fromStdString(error.what())));
  }
}

void ReceiptRegister::SetFieldAsInteger(QStringView field, std::int32_t value)
{
  const FieldDef& def = FieldOfType(field, platform::FieldType::Integer, "an integer");
  Editable().*std::get<IntegerMember>(def.Member) = value;
}

void ReceiptRegister::SetFieldAsCurrency(QStringView field, Amount value)
{
  const FieldDef& def = FieldOfType(field, platform::FieldType::Currency, "a currency");
  Editable().*std::get<CurrencyMember>(def.Member) = value;
}

void ReceiptRegister::SetFieldAsDateTime(QStringView field, const QDateTime& value)
{
  const FieldDef& def = FieldOfType(field, platform::FieldType::DateTime, "a date and time");
  Editable().*std::get<DateTimeMember>(def.Member) = value;
}

void ReceiptRegister::LoadFromFile(const QString& path)
{
  CheckBrowseMode();
  try {
    m_records = ReadRegisterFile(path);
  } catch (const FileError&) {
    if (QFileInfo::exists(path)) m_unreadableFile = FullPath(path);
    m_syncedFile.clear();
    throw;
  }
  m_unreadableFile.clear();
  MarkSaved(path);
  m_current = IsEmpty() ? -1 : 0;
}

void ReceiptRegister::SaveToFile(const QString& path)
{
  CheckBrowseMode();
  if (FullPath(path) == m_unreadableFile) {
    throw Error(QStringLiteral("%1 could not be read and is not written over").arg(m_unreadableFile));
  }
  if (!SaveOnlyUnsaved(path)) WriteRegisterFile(path, m_records);
  MarkSaved(path);
}

bool ReceiptRegister::SaveOnlyUnsaved(const QString& path) const
{
  if (FullPath(path) != m_syncedFile || !QFileInfo(path).isFile()) return false;
  const std::unique_ptr<StreamedRegisterFile> stored = StreamedRegisterFile::Open(path);
  if (!stored || stored->RowCount() != RecordCount() - static_cast<qsizetype>(m_unsaved.size())) return false;
  std::vector<StreamedRegisterFile::Insertion> insertions;
  for (qsizetype index : m_unsaved) insertions.emplace_back(index, Record(index));
  stored->WriteWithInsertions(path, insertions);
  return true;
}

void ReceiptRegister::MarkSaved(const QString& path)
{
  m_syncedFile = FullPath(path);
  m_unsaved.clear();
}

void ReceiptRegister::LoadOrCreate(const QString& path)
{
  if (QFileInfo::exists(path)) {
    LoadFromFile(path);
  } else {
    SaveToFile(path);
  }
}

}  // namespace quitanza::platform
