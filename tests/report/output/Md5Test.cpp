#include "report/output/Md5.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

// The test suite of RFC 1321.
TEST(MD5, MatchesRfc1321Suite) {
  struct Sample { const char* message; const char* digestHex; };
  const Sample samples[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"1234567890123456789012345678901234567890123456789012345678901234567890"
       "1234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& sample : samples) {
    const QByteArray digest = MD5Digest(QByteArrayView(sample.message));
    EXPECT_EQ(digest.size(), 16);
    EXPECT_EQ(digest.toHex(), QByteArray(sample.digestHex)) << sample.message;
  }
}

TEST(MD5, HashesPartsAsIfJoined) {
  EXPECT_EQ(MD5Digest({"mess", "", "age dig", "est"}).toHex(),
            QByteArray("f96b697d7cb7938d525a2f31aaf161d0"));
}

}  // namespace
