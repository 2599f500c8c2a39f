#include "report/output/frxRC4.h"

#include <stdexcept>
#include <utility>

// RC4 (Rivest Cipher 4): key-scheduling algorithm and pseudo-random generation algorithm.
TfrxRC4::TfrxRC4(QByteArrayView key) {
  if (key.isEmpty() || key.size() > 256)
    throw std::invalid_argument("RC4 key must have 1 to 256 bytes");
  for (int i = 0; i < 256; ++i)
    FState[i] = std::uint8_t(i);
  std::uint8_t j = 0;
  for (int i = 0; i < 256; ++i) {
    j = std::uint8_t(j + FState[i] + std::uint8_t(key[i % key.size()]));
    std::swap(FState[i], FState[j]);
  }
}

void TfrxRC4::Crypt(char* data, qsizetype length) {
  for (qsizetype n = 0; n < length; ++n) {
    FI = std::uint8_t(FI + 1);
    FJ = std::uint8_t(FJ + FState[FI]);
    std::swap(FState[FI], FState[FJ]);
    data[n] = char(std::uint8_t(data[n]) ^ FState[std::uint8_t(FState[FI] + FState[FJ])]);
  }
}

QByteArray TfrxRC4::Crypt(QByteArrayView data) {
  QByteArray result = data.toByteArray();
  Crypt(result.data(), result.size());
  return result;
}
