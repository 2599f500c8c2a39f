#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace quitanza::report {

// One RC4 key stream. Protected PDF files need it: the standard security
// handler of the format encrypts every string and stream with RC4, so the
// weak cipher is a compatibility requirement, not a choice.
class RC4 {
public:
  // Keys of 1 to 256 bytes.
  explicit RC4(QByteArrayView key);

  // Encrypts (or, the same thing, decrypts) in place, continuing the key stream.
  void Crypt(char* data, qsizetype length);
  QByteArray Crypt(QByteArrayView data);

private:
  std::array<std::uint8_t, 256> m_state{};
  std::uint8_t m_i = 0;
  std::uint8_t m_j = 0;
};

}  // namespace quitanza::report
