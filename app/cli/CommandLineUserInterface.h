#pragma once

#include "app/UserInterface.h"
#include "platform/files/FileReplacement.h"
#include "report/output/ExportPDFFile.h"
#include "report/print/Print.h"

#include <QString>
#include <QTextStream>

#include <memory>
#include <optional>

namespace quitanza::app {

// The workflows' user interface on the command line. What would stop the
// action in a window is kept and raised by ThrowIfStopped once the workflow
// has returned, so the workflow runs exactly as under a window: a warning
// or an unconfirmed question refuses the input (exit 1), and so does the
// error box showing a refused input; any other error shown ends the command
// as a file or engine error (exit 3). A command has no fields or progress
// bar; its preview is the PDF export when it was given a file and the print
// when it was asked for one, else nothing.
// The PDF takes its place only when the command says its work is done, so a
// receipt that was not stored leaves no valid-looking PDF behind.
class CommandLineUserInterface final : public UserInterface {
public:
  // `confirmed`: the operator answered Yes beforehand (--sim).
  CommandLineUserInterface(QTextStream& out, QTextStream& err, bool confirmed)
    : m_out(out), m_err(err), m_confirmed(confirmed)
  {
  }

  void Warning(const QString& text) override;
  bool Question(const QString& text) override;
  void Error(const std::exception& error) override;
  void Information(const QString& text) override;
  // On standard error, after "Aviso: ": the command goes on.
  void Caution(const QString& text) override;
  void ShowProgress() override {}
  void HideProgress() override {}
  // Throws the export's error: the command's only output failed. The file
  // stays pending until CommitPreview().
  void Preview(quitanza::report::Report& report) override;
  void ClearFields() override {}
  void FocusField(const QString&) override {}

  // From now on the preview exports the prepared pages into `fileName`
  // through `filter`, with these settings.
  void ExportPreviewTo(quitanza::report::PDFExport& filter, const QString& fileName, const quitanza::report::PDFFileSettings& settings);
  // From now on the preview also prints the prepared pages so.
  void PrintPreviewOn(const quitanza::report::PrintRequest& request) { m_print = request; }
  // Puts the PDF the preview wrote in place; without this call it is removed.
  void CommitPreview();

  // Throws InvalidInputError for a warning, an unanswered question or a
  // refused input, or std::runtime_error for another error: the first shown.
  void ThrowIfStopped() const;

private:
  enum class StopKind { None, Refused, Failed };
  void Stop(StopKind kind, const QString& message);

  QTextStream& m_out;
  QTextStream& m_err;
  bool m_confirmed;
  StopKind m_stop = StopKind::None;
  QString m_message;
  quitanza::report::PDFExport* m_pdfFilter = nullptr;
  QString m_pdfFileName;
  quitanza::report::PDFFileSettings m_pdfSettings;
  std::unique_ptr<platform::FileReplacement> m_pendingPdf;
  std::optional<quitanza::report::PrintRequest> m_print;
};

}  // namespace quitanza::app
