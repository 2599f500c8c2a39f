#pragma once

#include "report/output/frxPDFStage.h"

#include <QIODevice>

// The end of a chain that writes into an open file or a caller's stream and
// counts the bytes written, which are the offsets the cross-reference table
// needs. The device is neither opened nor closed here.
class TfrxDeviceSink final : public TfrxPDFStage {
public:
  explicit TfrxDeviceSink(QIODevice& device) : FDevice(device) {}

  // Throws std::runtime_error when the device takes fewer bytes than given
  // (disk full, closed stream): a cut PDF must not pass for a finished one.
  void Write(QByteArrayView data) override;
  void Finish() override {}

  qint64 Written() const { return FWritten; }

private:
  QIODevice& FDevice;
  qint64 FWritten = 0;
};
