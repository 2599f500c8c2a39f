#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <QString>

#include <cstdint>

namespace quitanza::app {

// Writes rows of the register in one format, a row at a time, so that a
// listing never holds the whole register as one document: what comes before
// the rows is written when the writer is made, each row as it comes, and
// what closes the list at Finish().
class RowWriter {
public:
  virtual ~RowWriter() = default;
  virtual void Write(const platform::ReceiptRecord& record) = 0;
  virtual void Finish() {}
};

// "Recebimento" for 0, "Pagamento" for 1, the number itself for another.
QString ReceiptTypeName(std::int32_t tipo);

}  // namespace quitanza::app
