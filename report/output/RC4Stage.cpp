#include "report/output/RC4Stage.h"

#include <algorithm>

namespace quitanza::report {

RC4Stage::RC4Stage(QByteArrayView key, PDFStage& next) : m_cipher(key), m_next(next) {}

void RC4Stage::Write(QByteArrayView data) {
  m_scratch.resize(data.size());
  std::copy(data.begin(), data.end(), m_scratch.begin());
  m_cipher.Crypt(m_scratch.data(), m_scratch.size());
  m_next.Write(m_scratch);
}

void RC4Stage::Finish() { m_next.Finish(); }

}  // namespace quitanza::report
