#pragma once

#include "app/listing/RegisterRows.h"

#include <QJsonObject>
#include <QTextStream>

namespace quitanza::app {

// A row as a JSON object, the field names as keys: texts as strings, numbers
// as numbers, the date and time of issue in ISO 8601 or null. An amount is
// exact below a hundred billion reais, fifteen digits being what a double
// holds.
QJsonObject RowAsJson(const platform::ReceiptRecord& record);

// Rows as one JSON array. Each row is formatted as QJsonDocument indents it
// inside an array, so the text is the same as the whole array's.
class JsonRowWriter final : public RowWriter {
public:
  explicit JsonRowWriter(QTextStream& out);
  void Write(const platform::ReceiptRecord& record) override;
  void Finish() override;

private:
  QTextStream& m_out;
  bool m_empty = true;
};

}  // namespace quitanza::app
