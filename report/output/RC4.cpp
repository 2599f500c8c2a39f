#include "report/output/RC4.h"

#include <stdexcept>
#include <utility>

namespace quitanza::report {

// RC4 (Rivest Cipher 4): key-scheduling algorithm and pseudo-random generation algorithm.
RC4::RC4(QByteArrayView key) {
  if (key.isEmpty() || key.size() > 256)
    throw std::invalid_argument("RC4 key must have 1 to 256 bytes");
  for (int i = 0; i < 256; ++i)
    m_state[i] = std::uint8_t(i);
  std::uint8_t j = 0;
  for (int i = 0; i < 256; ++i) {
    j = std::uint8_t(j + m_state[i] + std::uint8_t(key[i % key.size()]));
    std::swap(m_state[i], m_state[j]);
  }
}

void RC4::Crypt(char* data, qsizetype length) {
  for (qsizetype n = 0; n < length; ++n) {
    m_i = std::uint8_t(m_i + 1);
    m_j = std::uint8_t(m_j + m_state[m_i]);
    std::swap(m_state[m_i], m_state[m_j]);
    data[n] = char(std::uint8_t(data[n]) ^ m_state[std::uint8_t(m_state[m_i] + m_state[m_j])]);
  }
}

QByteArray RC4::Crypt(QByteArrayView data) {
  QByteArray result = data.toByteArray();
  Crypt(result.data(), result.size());
  return result;
}

}  // namespace quitanza::report
