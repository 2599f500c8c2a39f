#include "Inflate.h"

#include <gtest/gtest.h>

#include <zlib.h>

QByteArray Inflate(const QByteArray& compressed, qsizetype size) {
  QByteArray plain(size, Qt::Uninitialized);
  uLongf length = uLongf(plain.size());
  EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(plain.data()), &length,
                       reinterpret_cast<const Bytef*>(compressed.constData()), uLong(compressed.size())),
            Z_OK);
  plain.resize(qsizetype(length));
  return plain;
}
