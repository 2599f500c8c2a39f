#include "app/batch/BatchIssuer.h"

#include "app/IssuerSettings.h"
#include "app/ReceiptIssuer.h"
#include "app/ReceiptVariables.h"
#include "platform/files/FileReplacement.h"
#include "report/model/PreviewPages.h"

#include <QDir>
#include <QStringList>

#include <memory>
#include <stdexcept>

namespace quitanza::app {

using namespace platform;
using namespace report;

namespace {

// One run of a batch: what has been issued so far and the files waiting
// for the register to hold their receipts.
class BatchRun {
public:
  BatchRun(DataModule& dm, const BatchOutputs& outputs, const BatchIssuer::Progress& progress,
           const BatchIssuer::Caution& caution)
    : m_dm(dm), m_outputs(outputs), m_progress(progress), m_caution(caution), m_settings(dm.Settings().Snapshot()), m_issuer(dm)
  {
    m_lastBefore = m_issuer.FirstFreeCodigo(m_settings) - 1;
    // Receipts of one type share their loaded template, and every
    // preparation leaves it as the one before did, so the copy of the report
    // the engine keeps to restore it after preparing would only be thrown
    // away.
    m_dm.frxReport.EngineOptions.RestoreReportAfterPreparing = false;
  }

  // Prepares every row and writes its pages. A receipt that cannot be
  // issued ends the run (PreparationFailure()); the receipts before it are
  // complete, pages and all. Throws when the pages cannot be written.
  void IssueAll(const std::vector<BatchRow>& rows)
  {
    m_total = static_cast<int>(rows.size());
    // Printing takes every page at once; one PDF takes each page as it is
    // made, so pages never pile up; otherwise each receipt is done alone.
    if (m_outputs.Print)
      IssueKeepingPages(rows);
    else if (!m_outputs.PdfFile.isEmpty())
      IssueIntoOnePdf(rows);
    else
      IssueOneByOne(rows);
  }

  const std::optional<QString>& PreparationFailure() const { return m_failure; }

  // The register saved once with every receipt issued. Nothing is stored
  // when it fails.
  void Store()
  {
    if (m_issued.empty())
      return;
    for (const ReceiptRecord& record : m_issued)
      m_issuer.Insert(record);
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

  // The next row's receipt prepared, its pages alone in the report's
  // prepared pages unless `keepPages`, and its own PDF written when each
  // gets one. `onePage`: a receipt of more pages is refused. False, the
  // failure kept, when it could not be issued.
  bool PrepareNext(const BatchRow& row, bool keepPages, bool onePage = false)
  {
    if (m_failure)
      return false;
    const std::int32_t codigo = m_issued.empty() ? m_lastBefore : m_issued.back().Codigo;
    std::int32_t next = codigo;
    try {
      next = NextCodigo(codigo);
      ReceiptRecord record = m_issuer.Prepare(row.Entry, m_settings, next, !keepPages || m_issued.empty());
      const QString cut = CutTextsCaution(m_dm.frxReport);
      if (!cut.isEmpty() && m_caution)
        m_caution(ReceiptNumberText(next) + QStringLiteral(": ") + cut);
      const int firstPage = keepPages && !m_issued.empty() ? m_pageEnds.back() + 1 : 1;
      const int lastPage = m_dm.frxReport.PreviewPages().Count();
      if (onePage && lastPage != 1)
        throw std::runtime_error(
          QStringLiteral("o recibo ocupa %1 páginas, e no PDF do lote cada recibo tem uma.").arg(lastPage).toStdString());
      if (!m_outputs.PdfFolder.isEmpty())
        ExportOwnPdf(next, firstPage, lastPage);
      m_issued.push_back(std::move(record));
      m_pageEnds.push_back(lastPage);
    } catch (const std::exception& error) {
      m_failure = IssueFailureMessage(error) +
                  QStringLiteral(" (linha %1 do arquivo, que seria o recibo %2)").arg(row.Line).arg(ReceiptNumberText(next));
      return false;
    }
    if (m_progress)
      m_progress(static_cast<int>(m_issued.size()), m_total);
    return true;
  }

  PreviewPages& Pages() const { return m_dm.frxReport.PreviewPages(); }

private:
  void IssueOneByOne(const std::vector<BatchRow>& rows)
  {
    for (const BatchRow& row : rows) {
      if (!PrepareNext(row, false))
        return;
    }
  }

  void IssueKeepingPages(const std::vector<BatchRow>& rows)
  {
    for (const BatchRow& row : rows) {
      if (!PrepareNext(row, true))
        break;
    }
    if (m_issued.empty())
      return;
    const QString allPages = QStringLiteral("1-%1").arg(m_pageEnds.back());
    if (!m_outputs.PdfFile.isEmpty()) {
      PDFFileSettings settings = m_outputs.PdfSettings;
      settings.PageNumbers = allPages;
      WritePdf(m_outputs.PdfFile, Pages(), settings);
    }
    PrintRequest request = *m_outputs.Print;
    if (request.PageNumbers.isEmpty())
      request.PageNumbers = allPages;
    report::Print(m_dm.frxReport, request);
  }

  void IssueIntoOnePdf(const std::vector<BatchRow>& rows);

  // The receipt's pages (from `firstPage` to `lastPage`, counted from 1) into
  // its own PDF, which waits beside its place until the receipt is stored.
  void ExportOwnPdf(std::int32_t codigo, int firstPage, int lastPage)
  {
    PDFFileSettings settings = m_outputs.PdfSettings;
    settings.PageNumbers = QStringLiteral("%1-%2").arg(firstPage).arg(lastPage);
    WritePdf(QDir(m_outputs.PdfFolder).filePath(ReceiptPdfName(codigo)), Pages(), settings);
  }

  void WritePdf(const QString& path, PageSource& pages, const PDFFileSettings& settings)
  {
    auto file = std::make_unique<FileReplacement>(path);
    ExportPDFStream(m_dm.frxPDFExport, pages, file->Device(), settings);
    m_pending.push_back(std::move(file));
  }

  DataModule& m_dm;
  const BatchOutputs& m_outputs;
  const BatchIssuer::Progress& m_progress;
  const BatchIssuer::Caution& m_caution;
  const IniFile m_settings;
  ReceiptIssuer m_issuer;
  std::int32_t m_lastBefore = 0;
  int m_total = 0;
  std::vector<ReceiptRecord> m_issued;
  std::vector<int> m_pageEnds;  // the page count once each receipt was prepared
  std::vector<std::unique_ptr<FileReplacement>> m_pending;
  std::optional<QString> m_failure;
  bool m_stored = false;
};

// The pages of the batch's one PDF, each receipt prepared when the export
// asks for its page. After a receipt fails there are no more pages, and the
// export ends a complete document with the pages of the receipts before it.
class ReceiptsAsPages final : public PageSource {
public:
  ReceiptsAsPages(BatchRun& run, const std::vector<BatchRow>& rows) : m_run(run), m_rows(rows) {}

  int Count() const override { return static_cast<int>(m_rows.size()); }
  ReportPage* GetPage(int index) override
  {
    if (!Prepared(index))
      return nullptr;
    return m_run.Pages().GetPage(0);
  }
  QSize GetPageSize(int index) override { return Prepared(index) ? m_run.Pages().GetPageSize(0) : QSize(); }

private:
  // Pages are asked for in order, each once or more.
  bool Prepared(int index)
  {
    if (index == m_prepared)
      return true;
    if (index != m_prepared + 1 || !m_run.PrepareNext(m_rows[static_cast<std::size_t>(index)], false, true))
      return false;
    m_prepared = index;
    return true;
  }

  BatchRun& m_run;
  const std::vector<BatchRow>& m_rows;
  int m_prepared = -1;
};

void BatchRun::IssueIntoOnePdf(const std::vector<BatchRow>& rows)
{
  ReceiptsAsPages pages(*this, rows);
  try {
    WritePdf(m_outputs.PdfFile, pages, m_outputs.PdfSettings);
  } catch (...) {
    // Without its PDF no receipt is stored.
    m_issued.clear();
    throw;
  }
}

}  // namespace

QString ReceiptPdfName(std::int32_t codigo)
{
  return QString::asprintf("%.10d.pdf", codigo);
}

BatchOutcome BatchIssuer::Issue(const std::vector<BatchRow>& rows, const BatchOutputs& outputs)
{
  BatchRun run(m_dm, outputs, m_progress, m_caution);
  std::optional<QString> unwritten;
  try {
    run.IssueAll(rows);
    run.Store();
  } catch (const std::exception& error) {
    unwritten = IssueFailureMessage(error);
  }
  QStringList failures;
  for (const std::optional<QString>& failure : {run.PreparationFailure(), unwritten, run.Finish()}) {
    if (failure)
      failures << *failure;
  }

  BatchOutcome outcome;
  outcome.Stored = run.Stored();
  if (!failures.isEmpty())
    outcome.Failure = (failures << run.StoredSummary()).join(u'\n');
  return outcome;
}

}  // namespace quitanza::app
