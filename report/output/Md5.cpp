#include "report/output/Md5.h"

#include <QCryptographicHash>

namespace quitanza::report {

// MD5 message-digest algorithm (RFC 1321).
QByteArray MD5Digest(std::initializer_list<QByteArrayView> parts) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (QByteArrayView part : parts)
    hash.addData(part);
  return hash.result();
}

}  // namespace quitanza::report
