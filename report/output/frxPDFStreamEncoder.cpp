#include "report/output/frxPDFStreamEncoder.h"

#include "report/output/frxPDFEncryption.h"
#include "report/output/frxRC4Stage.h"

#include <optional>

QByteArray TfrxPDFStreamEncoder::Encode(QByteArrayView data, bool compress,
                                        const TfrxPDFEncryption* encryption, int objectNumber) {
  FSink.Clear();
  TfrxPDFStage* head = &FSink;
  std::optional<TfrxRC4Stage> encrypt;
  if (encryption) {
    encrypt.emplace(encryption->ObjectKey(objectNumber), *head);
    head = &*encrypt;
  }
  if (compress) {
    FDeflate.SetNext(*head);
    head = &FDeflate;
  }
  head->Write(data);
  head->Finish();
  return FSink.TakeData();
}
