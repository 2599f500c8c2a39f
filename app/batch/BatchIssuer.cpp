#include "app/batch/BatchIssuer.h"

#include "app/IssuerSettings.h"
#include "app/ReceiptIssuer.h"
#include "app/ReceiptVariables.h"
#include "platform/files/FileReplacement.h"
#include "report/model/PreviewPages.h"

#include <QDir>
#include <QStringList>

#include <memory>

namespace quitanza::app {

using namespace platform;
using namespace report;

namespace {

// One run of a batch: what has been issued so far and the files waiting
// for the register to hold their receipts.
class BatchRun {
public:
  BatchRun(DataModule& dm, const BatchOutputs& outputs)
    : m_dm(dm), m_outputs(outputs), m_settings(dm.Settings()), m_issuer(dm)
  {
  }

  // Prepares the rows in turn; the first failure ends the run and is returned.
  std::optional<QString> PrepareAll(const std::vector<BatchRow>& rows, const BatchIssuer::Progress& progress,
                                    const BatchIssuer::Caution& caution)
  {
    m_lastBefore = m_issuer.FirstFreeCodigo(m_settings) - 1;
    // Pages pile up only for what takes them all at once.
    const bool keepPages = !m_outputs.PdfFile.isEmpty() || m_outputs.Print.has_value();
    std::int32_t codigo = m_lastBefore;
    for (const BatchRow& row : rows) {
      try {
        codigo = NextCodigo(codigo);
        const bool first = m_issued.empty();
        ReceiptRecord record = m_issuer.Prepare(row.Entry, m_settings, codigo, !keepPages || first);
        const QString cut = CutTextsCaution(m_dm.frxReport);
        if (!cut.isEmpty() && caution)
          caution(ReceiptNumberText(codigo) + QStringLiteral(": ") + cut);
        const int pageCount = m_dm.frxReport.PreviewPages().Count();
        if (!m_outputs.PdfFolder.isEmpty())
          ExportOwnPdf(codigo, keepPages && !first ? m_pageEnds.back() + 1 : 1, pageCount);
        m_issued.push_back(std::move(record));
        m_pageEnds.push_back(pageCount);
      } catch (const std::exception& error) {
        return IssueFailureMessage(error) +
               QStringLiteral(" (linha %1 do arquivo, que seria o recibo %2)").arg(row.Line).arg(ReceiptNumberText(codigo));
      }
      if (progress)
        progress(static_cast<int>(m_issued.size()), static_cast<int>(rows.size()));
    }
    return std::nullopt;
  }

  // The one PDF and the print run, then the register saved once. Nothing is
  // stored when any of it fails.
  void Store()
  {
    if (m_issued.empty())
      return;
    const QString allPages = QStringLiteral("1-%1").arg(m_pageEnds.back());
    if (!m_outputs.PdfFile.isEmpty()) {
      auto file = std::make_unique<FileReplacement>(m_outputs.PdfFile);
      PDFFileSettings settings = m_outputs.PdfSettings;
      settings.PageNumbers = allPages;
      ExportPDFStream(m_dm.frxPDFExport, m_dm.frxReport.PreviewPages(), file->Device(), settings);
      m_pending.push_back(std::move(file));
    }
    if (m_outputs.Print) {
      PrintRequest request = *m_outputs.Print;
      request.PageNumbers = allPages;
      report::Print(m_dm.frxReport, request);
    }
    ReceiptIssuer issuer(m_dm);
    for (const ReceiptRecord& record : m_issued)
      issuer.Insert(record);
    m_dm.SaveRegister();
    m_stored = true;
  }

  // With the receipts stored: their PDFs put in place and CODIGO advanced.
  // Returns what failed.
  std::optional<QString> Finish()
  {
    if (!m_stored)
      return std::nullopt;
    std::optional<QString> failure;
    for (const std::unique_ptr<FileReplacement>& file : m_pending) {
      try {
        file->Commit();
      } catch (const std::exception& error) {
        if (!failure)
          failure = QStringLiteral("%1\nOs recibos estão guardados; \"quitanza reimprimir NÚMERO\" exporta cada um de novo.")
                      .arg(QString::fromUtf8(error.what()));
      }
    }
    m_pending.clear();
    try {
      m_settings.WriteInteger(IssuerSection, CounterKey, m_issued.back().Codigo);
    } catch (const std::exception& error) {
      if (!failure)
        failure = QStringLiteral("%1\nCODIGO não foi atualizado; o próximo recibo ainda segue o maior número do registro.")
                    .arg(QString::fromUtf8(error.what()));
    }
    return failure;
  }

  // Which receipts the register holds now, and the last number issued.
  QString StoredSummary() const
  {
    if (!m_stored) {
      const QString none = QStringLiteral("Nenhum recibo do lote foi guardado");
      return m_lastBefore > 0 ? none + QStringLiteral("; o último recibo emitido continua sendo %1.").arg(ReceiptNumberText(m_lastBefore))
                              : none + u'.';
    }
    return QStringLiteral("Guardados %1 recibos do lote, de %2 a %3; o último recibo emitido é %3.")
      .arg(m_issued.size())
      .arg(ReceiptNumberText(m_issued.front().Codigo), ReceiptNumberText(m_issued.back().Codigo));
  }

  std::vector<ReceiptRecord> Stored() const { return m_stored ? m_issued : std::vector<ReceiptRecord>{}; }

private:
  // The receipt's pages (from `firstPage` to `lastPage`, counted from 1) into
  // its own PDF, which waits beside its place until the receipt is stored.
  void ExportOwnPdf(std::int32_t codigo, int firstPage, int lastPage)
  {
    auto file = std::make_unique<FileReplacement>(QDir(m_outputs.PdfFolder).filePath(ReceiptPdfName(codigo)));
    PDFFileSettings settings = m_outputs.PdfSettings;
    settings.PageNumbers = QStringLiteral("%1-%2").arg(firstPage).arg(lastPage);
    ExportPDFStream(m_dm.frxPDFExport, m_dm.frxReport.PreviewPages(), file->Device(), settings);
    m_pending.push_back(std::move(file));
  }

  DataModule& m_dm;
  const BatchOutputs& m_outputs;
  const IniFile m_settings;
  ReceiptIssuer m_issuer;
  std::int32_t m_lastBefore = 0;
  std::vector<ReceiptRecord> m_issued;
  std::vector<int> m_pageEnds;  // the page count once each receipt was prepared
  std::vector<std::unique_ptr<FileReplacement>> m_pending;
  bool m_stored = false;
};

}  // namespace

QString ReceiptPdfName(std::int32_t codigo)
{
  return QString::asprintf("%.10d.pdf", codigo);
}

BatchOutcome BatchIssuer::Issue(const std::vector<BatchRow>& rows, const BatchOutputs& outputs)
{
  BatchRun run(m_dm, outputs);
  QStringList failures;
  if (const std::optional<QString> failure = run.PrepareAll(rows, m_progress, m_caution))
    failures << *failure;
  try {
    run.Store();
  } catch (const std::exception& error) {
    failures << IssueFailureMessage(error);
  }
  if (const std::optional<QString> failure = run.Finish())
    failures << *failure;

  BatchOutcome outcome;
  outcome.Stored = run.Stored();
  if (!failures.isEmpty())
    outcome.Failure = (failures << run.StoredSummary()).join(u'\n');
  return outcome;
}

}  // namespace quitanza::app
