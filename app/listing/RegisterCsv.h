#pragma once

#include "app/listing/RegisterRows.h"

#include <QTextStream>

namespace quitanza::platform { class ReceiptRegister; }

namespace quitanza::app {

// A row as a line of a CSV file that a Brazilian spreadsheet opens as it is:
// number, date of issue (dd/mm/aaaa, empty for receipts stored before dates
// were kept), type, client, CPF/CNPJ, amount with a decimal comma and no
// thousands points (as many decimals as it has, at least two), referente and
// authentication code, separated by ';'. A cell holding ';', a quote or a
// line break is quoted, its quotes doubled. Ends in CR LF.
QString RowAsCsv(const platform::ReceiptRecord& record);

// Rows as a CSV file: a UTF-8 byte order mark (so that spreadsheets do not
// take the file for Windows-1252) and the header first. The stream must
// write UTF-8.
class CsvRowWriter final : public RowWriter {
public:
  explicit CsvRowWriter(QTextStream& out);
  void Write(const platform::ReceiptRecord& record) override;

private:
  QTextStream& m_out;
};

// The whole register, in its order, into a CSV file of CsvRowWriter's
// form, replaced only once it is complete. Throws FileError.
void ExportRegisterCsv(const platform::ReceiptRegister& reg, const QString& path);

}  // namespace quitanza::app
