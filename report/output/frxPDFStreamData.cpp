#include "report/output/frxPDFStreamData.h"

#include "report/output/frxBufferSink.h"
#include "report/output/frxDeflateStage.h"
#include "report/output/frxPDFEncryption.h"
#include "report/output/frxRC4Stage.h"

#include <optional>

QByteArray EncodePdfStreamData(QByteArrayView data, bool compress,
                               const TfrxPDFEncryption* encryption, int objectNumber) {
  TfrxBufferSink sink;
  TfrxPDFStage* head = &sink;
  std::optional<TfrxRC4Stage> encrypt;
  if (encryption) {
    encrypt.emplace(encryption->ObjectKey(objectNumber), *head);
    head = &*encrypt;
  }
  std::optional<TfrxDeflateStage> deflate;
  if (compress) {
    deflate.emplace(*head);
    head = &*deflate;
  }
  head->Write(data);
  head->Finish();
  return sink.Data();
}
