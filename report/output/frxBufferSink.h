#pragma once

#include "report/output/frxPDFStage.h"

#include <QByteArray>

#include <utility>

// The end of a chain that keeps the bytes in memory, for data whose length
// must be written before it (a stream's /Length).
class TfrxBufferSink final : public TfrxPDFStage {
public:
  void Write(QByteArrayView data) override { FData.append(data); }
  void Finish() override {}

  const QByteArray& Data() const { return FData; }
  QByteArray TakeData() { return std::exchange(FData, QByteArray()); }
  void Clear() { FData.clear(); }

private:
  QByteArray FData;
};
