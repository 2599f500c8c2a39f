#pragma once

#include "report/model/PrintOptions.h"

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quitanza::report {

class Printers;

// The print dialog: printer, pages, copies, print mode and the other
// choices, opened with the print options' values. Choosing a printer makes
// it current; Cancel makes the one current before current again. Controls
// carry object names for scripts and tests (cbPrinter, rbPages, edPages,
// sbCopies, ...).
class PrintDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(PrintDialog)

public:
  PrintDialog(Printers& printers, const PrintOptions& options, int currentPage, QWidget* parent = nullptr);

  void accept() override;
  void reject() override;

  // The choices made, into the options (after OK).
  void ApplyTo(PrintOptions& options) const;

private:
  QWidget* PrinterGroup();
  QWidget* PagesGroup(const PrintOptions& options);
  QWidget* CopiesGroup(const PrintOptions& options);
  QWidget* ModeGroup(const PrintOptions& options);
  QWidget* OtherGroup(const PrintOptions& options);
  void ChoosePrinter(int index);
  void FillSheets();
  void ModeChanged();
  bool eventFilter(QObject* watched, QEvent* event) override;

  Printers& m_printers;
  int m_previousPrinter;
  int m_currentPage;
  QString m_outFileName;
  QComboBox* m_printer = nullptr;
  QLabel* m_where = nullptr;
  QCheckBox* m_toFile = nullptr;
  QRadioButton* m_all = nullptr;
  QRadioButton* m_current = nullptr;
  QRadioButton* m_pages = nullptr;
  QLineEdit* m_pageNumbers = nullptr;
  QSpinBox* m_copies = nullptr;
  QCheckBox* m_collate = nullptr;
  QComboBox* m_mode = nullptr;
  QComboBox* m_sheet = nullptr;
  QComboBox* m_printPages = nullptr;
  QComboBox* m_duplex = nullptr;
  QComboBox* m_order = nullptr;
};

}  // namespace quitanza::report
