#pragma once

#include "app/DataModule.h"
#include "app/batch/BatchRows.h"
#include "platform/storage/ReceiptRecord.h"
#include "report/output/ExportPDFFile.h"
#include "report/print/Print.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace quitanza::app {

// Where the receipts of a batch go besides the register.
struct BatchOutputs {
  QString PdfFile;    // one PDF holding every receipt, a page each; empty for none
  QString PdfFolder;  // one PDF per receipt, 0000000042.pdf; empty for none
  report::PDFFileSettings PdfSettings;
  // Every receipt in one print run; its page selection picks pages of the batch.
  std::optional<report::PrintRequest> Print;
};

// What a batch left behind.
struct BatchOutcome {
  std::vector<platform::ReceiptRecord> Stored;  // in the order issued
  // Empty when the batch ran to its end; else what stopped it, which
  // receipts were stored and the number of the last one issued.
  QString Failure;
};

// Issues the rows of a batch file one after another, each as Emitir issues
// one receipt (ReceiptIssuer): consecutive numbers from one past CODIGO and
// the register's highest, each with its amount in words, its authentication
// code, its template and its register row inserted at the current row.
//
// Order: each receipt is prepared and its pages written before the next is
// prepared (into the one PDF as the export asks for its page, or into its own
// PDF beside that PDF's place; when printing, every page is kept and the PDF
// written and the print run made once all are prepared); then the register
// is saved once for the whole batch, then the PDFs are put in place, and
// last CODIGO is written with the last number. A receipt is stored only with
// its pages: a failure while a receipt is prepared or its own PDF written
// stores the receipts before it (the one PDF then ends with their pages); a
// failure writing the one PDF, printing or saving the register stores none.
// A failure after the save (a PDF not put in place, CODIGO not written)
// leaves the receipts stored, and the next number still follows the
// register's highest.
class BatchIssuer {
public:
  // Called after each receipt is prepared, with the receipts done and the total.
  using Progress = std::function<void(int done, int total)>;
  // Something the operator should know that does not stop the batch.
  using Caution = std::function<void(const QString& text)>;

  BatchIssuer(DataModule& dm, Progress progress, Caution caution)
    : m_dm(dm), m_progress(std::move(progress)), m_caution(std::move(caution))
  {
  }

  // The data module holds the data folder's lock and its register, loaded or
  // opened for issuing.
  // After a failure its register may hold rows its file does not: it is for
  // this batch only. Throws, having issued nothing, when the first number
  // cannot be found (config.ini unreadable, the last number reached).
  BatchOutcome Issue(const std::vector<BatchRow>& rows, const BatchOutputs& outputs);

private:
  DataModule& m_dm;
  Progress m_progress;
  Caution m_caution;
};

// The PDF a receipt gets in a folder of receipts: its number, 0000000042.pdf.
QString ReceiptPdfName(std::int32_t codigo);

}  // namespace quitanza::app
