#include "report/output/frxmd5.h"

#include <QCryptographicHash>

// MD5 message-digest algorithm (RFC 1321).
QByteArray MD5Digest(std::initializer_list<QByteArrayView> parts) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (QByteArrayView part : parts)
    hash.addData(part);
  return hash.result();
}
