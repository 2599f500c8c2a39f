#include "report/preview/ShowReport.h"

#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/preview/PreviewForm.h"

#include <QTimer>

namespace quitanza::report {

void ShowPreparedReport(Report& report, QWidget* parent)
{
  PreviewForm form(report, parent);
  form.Init();
  form.exec();
}

void ShowReport(Report& report, QWidget* parent)
{
  report.PreviewPages().Clear();
  if (report.OldStyleProgress) {
    if (report.PrepareReport(false))
      ShowPreparedReport(report, parent);
    return;
  }
  QTimer& timer = report.PreparationTimer();
  timer.start();
  ShowPreparedReport(report, parent);
  // Closed before the first tick: nothing is prepared behind a closed window.
  timer.stop();
}

}  // namespace quitanza::report
