#pragma once

#include "report/model/PrintOptions.h"

#include <QString>

#include <functional>

namespace quitanza::report {

class PageSource;
class Printers;
class Report;

// A print without a dialog, as the command line asks for it.
struct PrintRequest {
  // Empty: the system's default printer.
  QString Printer;
  int Copies = 1;
  // "1,3,5-12"; empty for every page.
  QString PageNumbers;
};

// The print dialog's part of a print: shown with the options, it may change
// them and the current printer; false when the operator cancels.
using PrintDialogStep = std::function<bool(Printers& printers, PrintOptions& options)>;

// Prints prepared pages as the report's print options say, after `dialog`
// when ShowDialog is set and a dialog is given. The options are back as they
// were afterwards, whatever the dialog chose. False when cancelled. Throws
// PrintError when there is no printer or it is not valid, and
// std::invalid_argument for a page selection that is not one.
bool PrintPreparedPages(Report& report, PageSource& pages, Printers& printers, const PrintDialogStep& dialog = {},
                        const std::function<void(int page)>& progress = {});

// The report's prepared pages on the system's printer named by the request,
// without a dialog. Throws PrintError for a printer that does not exist.
void Print(Report& report, const PrintRequest& request);

}  // namespace quitanza::report
