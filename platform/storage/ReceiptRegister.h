#pragma once

#include "platform/storage/PackedRecord.h"
#include "platform/storage/ReceiptRecord.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace quitanza::platform {

// The receipt register in memory: the fields of ReceiptRecord, rows in
// register order and a current row. It is always open.
//
// Issuing: Insert() starts a new row at the current row's position (the rows
// from there on move down one place), the field setters fill it, Post() stores
// it and makes it the current row; Cancel() drops it. First(), MoveTo(),
// Delete(), LoadFromFile() and SaveToFile() post a pending insert first, except
// Delete(), which drops it. Errors are std::runtime_error whose message starts
// with the register's name and ": ", as in "cdsReg: Cannot perform this
// operation on an empty dataset"; file errors are FileError.
class ReceiptRegister {
public:
  explicit ReceiptRegister(QString name = QStringLiteral("cdsReg"));

  const QString& Name() const { return m_name; }

  // Rows are kept packed (PackedRecord); Record() and Current() hand out copies.
  bool IsEmpty() const { return RecordCount() == 0; }
  qsizetype RecordCount() const { return static_cast<qsizetype>(m_records.size()); }
  ReceiptRecord Record(qsizetype index) const { return m_records.at(static_cast<std::size_t>(index)).Unpack(); }
  // A row's number without unpacking its texts, for searches over the whole register.
  std::int32_t CodigoAt(qsizetype index) const { return m_records.at(static_cast<std::size_t>(index)).Codigo(); }

  // Index of the current row; -1 when the register is empty.
  qsizetype CurrentIndex() const { return m_current; }
  // The current row, or the row being inserted; an empty record when there is neither.
  ReceiptRecord Current() const;
  void First();
  void MoveTo(qsizetype index);

  bool IsInserting() const { return m_inserting; }
  void Insert();
  void Post();
  void Cancel();
  // Removes the current row; the row after it (or else the one before) becomes current.
  void Delete();

  // Field access on Current() by field name, letter case ignored. Every field
  // reads as text; setting text converts it for number fields and cuts string
  // fields to their size. Integer, currency and date access need a field of that type.
  QString FieldAsString(QStringView field) const;
  std::int32_t FieldAsInteger(QStringView field) const;
  doclib::Amount FieldAsCurrency(QStringView field) const;
  QDateTime FieldAsDateTime(QStringView field) const;
  void SetFieldAsString(QStringView field, const QString& value);
  void SetFieldAsInteger(QStringView field, std::int32_t value);
  void SetFieldAsCurrency(QStringView field, doclib::Amount value);
  void SetFieldAsDateTime(QStringView field, const QDateTime& value);

  // Replaces every row with the file's; the first row becomes current. When
  // the file cannot be read, the register keeps its rows and refuses from then
  // on to save over that file, so a damaged register is never replaced by an
  // empty one.
  void LoadFromFile(const QString& path);
  // Saving to the file last loaded or saved writes only the rows posted since
  // into it, copying the stored ones as they are, when only posts happened
  // and the file is in the form this program writes; else it writes every row.
  void SaveToFile(const QString& path);
  // The start-up step: loads the file when it exists, else creates it from the
  // register (empty at start-up). Never writes over an existing file.
  void LoadOrCreate(const QString& path);

private:
  std::runtime_error Error(const QString& message) const;
  const FieldDef& Field(QStringView name) const;
  const FieldDef& FieldOfType(QStringView name, platform::FieldType type, const char* typeName) const;
  ReceiptRecord& Editable();
  void CheckBrowseMode();
  bool SaveOnlyUnsaved(const QString& path) const;
  void MarkSaved(const QString& path);

  QString m_name;
  std::vector<PackedRecord> m_records;
  qsizetype m_current = -1;
  bool m_inserting = false;
  ReceiptRecord m_inserted;
  QString m_unreadableFile;  // full path of a register file that failed to load
  // The file whose rows are m_records but those at m_unsaved (ascending); empty when unknown.
  QString m_syncedFile;
  std::vector<qsizetype> m_unsaved;
};

}  // namespace quitanza::platform
