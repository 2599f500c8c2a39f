#include "report/output/frxRC4Stage.h"

#include <algorithm>

TfrxRC4Stage::TfrxRC4Stage(QByteArrayView key, TfrxPDFStage& next) : FCipher(key), FNext(next) {}

void TfrxRC4Stage::Write(QByteArrayView data) {
  FScratch.resize(data.size());
  std::copy(data.begin(), data.end(), FScratch.begin());
  FCipher.Crypt(FScratch.data(), FScratch.size());
  FNext.Write(FScratch);
}

void TfrxRC4Stage::Finish() { FNext.Finish(); }
