#pragma once

#include "report/output/PDFStage.h"

#include <QIODevice>

namespace quitanza::report {

// The end of a chain that writes into an open file or a caller's stream and
// counts the bytes written, which are the offsets the cross-reference table
// needs. The device is neither opened nor closed here.
class DeviceSink final : public PDFStage {
public:
  explicit DeviceSink(QIODevice& device) : m_device(device) {}

  // Throws std::runtime_error when the device takes fewer bytes than given
  // (disk full, closed stream): a cut PDF must not pass for a finished one.
  void Write(QByteArrayView data) override;
  void Finish() override {}

  qint64 Written() const { return m_written; }

private:
  QIODevice& m_device;
  qint64 m_written = 0;
};

}  // namespace quitanza::report
