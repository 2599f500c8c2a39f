#pragma once

#include "app/ConsultaWorkflow.h"
#include "app/windows/KeyPreview.h"
#include "app/windows/WindowServices.h"
#include "app/windows/WindowUserInterface.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace quitanza::app {

class RegisterModel;

// The register lookup: the receipts in a grid whose selected row is the
// register's current row, deleted after a question or printed again.
class ConsultaWindow final : public QDialog {
public:
  ConsultaWindow(DataModule& dm, const WindowServices& services, QWidget* parent = nullptr);
  ~ConsultaWindow() override;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void BuildControls();
  void SelectCurrentRow();
  void BitBtn2Click();
  void btnImprimirClick();
  void btnExportarClick();

  DataModule& m_dm;
  WindowUserInterface m_ui;
  ConsultaWorkflow m_workflow;
  KeyPreview m_keyPreview;
  RegisterModel* m_model = nullptr;

  QTableView* DBGrid1 = nullptr;
  QPushButton* btnExportar = nullptr;
  QPushButton* btnImprimir = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace quitanza::app
