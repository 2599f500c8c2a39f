#pragma once

#include "report/model/Types.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace quitanza::report {

class Report;
class ReportPage;

// What the page settings dialog ended with.
enum class PageSettingsChoice { Cancelled, CurrentPage, AllPages };

// The paper, orientation and margins of a page, in centimetres, and whether
// they apply to the current page or to every page of the report.
class PageSettingsDialog : public QDialog {
  Q_OBJECT
public:
  explicit PageSettingsDialog(QWidget* parent = nullptr);

  void Load(const quitanza::report::ReportPage& page);
  // The dialog's paper, orientation and margins given to `page`.
  void Apply(quitanza::report::ReportPage& page) const;
  bool AllPages() const;

private:
  void PaperChosen();
  void OrientationChosen();
  void SizeTyped();

  QComboBox* m_paper;
  QDoubleSpinBox* m_width;
  QDoubleSpinBox* m_height;
  QRadioButton* m_portrait;
  QRadioButton* m_landscape;
  QDoubleSpinBox* m_left;
  QDoubleSpinBox* m_top;
  QDoubleSpinBox* m_right;
  QDoubleSpinBox* m_bottom;
  QRadioButton* m_currentPage;
  QRadioButton* m_allPages;
  bool m_filling = false;
};

// Shows the dialog for prepared page `index`. OK with "Apply to the current
// page" changes that prepared page; with "Apply to all pages" every page of
// the report's template, which the caller then prepares again.
PageSettingsChoice RunPageSettingsDialog(quitanza::report::Report& report, int index, QWidget* parent);

}  // namespace quitanza::report
