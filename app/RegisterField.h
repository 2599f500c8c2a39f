#pragma once

#include "doclib/Amount.h"
#include "platform/storage/ReceiptRecord.h"
#include "platform/storage/ReceiptRegister.h"

#include <QString>
#include <QStringView>

#include <cstdint>

// One field of the register bound to it, as windows and workflows use it:
// reads the current row (or the row being inserted), writes the row being
// inserted. Errors are the register's.
class TRegisterField {
public:
  TRegisterField(quitanza::platform::ReceiptRegister& dataSet, QStringView fieldName);
  TRegisterField(const TRegisterField&) = delete;
  TRegisterField& operator=(const TRegisterField&) = delete;

  QStringView FieldName() const { return FDef.Name; }
  // The title lists give the field: its label, or its name when it has none.
  QString DisplayLabel() const;
  quitanza::platform::FieldType DataType() const { return FDef.DataType; }
  int Size() const { return FDef.Size; }

  QString AsString() const { return FDataSet.FieldAsString(FDef.Name); }
  std::int32_t AsInteger() const { return FDataSet.FieldAsInteger(FDef.Name); }
  quitanza::doclib::Amount AsCurrency() const { return FDataSet.FieldAsCurrency(FDef.Name); }
  QDateTime AsDateTime() const { return FDataSet.FieldAsDateTime(FDef.Name); }
  void SetAsString(const QString& value) { FDataSet.SetFieldAsString(FDef.Name, value); }
  void SetAsInteger(std::int32_t value) { FDataSet.SetFieldAsInteger(FDef.Name, value); }
  void SetAsCurrency(quitanza::doclib::Amount value) { FDataSet.SetFieldAsCurrency(FDef.Name, value); }
  void SetAsDateTime(const QDateTime& value) { FDataSet.SetFieldAsDateTime(FDef.Name, value); }

private:
  quitanza::platform::ReceiptRegister& FDataSet;
  const quitanza::platform::FieldDef& FDef;
};
