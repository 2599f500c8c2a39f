#pragma once

#include "app/ReceiptIssuer.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace quitanza::app {

// A receipt of a batch file, as the main window's fields would hold it.
struct BatchRow {
  int Line = 0;  // where its record starts in the file
  ReceiptEntry Entry;
};

// A row the main window would not issue, and why.
struct RefusedRow {
  int Line = 0;
  QString Message;
};

struct BatchRows {
  std::vector<BatchRow> Rows;
  std::vector<RefusedRow> Refused;
};

// The receipts of a CSV file (ReadCsv) whose header names the columns
// cliente, documento, valor and referente, and optionally tipo (recebimento
// or pagamento, `defaultTipo` when empty), in any order and letter case;
// other columns are ignored, and so are rows with every cell empty. Each row
// is checked as the main window checks what the operator typed: the client in
// capitals and required, the amount as the amount field leaves it and not
// zero, the CPF/CNPJ, when given, valid and punctuated. Every row the window
// would refuse is listed with its line. Throws InvalidInputError for a
// header that lacks a column, or a file with no receipt at all.
BatchRows ReadBatchRows(QByteArrayView csv, std::int32_t defaultTipo);

// The receipt type a word names, "recebimento" 0 or "pagamento" 1, in any
// letter case; throws InvalidInputError for another word.
std::int32_t ReceiptTypeNamed(const QString& word);

}  // namespace quitanza::app
