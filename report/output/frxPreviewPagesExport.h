#pragma once

#include <QString>

#include <functional>

class TfrxCustomExportFilter;
class TfrxPageSource;
class TfrxReport;

// The progress window of a running export (kind 1, "Exporting page %d").
class TfrxExportProgress {
public:
  static constexpr int ptExporting = 1;

  virtual ~TfrxExportProgress() = default;
  virtual void Start() = 0;
  // Shows the message; true when Cancel was pressed since the last call.
  virtual bool Progress(int kind, int value, const QString& message) = 0;
  virtual void Stop() = 0;
};

// What an export run reads besides the pages.
struct TfrxExportContext {
  // Its Terminated flag stops the run, its errors list gets the run's error
  // and shows it; its ShowProgress gates the progress window. Without a
  // report an error is raised to the caller instead.
  TfrxReport* Report = nullptr;
  // The preview's page, 1-based, for the filter's CurPage; 0 without a preview.
  int CurPreviewPage = 0;
  TfrxExportProgress* Progress = nullptr;
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
bool frxExportPreviewPages(TfrxPageSource& pages, TfrxCustomExportFilter* filter,
                           const TfrxExportContext& context);
