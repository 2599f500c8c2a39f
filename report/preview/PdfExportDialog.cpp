#include "report/preview/PdfExportDialog.h"

#include "report/format/Errors.h"
#include "report/model/Report.h"
#include "report/output/ExportPDF.h"
#include "report/preview/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quitanza::report {

PdfExportDialog::PdfExportDialog(QWidget* parent) : QDialog(parent)
{
  setWindowTitle(tr("Export to PDF"));
  auto* tabs = new QTabWidget;
  tabs->addTab(MakeExportTab(), tr("Export"));
  tabs->addTab(MakeInformationTab(), tr("Information"));
  tabs->addTab(MakeSecurityTab(), tr("Security"));
  tabs->addTab(MakeViewerTab(), tr("Viewer"));
  QDialogButtonBox* buttons = OkCancelButtons(*this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  resize(294, 351);
}

QCheckBox* PdfExportDialog::Box(const char* caption)
{
  return new QCheckBox(tr(caption));
}

QWidget* PdfExportDialog::MakeExportTab()
{
  auto* range = new QGroupBox(tr(" Page range  "));
  m_all = new QRadioButton(tr("All"));
  m_currentPage = new QRadioButton(tr("Current page"));
  m_pagesChoice = new QRadioButton(tr("Pages:"));
  m_pages = new QLineEdit;
  m_pages->setObjectName(QStringLiteral("pages"));
  m_pages->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,-]*")), m_pages));
  connect(m_pages, &QLineEdit::textEdited, m_pagesChoice, [this] { m_pagesChoice->setChecked(true); });
  auto* note = new QLabel(tr("Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"));
  note->setWordWrap(true);
  auto* rangeLayout = new QGridLayout(range);
  rangeLayout->addWidget(m_all, 0, 0);
  rangeLayout->addWidget(m_currentPage, 1, 0);
  rangeLayout->addWidget(m_pagesChoice, 2, 0);
  rangeLayout->addWidget(m_pages, 2, 1);
  rangeLayout->addWidget(note, 3, 0, 1, 2);

  auto* settings = new QGroupBox(tr(" Export settings "));
  m_compressed = Box(QT_TR_NOOP("Compressed"));
  m_embeddedFonts = Box(QT_TR_NOOP("Embedded fonts"));
  m_background = Box(QT_TR_NOOP("Background"));
  m_printOptimized = Box(QT_TR_NOOP("Print optimized"));
  m_outline = Box(QT_TR_NOOP("Outline"));
  m_quality = new QLineEdit;
  m_quality->setObjectName(QStringLiteral("quality"));
  auto* settingsLayout = new QGridLayout(settings);
  settingsLayout->addWidget(m_compressed, 0, 0);
  settingsLayout->addWidget(m_embeddedFonts, 1, 0);
  settingsLayout->addWidget(m_background, 2, 0);
  settingsLayout->addWidget(m_printOptimized, 0, 1);
  settingsLayout->addWidget(m_outline, 1, 1);
  settingsLayout->addWidget(new QLabel(tr("JPEG Quality")), 3, 0);
  settingsLayout->addWidget(m_quality, 3, 1);

  m_openAfterExport = Box(QT_TR_NOOP("Open after export"));
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(range);
  layout->addWidget(settings);
  layout->addWidget(m_openAfterExport);
  layout->addStretch();
  return tab;
}

QWidget* PdfExportDialog::MakeInformationTab()
{
  auto* group = new QGroupBox(tr("Document information"));
  auto* form = new QFormLayout(group);
  const auto field = [form, this](const char* caption) {
    auto* edit = new QLineEdit;
    form->addRow(tr(caption), edit);
    return edit;
  };
  m_title = field(QT_TR_NOOP("Title"));
  m_author = field(QT_TR_NOOP("Author"));
  m_subject = field(QT_TR_NOOP("Subject"));
  m_keywords = field(QT_TR_NOOP("Keywords"));
  m_creator = field(QT_TR_NOOP("Creator"));
  m_producer = field(QT_TR_NOOP("Producer"));
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(group);
  layout->addStretch();
  return tab;
}

QWidget* PdfExportDialog::MakeSecurityTab()
{
  auto* authentication = new QGroupBox(tr("Authentification"));
  auto* form = new QFormLayout(authentication);
  m_ownerPassword = new QLineEdit;
  m_userPassword = new QLineEdit;
  for (QLineEdit* password : {m_ownerPassword, m_userPassword})
    password->setEchoMode(QLineEdit::Password);
  form->addRow(tr("Owner password"), m_ownerPassword);
  form->addRow(tr("User password"), m_userPassword);
  auto* permissions = new QGroupBox(tr("Permissions"));
  auto* permissionsLayout = new QVBoxLayout(permissions);
  m_print = Box(QT_TR_NOOP("Print the document"));
  m_modify = Box(QT_TR_NOOP("Modify the document"));
  m_copy = Box(QT_TR_NOOP("Copy of text and graphics"));
  m_annotations = Box(QT_TR_NOOP("Add or modify text annotations"));
  for (QCheckBox* box : {m_print, m_modify, m_copy, m_annotations})
    permissionsLayout->addWidget(box);
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(authentication);
  layout->addWidget(permissions);
  layout->addStretch();
  return tab;
}

QWidget* PdfExportDialog::MakeViewerTab()
{
  auto* group = new QGroupBox(tr("Viewer preferences"));
  auto* groupLayout = new QVBoxLayout(group);
  m_hideToolbar = Box(QT_TR_NOOP("Hide toolbar"));
  m_hideMenubar = Box(QT_TR_NOOP("Hide menubar"));
  m_hideWindowUI = Box(QT_TR_NOOP("Hide window user interface"));
  m_fitWindow = Box(QT_TR_NOOP("Fit window"));
  m_centerWindow = Box(QT_TR_NOOP("Center window"));
  m_printScaling = Box(QT_TR_NOOP("Print scaling"));
  for (QCheckBox* box : {m_hideToolbar, m_hideMenubar, m_hideWindowUI, m_fitWindow, m_centerWindow, m_printScaling})
    groupLayout->addWidget(box);
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(group);
  layout->addStretch();
  return tab;
}

void PdfExportDialog::Load(const PDFExport& filter)
{
  m_openAfterExport->setVisible(!filter.SlaveExport);
  m_openAfterExport->setChecked(filter.OpenAfterExport && !filter.SlaveExport);
  m_compressed->setChecked(filter.Compressed);
  m_embeddedFonts->setChecked(filter.EmbeddedFonts);
  m_printOptimized->setChecked(filter.PrintOptimized);
  m_outline->setChecked(filter.Outline);
  m_outline->setEnabled(filter.Outline);
  m_background->setChecked(filter.Background);
  m_all->setChecked(true);
  if (!filter.PageNumbers.isEmpty()) {
    m_pages->setText(filter.PageNumbers);
    m_pagesChoice->setChecked(true);
  }
  m_ownerPassword->setText(QString::fromLatin1(filter.OwnerPassword));
  m_userPassword->setText(QString::fromLatin1(filter.UserPassword));
  m_print->setChecked(filter.ProtectionFlags.testFlag(PDFEncBit::Print));
  m_modify->setChecked(filter.ProtectionFlags.testFlag(PDFEncBit::Modify));
  m_copy->setChecked(filter.ProtectionFlags.testFlag(PDFEncBit::Copy));
  m_annotations->setChecked(filter.ProtectionFlags.testFlag(PDFEncBit::Annot));
  m_quality->setText(QString::number(filter.Quality));
  m_title->setText(filter.Title);
  m_author->setText(filter.Author);
  m_subject->setText(filter.Subject);
  m_keywords->setText(filter.Keywords);
  m_creator->setText(filter.Creator);
  m_producer->setText(filter.Producer);
  m_printScaling->setChecked(filter.PrintScaling);
  m_fitWindow->setChecked(filter.FitWindow);
  m_hideMenubar->setChecked(filter.HideMenubar);
  m_centerWindow->setChecked(filter.CenterWindow);
  m_hideWindowUI->setChecked(filter.HideWindowUI);
  m_hideToolbar->setChecked(filter.HideToolbar);
}

void PdfExportDialog::Save(PDFExport& filter) const
{
  bool wholeNumber = false;
  const int quality = m_quality->text().trimmed().toInt(&wholeNumber);
  if (!wholeNumber)
    throw ReportError(tr("'%1' is not a valid integer value").arg(m_quality->text()));
  // Passwords are bytes as typed in the ANSI code page.
  filter.OwnerPassword = m_ownerPassword->text().toLatin1();
  filter.UserPassword = m_userPassword->text().toLatin1();
  PDFEncBits flags;
  flags.setFlag(PDFEncBit::Print, m_print->isChecked());
  flags.setFlag(PDFEncBit::Modify, m_modify->isChecked());
  flags.setFlag(PDFEncBit::Copy, m_copy->isChecked());
  flags.setFlag(PDFEncBit::Annot, m_annotations->isChecked());
  filter.ProtectionFlags = flags;
  filter.PageNumbers.clear();
  filter.CurPage = m_currentPage->isChecked();
  if (m_pagesChoice->isChecked())
    filter.PageNumbers = m_pages->text();
  filter.OpenAfterExport = m_openAfterExport->isChecked();
  filter.Compressed = m_compressed->isChecked();
  filter.EmbeddedFonts = m_embeddedFonts->isChecked();
  filter.PrintOptimized = m_printOptimized->isChecked();
  filter.Outline = m_outline->isChecked();
  filter.Background = m_background->isChecked();
  filter.Quality = quality;
  filter.Title = m_title->text();
  filter.Author = m_author->text();
  filter.Subject = m_subject->text();
  filter.Keywords = m_keywords->text();
  filter.Creator = m_creator->text();
  filter.Producer = m_producer->text();
  filter.PrintScaling = m_printScaling->isChecked();
  filter.FitWindow = m_fitWindow->isChecked();
  filter.HideMenubar = m_hideMenubar->isChecked();
  filter.CenterWindow = m_centerWindow->isChecked();
  filter.HideWindowUI = m_hideWindowUI->isChecked();
  filter.HideToolbar = m_hideToolbar->isChecked();
}

QString PdfExportDialog::SuggestedFileName(const PDFExport& filter)
{
  if (!filter.FileName.isEmpty() || filter.SlaveExport)
    return filter.FileName;
  const QString reportFile = filter.Report ? filter.Report->FileName : QString();
  if (reportFile.isEmpty())
    return PDFExport::DefaultExt();
  QString name = QFileInfo(reportFile).fileName();
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));
  name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return (dot >= 0 ? name.left(dot) : name) + PDFExport::DefaultExt();
}

ModalResult RunPdfExportDialogs(PDFExport& filter, QWidget* parent)
{
  if (filter.SlaveExport)
    filter.OpenAfterExport = false;
  PdfExportDialog dialog(parent);
  dialog.Load(filter);
  if (dialog.exec() != QDialog::Accepted)
    return ModalResult::Cancel;
  dialog.Save(filter);
  if (filter.SlaveExport)
    return ModalResult::Ok;
  QFileDialog save(parent, QFileDialog::tr("Save As"));
  save.setOption(QFileDialog::DontUseNativeDialog);
  save.setAcceptMode(QFileDialog::AcceptSave);
  save.setOption(QFileDialog::DontConfirmOverwrite, !filter.OverwritePrompt);
  save.setNameFilter(PdfExportDialog::tr("Adobe PDF file") + QStringLiteral(" (*.pdf)"));
  save.setDefaultSuffix(QStringLiteral("pdf"));
  if (!filter.DefaultPath.isEmpty())
    save.setDirectory(filter.DefaultPath);
  save.selectFile(PdfExportDialog::SuggestedFileName(filter));
  if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty())
    return ModalResult::Cancel;
  filter.FileName = save.selectedFiles().constFirst();
  return ModalResult::Ok;
}

}  // namespace quitanza::report
