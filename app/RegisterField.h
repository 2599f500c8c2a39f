#pragma once

#include "doclib/Amount.h"
#include "platform/storage/ReceiptRecord.h"
#include "platform/storage/ReceiptRegister.h"

#include <QString>
#include <QStringView>

#include <cstdint>

namespace quitanza::app {

// One field of the register bound to it, as windows and workflows use it:
// reads the current row (or the row being inserted), writes the row being
// inserted. Errors are the register's.
class RegisterField {
public:
  RegisterField(platform::ReceiptRegister& dataSet, QStringView fieldName);
  RegisterField(const RegisterField&) = delete;
  RegisterField& operator=(const RegisterField&) = delete;

  QStringView FieldName() const { return m_def.Name; }
  // The title lists give the field: its label, or its name when it has none.
  QString DisplayLabel() const;
  platform::FieldType DataType() const { return m_def.DataType; }
  int Size() const { return m_def.Size; }

  QString AsString() const { return m_dataSet.FieldAsString(m_def.Name); }
  std::int32_t AsInteger() const { return m_dataSet.FieldAsInteger(m_def.Name); }
  doclib::Amount AsCurrency() const { return m_dataSet.FieldAsCurrency(m_def.Name); }
  QDateTime AsDateTime() const { return m_dataSet.FieldAsDateTime(m_def.Name); }
  void SetAsString(const QString& value) { m_dataSet.SetFieldAsString(m_def.Name, value); }
  void SetAsInteger(std::int32_t value) { m_dataSet.SetFieldAsInteger(m_def.Name, value); }
  void SetAsCurrency(doclib::Amount value) { m_dataSet.SetFieldAsCurrency(m_def.Name, value); }
  void SetAsDateTime(const QDateTime& value) { m_dataSet.SetFieldAsDateTime(m_def.Name, value); }

private:
  platform::ReceiptRegister& m_dataSet;
  const platform::FieldDef& m_def;
};

}  // namespace quitanza::app
