#include "app/RegisterField.h"

#include "platform/storage/FieldValue.h"

#include <stdexcept>

using namespace quitanza::doclib;

namespace {

const TFieldDef& FieldNamed(const TReceiptRegister& dataSet, QStringView name)
{
  const TFieldDef* field = FindField(name);
  if (field == nullptr)
    throw std::invalid_argument(QStringLiteral("%1: Field '%2' not found").arg(dataSet.Name(), name).toStdString());
  return *field;
}

}  // namespace

TRegisterField::TRegisterField(TReceiptRegister& dataSet, QStringView fieldName)
  : FDataSet(dataSet), FDef(FieldNamed(dataSet, fieldName))
{
}

QString TRegisterField::DisplayLabel() const
{
  return (FDef.DisplayLabel.isEmpty() ? FDef.Name : FDef.DisplayLabel).toString();
}
