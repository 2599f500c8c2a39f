#include "report/print/PrintDialog.h"

#include "report/print/Printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quitanza::report {

namespace {

template <class Widget>
Widget* Named(Widget* widget, const char* name)
{
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

PrintDialog::PrintDialog(Printers& printers, const PrintOptions& options, int currentPage, QWidget* parent)
  : QDialog(parent), m_printers(printers), m_previousPrinter(printers.PrinterIndex()), m_currentPage(currentPage)
{
  setWindowTitle(tr("Print"));
  resize(557, 333);
  auto* grid = new QGridLayout(this);
  grid->addWidget(PrinterGroup(), 0, 0, 1, 2);
  grid->addWidget(PagesGroup(options), 1, 0);
  grid->addWidget(CopiesGroup(options), 1, 1);
  grid->addWidget(ModeGroup(options), 2, 0);
  grid->addWidget(OtherGroup(options), 2, 1);
  auto* buttons = Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "buttons");
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 3, 0, 1, 2);
  ChoosePrinter(m_printers.PrinterIndex());
  const int sheet = m_sheet->findData(options.PrintOnSheet);
  m_sheet->setCurrentIndex(std::max(0, sheet));
  ModeChanged();
}

QWidget* PrintDialog::PrinterGroup()
{
  auto* group = new QGroupBox(tr("Printer"));
  auto* form = new QFormLayout(group);
  m_printer = Named(new QComboBox, "cbPrinter");
  const QIcon icon = style()->standardIcon(QStyle::SP_ComputerIcon);
  for (const QString& name : m_printers.Names())
    m_printer->addItem(icon, name);
  m_printer->setCurrentIndex(m_printers.PrinterIndex());
  connect(m_printer, &QComboBox::currentIndexChanged, this, &PrintDialog::ChoosePrinter);
  auto* properties = Named(new QPushButton(tr("Properties...")), "btnProperties");
  connect(properties, &QPushButton::clicked, this, [this] {
    Printer& printer = m_printers.Current();
    QPageSetupDialog setup(&printer.Device(), this);
    if (setup.exec() == QDialog::Accepted) {
      printer.ChosenDuplex = printer.CurrentDuplex();
      if (printer.ChosenDuplex != DuplexMode::None)
        m_duplex->setCurrentIndex(static_cast<int>(printer.ChosenDuplex));
    }
  });
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(m_printer, 1);
  nameRow->addWidget(properties);
  form->addRow(tr("Name:"), nameRow);
  m_where = Named(new QLabel, "lblWhere");
  m_toFile = Named(new QCheckBox(tr("Print to file")), "cbToFile");
  auto* whereRow = new QHBoxLayout;
  whereRow->addWidget(m_where, 1);
  whereRow->addWidget(m_toFile);
  form->addRow(tr("Where:"), whereRow);
  return group;
}

QWidget* PrintDialog::PagesGroup(const PrintOptions& options)
{
  auto* group = new QGroupBox(tr("Pages"));
  auto* box = new QVBoxLayout(group);
  m_all = Named(new QRadioButton(tr("All")), "rbAll");
  m_current = Named(new QRadioButton(tr("Current page")), "rbCurrent");
  m_pages = Named(new QRadioButton(tr("Pages:")), "rbPages");
  m_pageNumbers = Named(new QLineEdit(options.PageNumbers), "edPages");
  m_pageNumbers->installEventFilter(this);
  (options.PageNumbers.isEmpty() ? m_all : m_pages)->setChecked(true);
  auto* pagesRow = new QHBoxLayout;
  pagesRow->addWidget(m_pages);
  pagesRow->addWidget(m_pageNumbers, 1);
  auto* help = new QLabel(tr("Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"));
  help->setWordWrap(true);
  box->addWidget(m_all);
  box->addWidget(m_current);
  box->addLayout(pagesRow);
  box->addWidget(help);
  return group;
}

QWidget* PrintDialog::CopiesGroup(const PrintOptions& options)
{
  auto* group = new QGroupBox(tr("Copies"));
  auto* form = new QFormLayout(group);
  m_copies = Named(new QSpinBox, "sbCopies");
  m_copies->setRange(1, 999);
  m_copies->setValue(std::max(1, options.Copies));
  form->addRow(tr("Number of copies"), m_copies);
  m_collate = Named(new QCheckBox(tr("Collate")), "cbCollate");
  m_collate->setChecked(options.Collate);
  form->addRow(m_collate);
  return group;
}

QWidget* PrintDialog::ModeGroup(const PrintOptions& options)
{
  auto* group = new QGroupBox(tr("Print mode"));
  auto* form = new QFormLayout(group);
  m_mode = Named(new QComboBox, "cbMode");
  m_mode->addItems({tr("Default"), tr("Split big pages"), tr("Join small pages"), tr("Scale")});
  m_mode->setCurrentIndex(static_cast<int>(options.PrintMode));
  connect(m_mode, &QComboBox::currentIndexChanged, this, &PrintDialog::ModeChanged);
  form->addRow(m_mode);
  m_sheet = Named(new QComboBox, "cbSheet");
  form->addRow(tr("Print on sheet"), m_sheet);
  return group;
}

QWidget* PrintDialog::OtherGroup(const PrintOptions& options)
{
  auto* group = new QGroupBox(tr("Other"));
  auto* form = new QFormLayout(group);
  m_printPages = Named(new QComboBox, "cbPrintPages");
  m_printPages->addItems({tr("All pages"), tr("Odd pages"), tr("Even pages")});
  m_printPages->setCurrentIndex(static_cast<int>(options.PrintPages));
  form->addRow(tr("Print"), m_printPages);
  m_duplex = Named(new QComboBox, "cbDuplex");
  m_duplex->addItems({tr("Default"), tr("Vertical"), tr("Horizontal"), tr("Simplex")});
  m_duplex->setCurrentIndex(static_cast<int>(options.Duplex));
  form->addRow(tr("Duplex"), m_duplex);
  m_order = Named(new QComboBox, "cbOrder");
  m_order->addItems({tr("Direct (1-9)"), tr("Reverse (9-1)")});
  m_order->setCurrentIndex(options.Reverse ? 1 : 0);
  form->addRow(tr("Order"), m_order);
  return group;
}

void PrintDialog::ChoosePrinter(int index)
{
  m_printers.SetPrinterIndex(index);
  m_where->setText(m_printers.Current().Location());
  FillSheets();
}

void PrintDialog::FillSheets()
{
  const int chosen = m_sheet->currentData().toInt();
  m_sheet->clear();
  m_sheet->addItem(tr("Default"), kCustomPaper);
  for (const PrinterItem& paper : m_printers.Current().Papers())
    m_sheet->addItem(paper.Name, paper.Number);
  m_sheet->setCurrentIndex(std::max(0, m_sheet->findData(chosen)));
}

void PrintDialog::ModeChanged()
{
  const bool onSheet = m_mode->currentIndex() != static_cast<int>(PrintMode::Default);
  m_sheet->setEnabled(onSheet);
  if (onSheet && m_sheet->currentIndex() == 0)
    m_sheet->setCurrentIndex(std::max(0, m_sheet->findData(kA4Paper)));
}

bool PrintDialog::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == m_pageNumbers && event->type() == QEvent::FocusIn)
    m_pages->setChecked(true);
  return QDialog::eventFilter(watched, event);
}

void PrintDialog::accept()
{
  m_outFileName.clear();
  if (m_toFile->isChecked()) {
    const QString chosen =
      QFileDialog::getSaveFileName(this, tr("Print to file"), QString(), tr("Printer file (*.prn)"));
    if (chosen.isEmpty())
      return reject();
    const QFileInfo file(chosen);
    m_outFileName = file.dir().filePath(file.completeBaseName() + QStringLiteral(".prn"));
  }
  QDialog::accept();
}

void PrintDialog::reject()
{
  m_printers.SetPrinterIndex(m_previousPrinter);
  QDialog::reject();
}

void PrintDialog::ApplyTo(PrintOptions& options) const
{
  options.Copies = m_copies->value();
  options.Collate = m_collate->isChecked();
  options.PageNumbers = m_all->isChecked()       ? QString()
                        : m_current->isChecked() ? QString::number(m_currentPage)
                                                 : m_pageNumbers->text();
  options.PrintPages = static_cast<PrintPages>(m_printPages->currentIndex());
  options.Duplex = static_cast<DuplexMode>(m_duplex->currentIndex());
  options.Reverse = m_order->currentIndex() == 1;
  options.PrintMode = static_cast<PrintMode>(m_mode->currentIndex());
  options.PrintOnSheet = m_sheet->currentData().toInt();
  options.PrnOutFileName = m_outFileName;
}

}  // namespace quitanza::report
