#pragma once

#include "report/output/ExportFilter.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quitanza::report {

class PDFExport;

// The PDF export's settings: page range, export settings, document
// information, protection and viewer preferences, on four tabs.
class PdfExportDialog : public QDialog {
  Q_OBJECT
public:
  explicit PdfExportDialog(QWidget* parent = nullptr);

  // Fills the controls from the filter's settings.
  void Load(const PDFExport& filter);
  // Writes the choices back into the filter. Throws ReportError, before
  // changing anything, when the JPEG quality is not a whole number.
  void Save(PDFExport& filter) const;

  // The save dialog's file name: the filter's, or the report file's name with
  // the extension ".pdf" (Recibo.fr3 offers Recibo.pdf).
  static QString SuggestedFileName(const PDFExport& filter);

private:
  QWidget* MakeExportTab();
  QWidget* MakeInformationTab();
  QWidget* MakeSecurityTab();
  QWidget* MakeViewerTab();
  QCheckBox* Box(const char* caption);

  QRadioButton* m_all;
  QRadioButton* m_currentPage;
  QRadioButton* m_pagesChoice;
  QLineEdit* m_pages;
  QCheckBox* m_compressed;
  QCheckBox* m_embeddedFonts;
  QCheckBox* m_background;
  QCheckBox* m_printOptimized;
  QCheckBox* m_outline;
  QLineEdit* m_quality;
  QCheckBox* m_openAfterExport;
  QLineEdit* m_title;
  QLineEdit* m_author;
  QLineEdit* m_subject;
  QLineEdit* m_keywords;
  QLineEdit* m_creator;
  QLineEdit* m_producer;
  QLineEdit* m_ownerPassword;
  QLineEdit* m_userPassword;
  QCheckBox* m_print;
  QCheckBox* m_modify;
  QCheckBox* m_copy;
  QCheckBox* m_annotations;
  QCheckBox* m_hideToolbar;
  QCheckBox* m_hideMenubar;
  QCheckBox* m_hideWindowUI;
  QCheckBox* m_fitWindow;
  QCheckBox* m_centerWindow;
  QCheckBox* m_printScaling;
};

// The settings dialog, then the save dialog: Ok with the choices and the file
// name in the filter, or Cancel with nothing changed by the save dialog.
ModalResult RunPdfExportDialogs(PDFExport& filter, QWidget* parent);

}  // namespace quitanza::report
