#pragma once

#include <QString>

#include <functional>

namespace quitanza::report {

class CustomExportFilter;
class PageSource;
class Report;

// The progress window of a running export (kind 1, "Exporting page %d").
class ExportProgress {
public:
  static constexpr int ptExporting = 1;

  virtual ~ExportProgress() = default;
  virtual void Start() = 0;
  // Shows the message; true when Cancel was pressed since the last call.
  virtual bool Progress(int kind, int value, const QString& message) = 0;
  virtual void Stop() = 0;
};

// What an export run reads besides the pages.
struct ExportContext {
  // Its Terminated flag stops the run, its errors list gets the run's error
  // and shows it; its ShowProgress gates the progress window. Without a
  // report an error is raised to the caller instead.
  report::Report* Report = nullptr;
  // The preview's page, 1-based, for the filter's CurPage; 0 without a preview.
  int CurPreviewPage = 0;
  ExportProgress* Progress = nullptr;
  // Lets the window system process pending messages between pages.
  std::function<void()> ProcessMessages;
};

// Exports the selected pages through the filter (the page store's
// Export(Filter)): dialog, Start, per page StartPage, the page background
// and every object with its children, FinishPage, then Finish. After an
// error or a Cancel the current page and the document are still finished,
// so the file is valid with the pages done so far. Returns false when the
// dialog is cancelled or an error occurred (reported through the report);
// true otherwise, also after a Cancel.
bool ExportPreviewPages(PageSource& pages, CustomExportFilter* filter,
                        const ExportContext& context);

}  // namespace quitanza::report
