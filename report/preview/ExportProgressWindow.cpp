#include "report/preview/ExportProgressWindow.h"

#include <QProgressDialog>

namespace quitanza::report {

ExportProgressWindow::ExportProgressWindow(QWidget* parent) : m_dialog(std::make_unique<QProgressDialog>(parent))
{
  m_dialog->setWindowModality(Qt::WindowModal);
  m_dialog->setCancelButtonText(tr("Cancel"));
  m_dialog->setRange(0, 0);
  m_dialog->setMinimumDuration(0);
  m_dialog->setAutoReset(false);
  m_dialog->setAutoClose(false);
}

ExportProgressWindow::~ExportProgressWindow() = default;

void ExportProgressWindow::Start()
{
  m_cancelReported = false;
  m_dialog->show();
}

bool ExportProgressWindow::Progress(int, int value, const QString&)
{
  // The run's own message is the engine's English; the window speaks the program's language.
  m_dialog->setLabelText(QString::asprintf(qPrintable(tr("Exporting page %d")), value));
  QCoreApplication::processEvents();
  if (!m_dialog->wasCanceled() || m_cancelReported)
    return false;
  m_cancelReported = true;
  return true;
}

void ExportProgressWindow::Stop()
{
  m_dialog->hide();
}

}  // namespace quitanza::report
