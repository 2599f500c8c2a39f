#pragma once

#include "report/output/frxPDFStage.h"
#include "report/output/frxRC4.h"

#include <QByteArray>

// Encrypts everything that passes with one RC4 key stream.
class TfrxRC4Stage final : public TfrxPDFStage {
public:
  TfrxRC4Stage(QByteArrayView key, TfrxPDFStage& next);

  void Write(QByteArrayView data) override;
  void Finish() override;

private:
  TfrxRC4 FCipher;
  TfrxPDFStage& FNext;
  QByteArray FScratch;
};
