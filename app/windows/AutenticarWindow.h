#pragma once

#include "app/AutenticarWorkflow.h"
#include "app/windows/KeyPreview.h"
#include "app/windows/WindowServices.h"
#include "app/windows/WindowUserInterface.h"

#include <QDialog>

class QPushButton;

namespace quitanza::app {

class ValidatedEdit;

// The authentication check: number, client and amount as printed on a
// receipt give the code the receipt should carry.
class AutenticarWindow final : public QDialog {
public:
  AutenticarWindow(DataModule& dm, const WindowServices& services, QWidget* parent = nullptr);
  ~AutenticarWindow() override;

private:
  void BuildControls();
  void BitBtn1Click();

  WindowUserInterface m_ui;
  AutenticarWorkflow m_workflow;
  KeyPreview m_keyPreview;

  ValidatedEdit* edtCodigo = nullptr;
  ValidatedEdit* edtCliente = nullptr;
  ValidatedEdit* edtValor = nullptr;
  ValidatedEdit* edtAutenticacao = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
};

}  // namespace quitanza::app
