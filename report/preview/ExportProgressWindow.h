#pragma once

#include "report/output/PreviewPagesExport.h"

#include <QCoreApplication>

#include <memory>

class QProgressDialog;
class QWidget;

namespace quitanza::report {

// The small window an export from the preview shows: "Exporting page %d"
// and a Cancel button, which stops the export after the page in progress.
class ExportProgressWindow : public ExportProgress {
  Q_DECLARE_TR_FUNCTIONS(quitanza::report::ExportProgressWindow)
public:
  explicit ExportProgressWindow(QWidget* parent);
  ~ExportProgressWindow() override;

  void Start() override;
  bool Progress(int kind, int value, const QString& message) override;
  void Stop() override;

private:
  std::unique_ptr<QProgressDialog> m_dialog;
  bool m_cancelReported = false;
};

}  // namespace quitanza::report
