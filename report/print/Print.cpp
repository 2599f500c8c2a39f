#include "report/print/Print.h"

#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/output/ParsePageNumbers.h"
#include "report/print/PrintError.h"
#include "report/print/PrintRun.h"
#include "report/print/Printers.h"

#include <QCoreApplication>

namespace quitanza::report {

namespace {

QString Tr(const char* text)
{
  return QCoreApplication::translate("quitanza::report::Print", text);
}

// Choices made for one print do not outlive it.
class RestoredOptions {
public:
  explicit RestoredOptions(PrintOptions& options) : m_options(options), m_saved(options) {}
  ~RestoredOptions() { m_options = m_saved; }
  RestoredOptions(const RestoredOptions&) = delete;
  RestoredOptions& operator=(const RestoredOptions&) = delete;

private:
  PrintOptions& m_options;
  PrintOptions m_saved;
};

}  // namespace

bool PrintPreparedPages(Report& report, PageSource& pages, Printers& printers, const PrintDialogStep& dialog,
                        const std::function<void(int page)>& progress)
{
  if (!printers.HasPhysicalPrinters())
    throw PrintError(Tr("No printers installed on your system"));
  const RestoredOptions restore(report.PrintOptions);
  PrintOptions& options = report.PrintOptions;
  const int named = printers.IndexOf(options.Printer);
  printers.SetPrinterIndex(named >= 0 ? named : printers.PrinterIndex());
  if (options.ShowDialog && dialog && !dialog(printers, options))
    return false;

  Printer& printer = printers.Current();
  printer.Init();
  printer.FileName = options.PrnOutFileName;
  PrintSheet sheet;
  if (options.PrintMode != PrintMode::Default) {
    sheet.Paper = options.PrintOnSheet;
    printer.SetViewParams(options.PrintOnSheet, printer.PaperWidth(), printer.PaperHeight(),
                          PrinterOrientation::Portrait);
    sheet.Width = printer.PaperWidth();
    sheet.Height = printer.PaperHeight();
  }
  const QList<int> pageList = ParsePageNumbers(options.PageNumbers, pages.Count());
  PrintRun(report, pages, printer, options, sheet, progress).Execute(pageList);
  return true;
}

void Print(Report& report, const PrintRequest& request)
{
  Printers& printers = Printers::System();
  if (!request.Printer.isEmpty() && printers.IndexOf(request.Printer) < 0)
    throw PrintError(Tr("The printer \"%1\" is not installed").arg(request.Printer));
  const RestoredOptions restore(report.PrintOptions);
  report.PrintOptions.Printer = request.Printer;
  report.PrintOptions.Copies = request.Copies;
  report.PrintOptions.PageNumbers = request.PageNumbers;
  report.PrintOptions.ShowDialog = false;
  PrintPreparedPages(report, report.PreviewPages(), printers);
}

}  // namespace quitanza::report
