#pragma once

#include "report/output/PDFStage.h"
#include "report/output/RC4.h"

#include <QByteArray>

namespace quitanza::report {

// Encrypts everything that passes with one RC4 key stream.
class RC4Stage final : public PDFStage {
public:
  RC4Stage(QByteArrayView key, PDFStage& next);

  void Write(QByteArrayView data) override;
  void Finish() override;

private:
  report::RC4 m_cipher;
  PDFStage& m_next;
  QByteArray m_scratch;
};

}  // namespace quitanza::report
