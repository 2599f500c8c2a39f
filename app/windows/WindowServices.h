#pragma once

#include <QUrl>

#include <functional>

class QWidget;

namespace quitanza::report { class Report; }

namespace quitanza::app {

// Shows a prepared report to the operator over `parent` and returns when the
// operator closes it.
using PreviewFunction = std::function<void(report::Report& report, QWidget* parent)>;

// What the windows hand to the rest of the desktop: the report preview, and
// the shell's opening of documents and web addresses.
struct WindowServices {
  PreviewFunction Preview;
  std::function<void(const QUrl&)> Open;
};

// The shell's "open": the desktop's viewer or browser, no result examined.
WindowServices WithDesktopOpen(PreviewFunction preview);

}  // namespace quitanza::app
