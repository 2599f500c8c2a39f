#pragma once

#include <QAbstractTableModel>

namespace quitanza::platform { class ReceiptRegister; }

namespace quitanza::app {

// The register as the lookup grid lists it, in the register's order: client,
// CPF/CNPJ with its punctuation, amount in reais. The register changes only
// through the window that shows the grid, which calls Reload after a change.
class RegisterModel final : public QAbstractTableModel {
public:
  enum Column { Cliente, CNPJ, Valor, ColumnCount };

  explicit RegisterModel(const platform::ReceiptRegister& reg, QObject* parent = nullptr)
    : QAbstractTableModel(parent), m_register(reg)
  {
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  void Reload();

private:
  const platform::ReceiptRegister& m_register;
};

}  // namespace quitanza::app
