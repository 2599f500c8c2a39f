#pragma once

class QWidget;

namespace quitanza::report {

class Report;

// Shows the report's prepared pages in the preview window; returns when the
// operator closes it.
void ShowPreparedReport(Report& report, QWidget* parent = nullptr);

// Empties the prepared pages and shows the preview window, which prepares
// the report while it is shown: pages appear as they are made and Cancel
// stops the preparation. Returns when the window closes. With old-style
// progress the report is prepared first and nothing is shown when that fails.
void ShowReport(Report& report, QWidget* parent = nullptr);

}  // namespace quitanza::report
