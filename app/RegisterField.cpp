#include "app/RegisterField.h"

#include "platform/storage/FieldValue.h"

#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;

namespace {

const FieldDef& FieldNamed(const ReceiptRegister& dataSet, QStringView name)
{
  const FieldDef* field = FindField(name);
  if (field == nullptr)
    throw std::invalid_argument(QStringLiteral("%1: Field '%2' not found").arg(dataSet.Name(), name).toStdString());
  return *field;
}

}  // namespace

RegisterField::RegisterField(platform::ReceiptRegister& dataSet, QStringView fieldName)
  : m_dataSet(dataSet), m_def(FieldNamed(dataSet, fieldName))
{
}

QString RegisterField::DisplayLabel() const
{
  return (m_def.DisplayLabel.isEmpty() ? m_def.Name : m_def.DisplayLabel).toString();
}

}  // namespace quitanza::app
