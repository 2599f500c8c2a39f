#include "platform/storage/ReceiptRegister.h"

#include "platform/storage/FieldValue.h"
#include "platform/files/FileError.h"
#include "platform/storage/RegisterFile.h"

#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

using namespace quitanza::doclib;

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

TReceiptRegister::TReceiptRegister(QString name) : FName(std::move(name)) {}

std::runtime_error TReceiptRegister::Error(const QString& message) const
{
  return std::runtime_error(QStringLiteral("%1: %2").arg(FName, message).toStdString());
}

TReceiptRecord TReceiptRegister::Current() const
{
  if (FInserting) return FInserted;
  return FCurrent < 0 ? TReceiptRecord() : Record(FCurrent);
}

void TReceiptRegister::First()
{
  CheckBrowseMode();
  FCurrent = IsEmpty() ? -1 : 0;
}

void TReceiptRegister::MoveTo(qsizetype index)
{
  CheckBrowseMode();
  if (index < 0 || index >= RecordCount()) throw Error(QStringLiteral("Row %1 does not exist").arg(index));
  FCurrent = index;
}

void TReceiptRegister::Insert()
{
  CheckBrowseMode();
  FInserted = TReceiptRecord();
  FInserting = true;
}

void TReceiptRegister::Post()
{
  if (!FInserting) throw Error(QStringLiteral("Dataset not in insert mode"));
  const qsizetype at = std::max<qsizetype>(FCurrent, 0);
  FRecords.insert(FRecords.begin() + at, TPackedRecord(FInserted));
  FCurrent = at;
  FInserting = false;
}

void TReceiptRegister::Cancel()
{
  FInserting = false;
}

void TReceiptRegister::Delete()
{
  if (FInserting) {
    Cancel();
    return;
  }
  if (IsEmpty()) throw Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
  FRecords.erase(FRecords.begin() + FCurrent);
  FCurrent = std::min(FCurrent, RecordCount() - 1);
}

void TReceiptRegister::CheckBrowseMode()
{
  if (FInserting) Post();
}

const TFieldDef& TReceiptRegister::Field(QStringView name) const
{
  const TFieldDef* field = FindField(name);
  if (field == nullptr) throw Error(QStringLiteral("Field '%1' not found").arg(name));
  return *field;
}

const TFieldDef& TReceiptRegister::FieldOfType(QStringView name, TFieldType type, const char* typeName) const
{
  const TFieldDef& field = Field(name);
  if (field.DataType != type) {
    throw Error(QStringLiteral("Field '%1' is not %2 field").arg(field.Name, QLatin1String(typeName)));
  }
  return field;
}

TReceiptRecord& TReceiptRegister::Editable()
{
  if (!FInserting) throw Error(QStringLiteral("Dataset not in insert mode"));
  return FInserted;
}

QString TReceiptRegister::FieldAsString(QStringView field) const
{
  return FieldText(Current(), Field(field));
}

std::int32_t TReceiptRegister::FieldAsInteger(QStringView field) const
{
  return Current().*std::get<TIntegerMember>(FieldOfType(field, ftInteger, "an integer").Member);
}

Amount TReceiptRegister::FieldAsCurrency(QStringView field) const
{
  return Current().*std::get<TCurrencyMember>(FieldOfType(field, ftCurrency, "a currency").Member);
}

QDateTime TReceiptRegister::FieldAsDateTime(QStringView field) const
{
  return Current().*std::get<TDateTimeMember>(FieldOfType(field, ftDateTime, "a date and time").Member);
}

void TReceiptRegister::SetFieldAsString(QStringView field, const QString& value)
{
  const TFieldDef& def = Field(field);
  TReceiptRecord& record = Editable();
  try {
    SetFieldText(record, def, def.DataType == ftString ? CutToSize(value, def.Size) : value);
  } catch (const std::exception& error) {
    throw Error(QStringLiteral("Field '%1': %2").arg(def.Name, QString::fromStdString(error.what())));
  }
}

void TReceiptRegister::SetFieldAsInteger(QStringView field, std::int32_t value)
{
  const TFieldDef& def = FieldOfType(field, ftInteger, "an integer");
  Editable().*std::get<TIntegerMember>(def.Member) = value;
}

void TReceiptRegister::SetFieldAsCurrency(QStringView field, Amount value)
{
  const TFieldDef& def = FieldOfType(field, ftCurrency, "a currency");
  Editable().*std::get<TCurrencyMember>(def.Member) = value;
}

void TReceiptRegister::SetFieldAsDateTime(QStringView field, const QDateTime& value)
{
  const TFieldDef& def = FieldOfType(field, ftDateTime, "a date and time");
  Editable().*std::get<TDateTimeMember>(def.Member) = value;
}

void TReceiptRegister::LoadFromFile(const QString& path)
{
  CheckBrowseMode();
  try {
    FRecords = ReadRegisterFile(path);
  } catch (const TFileError&) {
    if (QFileInfo::exists(path)) FUnreadableFile = FullPath(path);
    throw;
  }
  FUnreadableFile.clear();
  FCurrent = IsEmpty() ? -1 : 0;
}

void TReceiptRegister::SaveToFile(const QString& path)
{
  CheckBrowseMode();
  if (FullPath(path) == FUnreadableFile) {
    throw Error(QStringLiteral("%1 could not be read and is not written over").arg(FUnreadableFile));
  }
  WriteRegisterFile(path, FRecords);
}

void TReceiptRegister::LoadOrCreate(const QString& path)
{
  if (QFileInfo::exists(path)) {
    LoadFromFile(path);
  } else {
    SaveToFile(path);
  }
}
