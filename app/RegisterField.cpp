#include "app/RegisterField.h"

#include "platform/storage/FieldValue.h"

#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

const FieldDef& FieldNamed(const ReceiptRegister& dataSet, QStringView name)
{
  const FieldDef* field = FindField(name);
  if (field == nullptr)
    throw std::invalid_argument(QStringLiteral("%1: Field '%2' not found").arg(dataSet.Name(), name).toStdString());
  return *field;
}

}  // namespace

TRegisterField::TRegisterField(quitanza::platform::ReceiptRegister& dataSet, QStringView fieldName)
  : FDataSet(dataSet), FDef(FieldNamed(dataSet, fieldName))
{
}

QString TRegisterField::DisplayLabel() const
{
  return (FDef.DisplayLabel.isEmpty() ? FDef.Name : FDef.DisplayLabel).toString();
}
