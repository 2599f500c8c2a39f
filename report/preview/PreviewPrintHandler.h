#pragma once

#include <functional>

class QWidget;

namespace quitanza::report {

class Report;

// What the preview's Print button and Ctrl+P do with the report: set by the
// program to its print dialog and print run, which the preview does not
// know. Unset, printing is refused with a message.
extern std::function<void(Report& report, QWidget* parent)> PreviewPrintHandler;

}  // namespace quitanza::report
