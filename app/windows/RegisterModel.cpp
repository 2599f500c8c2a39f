#include "app/windows/RegisterModel.h"

#include "app/TextFunctions.h"
#include "platform/storage/ReceiptRegister.h"

namespace quitanza::app {

int RegisterModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : static_cast<int>(m_register.RecordCount());
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
  if (!index.isValid())
    return {};
  if (role == Qt::TextAlignmentRole && index.column() == Valor)
    return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole)
    return {};
  const platform::ReceiptRecord record = m_register.Record(index.row());
  switch (index.column()) {
  case Cliente: return record.Cliente;
  case CNPJ: return FormatarCpfCnpj(record.CNPJ);
  case Valor: return QStringLiteral("R$ ") + record.Valor.ToBrazilianText(2);
  default: return {};
  }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
  case Cliente: return QStringLiteral("Cliente:");
  case CNPJ: return QStringLiteral("CPF/CNPJ:");
  case Valor: return QStringLiteral("Valor:");
  default: return {};
  }
}

void RegisterModel::Reload()
{
  beginResetModel();
  endResetModel();
}

}  // namespace quitanza::app
