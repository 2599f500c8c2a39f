#include "app/cli/CommandLineUserInterface.h"

#include "doclib/InvalidInputError.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"

#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

void CommandLineUserInterface::Warning(const QString& text)
{
  Stop(StopKind::Refused, text);
}

bool CommandLineUserInterface::Question(const QString& text)
{
  if (!m_confirmed)
    Stop(StopKind::Refused, text + QStringLiteral(" Confirme com --sim."));
  return m_confirmed;
}

void CommandLineUserInterface::Error(const std::exception& error)
{
  const bool refusal = dynamic_cast<const InvalidInputError*>(&error) != nullptr;
  Stop(refusal ? StopKind::Refused : StopKind::Failed, QString::fromUtf8(error.what()));
}

void CommandLineUserInterface::Information(const QString& text)
{
  m_out << text << u'\n';
}

void CommandLineUserInterface::Caution(const QString& text)
{
  m_err << QStringLiteral("Aviso: ") << text << u'\n';
  m_err.flush();
}

void CommandLineUserInterface::ExportPreviewTo(PDFExport& filter, const QString& fileName,
                                               const PDFFileSettings& settings)
{
  m_pdfFilter = &filter;
  m_pdfFileName = fileName;
  m_pdfSettings = settings;
}

void CommandLineUserInterface::Preview(quitanza::report::Report& report)
{
  if (m_pdfFilter) {
    auto file = std::make_unique<FileReplacement>(m_pdfFileName);
    ExportPDFStream(*m_pdfFilter, report.PreviewPages(), file->Device(), m_pdfSettings);
    m_pendingPdf = std::move(file);
  }
  if (m_print)
    Print(report, *m_print);
}

void CommandLineUserInterface::CommitPreview()
{
  if (m_pendingPdf)
    m_pendingPdf->Commit();
  m_pendingPdf.reset();
}

void CommandLineUserInterface::Stop(StopKind kind, const QString& message)
{
  if (m_stop != StopKind::None)
    return;
  m_stop = kind;
  m_message = message;
}

void CommandLineUserInterface::ThrowIfStopped() const
{
  switch (m_stop) {
  case StopKind::None: return;
  case StopKind::Refused: throw InvalidInputError(m_message);
  case StopKind::Failed: throw std::runtime_error(m_message.toStdString());
  }
}

}  // namespace quitanza::app
