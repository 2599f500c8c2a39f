#pragma once

class QCoreApplication;
class QWidget;

namespace quitanza::report {

class Report;

// The preview's Print: the print dialog, then the print of the report's
// prepared pages with the progress window, on the system's printers. False
// when the operator cancels or there is no printer (a message box says so;
// the dialog is not shown). `currentPage` (1-based) is what "Current page"
// prints.
bool PrintWithDialog(Report& report, QWidget* parent = nullptr, int currentPage = 1);

// The Portuguese texts of the print dialog and progress window.
void InstallPrintTranslations(QCoreApplication& application);

}  // namespace quitanza::report
