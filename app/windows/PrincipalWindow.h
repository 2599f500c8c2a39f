#pragma once

#include "app/PrincipalWorkflow.h"
#include "app/windows/KeyPreview.h"
#include "app/windows/WindowServices.h"
#include "app/windows/WindowUserInterface.h"

#include <QWidget>

#include <chrono>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace quitanza::app {

class ValidatedEdit;

// The main window: the receipt's entry fields, Emitir and Limpar, and the
// buttons to the other windows, the manual and the maker's page. It loads
// the register when it is first shown and saves it when it closes; a failed
// save keeps it open.
class PrincipalWindow final : public QWidget {
public:
  PrincipalWindow(DataModule& dm, WindowServices services, QWidget* parent = nullptr);
  ~PrincipalWindow() override;

  // Each of the 101 steps of the progress bar while a receipt is issued.
  void SetProgressStep(std::chrono::milliseconds step) { m_progressStep = step; }

  // The manual installed with the program, and the maker's page the banner opens.
  static QUrl ManualAddress();
  static QUrl MakerWebAddress();

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  class Interface;

  void BuildControls();
  bool FormKeyPress(QKeyEvent& key);
  void btnEmitirClick();
  template <typename Window>
  void OpenWindow();

  DataModule& m_dm;
  WindowServices m_services;
  std::unique_ptr<Interface> m_ui;
  PrincipalWorkflow m_workflow;
  KeyPreview m_keyPreview;
  std::chrono::milliseconds m_progressStep{15};
  bool m_shown = false;

  QLabel* Image1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QRadioButton* rbRecebimento = nullptr;
  QRadioButton* rbPagamento = nullptr;
  ValidatedEdit* edtCliente = nullptr;
  ValidatedEdit* edtCNPJ = nullptr;
  ValidatedEdit* edtValor = nullptr;
  QPlainTextEdit* mmReferente = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* btnAutenticar = nullptr;
  QPushButton* btnEmitir = nullptr;
  QPushButton* btnLimpar = nullptr;
  QPushButton* btnConsultar = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace quitanza::app
