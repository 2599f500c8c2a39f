#include "report/output/PDFStreamEncoder.h"

#include "report/output/PDFEncryption.h"
#include "report/output/RC4Stage.h"

#include <optional>

namespace quitanza::report {

QByteArray PDFStreamEncoder::Encode(QByteArrayView data, bool compress,
                                    const report::PDFEncryption* encryption, int objectNumber) {
  m_sink.Clear();
  PDFStage* head = &m_sink;
  std::optional<report::RC4Stage> encrypt;
  if (encryption) {
    encrypt.emplace(encryption->ObjectKey(objectNumber), *head);
    head = &*encrypt;
  }
  if (compress) {
    m_deflate.SetNext(*head);
    head = &m_deflate;
  }
  head->Write(data);
  head->Finish();
  return m_sink.TakeData();
}

}  // namespace quitanza::report
