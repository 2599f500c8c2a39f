#include "report/print/PrintWithDialog.h"

#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/print/Print.h"
#include "report/print/PrintDialog.h"
#include "report/print/PrintProgress.h"
#include "report/print/Printers.h"

#include <QMessageBox>
#include <QTranslator>

#include <optional>

namespace quitanza::report {

bool PrintWithDialog(Report& report, QWidget* parent, int currentPage)
{
  Printers& printers = Printers::System();
  if (!printers.HasPhysicalPrinters()) {
    QMessageBox::warning(parent, QCoreApplication::translate("quitanza::report::Print", "Print"),
                         QCoreApplication::translate("quitanza::report::Print", "No printers installed on your system"));
    return false;
  }
  const auto dialog = [&](Printers& list, PrintOptions& options) {
    PrintDialog window(list, options, currentPage, parent);
    if (window.exec() != QDialog::Accepted)
      return false;
    window.ApplyTo(options);
    return true;
  };
  std::optional<PrintProgress> progress;
  return PrintPreparedPages(report, report.PreviewPages(), printers, dialog, [&](int page) {
    if (!progress)
      progress.emplace(report);
    progress->ShowPage(page);
  });
}

void InstallPrintTranslations(QCoreApplication& application)
{
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral(":/i18n/quitanza_print_pt_BR.qm")))
    QCoreApplication::installTranslator(translator);
}

}  // namespace quitanza::report
