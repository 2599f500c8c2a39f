#pragma once

#include "app/listing/RegisterRows.h"

#include <QTextStream>

namespace quitanza::app {

// A row as a line of text, tab-separated: number, type, amount, document,
// client, code and the day and time of issue (empty for receipts stored
// before dates were kept).
QString RowAsText(const platform::ReceiptRecord& record);

// Rows as lines of text, under a header line that names the columns.
class TextRowWriter final : public RowWriter {
public:
  explicit TextRowWriter(QTextStream& out);
  void Write(const platform::ReceiptRecord& record) override;

private:
  QTextStream& m_out;
};

}  // namespace quitanza::app
