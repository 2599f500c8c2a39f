#pragma once

#include "report/output/PDFStage.h"

#include <QByteArray>

#include <utility>

namespace quitanza::report {

// The end of a chain that keeps the bytes in memory, for data whose length
// must be written before it (a stream's /Length).
class BufferSink final : public PDFStage {
public:
  void Write(QByteArrayView data) override { m_data.append(data); }
  void Finish() override {}

  const QByteArray& Data() const { return m_data; }
  QByteArray TakeData() { return std::exchange(m_data, QByteArray()); }
  void Clear() { m_data.clear(); }

private:
  QByteArray m_data;
};

}  // namespace quitanza::report
