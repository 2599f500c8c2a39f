#include "report/preview/PageSettingsDialog.h"

#include "report/model/PaperSizes.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/preview/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace quitanza::report {

namespace {

// The papers offered by name; any other code is shown as the custom size.
constexpr std::array<std::pair<int, const char*>, 6> kPapers = {{
    {9, "A4"}, {8, "A3"}, {11, "A5"}, {1, "Letter"}, {5, "Legal"}, {13, "B5"}}};
constexpr int kCustomPaper = 256;

QDoubleSpinBox* CentimetreBox()
{
  auto* box = new QDoubleSpinBox;
  box->setDecimals(2);
  box->setRange(0, 999);
  box->setSingleStep(0.1);
  return box;
}

double Centimetres(long double millimetres)
{
  return static_cast<double>(millimetres / 10);
}

}  // namespace

PageSettingsDialog::PageSettingsDialog(QWidget* parent)
    : QDialog(parent),
      m_paper(new QComboBox),
      m_width(CentimetreBox()),
      m_height(CentimetreBox()),
      m_portrait(new QRadioButton(tr("Portrait"))),
      m_landscape(new QRadioButton(tr("Landscape"))),
      m_left(CentimetreBox()),
      m_top(CentimetreBox()),
      m_right(CentimetreBox()),
      m_bottom(CentimetreBox()),
      m_currentPage(new QRadioButton(tr("Apply to the current page"))),
      m_allPages(new QRadioButton(tr("Apply to all pages")))
{
  setWindowTitle(tr("Page Settings"));
  m_paper->addItem(tr("Custom"), kCustomPaper);
  for (const auto& [code, name] : kPapers)
    m_paper->addItem(QString::fromLatin1(name), code);
  auto* paper = new QGroupBox(tr("Paper"));
  auto* paperForm = new QFormLayout(paper);
  paperForm->addRow(m_paper);
  paperForm->addRow(tr("Width"), m_width);
  paperForm->addRow(tr("Height"), m_height);
  auto* orientation = new QGroupBox(tr("Orientation"));
  auto* orientationLayout = new QHBoxLayout(orientation);
  orientationLayout->addWidget(m_portrait);
  orientationLayout->addWidget(m_landscape);
  auto* margins = new QGroupBox(tr("Margins"));
  auto* marginsForm = new QFormLayout(margins);
  marginsForm->addRow(tr("Left"), m_left);
  marginsForm->addRow(tr("Top"), m_top);
  marginsForm->addRow(tr("Right"), m_right);
  marginsForm->addRow(tr("Bottom"), m_bottom);
  auto* scope = new QGroupBox(tr("Other"));
  auto* scopeLayout = new QVBoxLayout(scope);
  scopeLayout->addWidget(m_currentPage);
  scopeLayout->addWidget(m_allPages);
  m_currentPage->setChecked(true);
  QDialogButtonBox* buttons = OkCancelButtons(*this);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* group : {static_cast<QWidget*>(paper), static_cast<QWidget*>(orientation),
                         static_cast<QWidget*>(margins), static_cast<QWidget*>(scope)})
    layout->addWidget(group);
  layout->addWidget(buttons);

  connect(m_paper, &QComboBox::activated, this, &PageSettingsDialog::PaperChosen);
  connect(m_portrait, &QRadioButton::toggled, this, &PageSettingsDialog::OrientationChosen);
  connect(m_width, &QDoubleSpinBox::valueChanged, this, &PageSettingsDialog::SizeTyped);
  connect(m_height, &QDoubleSpinBox::valueChanged, this, &PageSettingsDialog::SizeTyped);
}

void PageSettingsDialog::Load(const ReportPage& page)
{
  m_filling = true;
  const int index = m_paper->findData(page.PaperSize());
  m_paper->setCurrentIndex(index < 0 ? 0 : index);
  m_width->setValue(Centimetres(page.PaperWidth()));
  m_height->setValue(Centimetres(page.PaperHeight()));
  (page.Orientation() == PrinterOrientation::Landscape ? m_landscape : m_portrait)->setChecked(true);
  m_left->setValue(Centimetres(page.LeftMargin));
  m_top->setValue(Centimetres(page.TopMargin));
  m_right->setValue(Centimetres(page.RightMargin));
  m_bottom->setValue(Centimetres(page.BottomMargin));
  m_filling = false;
}

void PageSettingsDialog::PaperChosen()
{
  const PaperSize* size = FindPaperSize(m_paper->currentData().toInt());
  if (!size)
    return;
  m_filling = true;
  const bool landscape = m_landscape->isChecked();
  m_width->setValue((landscape ? size->Height : size->Width) / 100.0);
  m_height->setValue((landscape ? size->Width : size->Height) / 100.0);
  m_filling = false;
}

void PageSettingsDialog::OrientationChosen()
{
  if (m_filling)
    return;
  if (m_paper->currentData().toInt() == kCustomPaper) {
    m_filling = true;
    const double width = m_width->value();
    m_width->setValue(m_height->value());
    m_height->setValue(width);
    m_filling = false;
    return;
  }
  PaperChosen();
}

void PageSettingsDialog::SizeTyped()
{
  if (!m_filling)
    m_paper->setCurrentIndex(0);
}

bool PageSettingsDialog::AllPages() const
{
  return m_allPages->isChecked();
}

void PageSettingsDialog::Apply(ReportPage& page) const
{
  page.SetOrientation(m_landscape->isChecked() ? PrinterOrientation::Landscape : PrinterOrientation::Portrait);
  const int code = m_paper->currentData().toInt();
  page.SetSizeAndDimensions(code, static_cast<long double>(m_width->value()) * 10,
                            static_cast<long double>(m_height->value()) * 10);
  page.LeftMargin = static_cast<long double>(m_left->value()) * 10;
  page.TopMargin = static_cast<long double>(m_top->value()) * 10;
  page.RightMargin = static_cast<long double>(m_right->value()) * 10;
  page.BottomMargin = static_cast<long double>(m_bottom->value()) * 10;
}

PageSettingsChoice RunPageSettingsDialog(Report& report, int index, QWidget* parent)
{
  ReportPage* prepared = report.PreviewPages().GetPage(index);
  if (!prepared)
    return PageSettingsChoice::Cancelled;
  PageSettingsDialog dialog(parent);
  dialog.Load(*prepared);
  if (dialog.exec() != QDialog::Accepted)
    return PageSettingsChoice::Cancelled;
  if (!dialog.AllPages()) {
    dialog.Apply(*prepared);
    report.PreviewPages().ModifyPage(index, *prepared);
    return PageSettingsChoice::CurrentPage;
  }
  for (int i = 0; i < report.PagesCount(); ++i) {
    if (auto* page = dynamic_cast<ReportPage*>(report.Pages(i)))
      dialog.Apply(*page);
  }
  return PageSettingsChoice::AllPages;
}

}  // namespace quitanza::report
