#pragma once

#include "app/ConfiguracaoWorkflow.h"
#include "app/windows/KeyPreview.h"
#include "app/windows/WindowServices.h"
#include "app/windows/WindowUserInterface.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quitanza::app {

class LogoPreview;
class ValidatedEdit;

// The issuer's data and logo, read from config.ini when the window opens and
// written only by Salvar.
class ConfiguracaoWindow final : public QDialog {
public:
  ConfiguracaoWindow(DataModule& dm, const WindowServices& services, QWidget* parent = nullptr);
  ~ConfiguracaoWindow() override;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void BuildControls();
  void LerConfiguracao();
  IssuerSettings Values() const;
  void BitBtn2Click();
  void edtImagemRightButtonClick();

  WindowUserInterface m_ui;
  ConfiguracaoWorkflow m_workflow;
  KeyPreview m_keyPreview;
  bool m_shown = false;

  QLineEdit* edtEmpresa = nullptr;
  QLineEdit* edtEndereco = nullptr;
  QLineEdit* edtBairro = nullptr;
  QLineEdit* edtCidade = nullptr;
  ValidatedEdit* edtCPFCNPJEmpresa = nullptr;
  ValidatedEdit* edtTelefone = nullptr;
  ValidatedEdit* edtEmail = nullptr;
  ValidatedEdit* edtSite = nullptr;
  QLineEdit* edtImagem = nullptr;
  LogoPreview* Image1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace quitanza::app
