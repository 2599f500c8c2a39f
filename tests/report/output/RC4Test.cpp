#include "report/output/RC4.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quitanza::report;

namespace {

struct KeyStreamSample {
  const char* keyHex;
  int offset;
  const char* streamHex;
};

// Key streams published in RFC 6229 for a 40-bit and a 128-bit key.
const KeyStreamSample Rfc6229Samples[] = {
    {"0102030405", 0, "b2396305f03dc027ccc3524a0a1118a8"},
    {"0102030405", 16, "6982944f18fc82d589c403a47a0d0919"},
    {"0102030405", 240, "28cb1132c96ce286421dcaadb8b69eae"},
    {"0102030405", 256, "1cfcf62b03eddb641d77dfcf7f8d8c93"},
    {"0102030405", 4096, "ff25b58995996707e51fbdf08b34d875"},
    {"0102030405060708090a0b0c0d0e0f10", 0, "9ac7cc9a609d1ef7b2932899cde41b97"},
    {"0102030405060708090a0b0c0d0e0f10", 16, "5248c4959014126a6e8a84f11d1a9e1c"},
    {"0102030405060708090a0b0c0d0e0f10", 240, "065902e4b620f6cc36c8589f66432f2b"},
    {"0102030405060708090a0b0c0d0e0f10", 256, "d39d566bc6bce3010768151549f3873f"},
    {"0102030405060708090a0b0c0d0e0f10", 4096, "a36a4c301ae8ac13610ccbc12256cacc"},
};

QByteArray KeyStream(const QByteArray& key, int length, int pieceSize) {
  RC4 rc4(key);
  QByteArray stream(length, '\0');
  for (int done = 0; done < length; done += pieceSize)
    rc4.Crypt(stream.data() + done, qMin(pieceSize, length - done));
  return stream;
}

class RC4KeyStream : public testing::TestWithParam<int> {};

// Piece sizes that are not powers of two make the key stream cross every
// call boundary at odd places.
TEST_P(RC4KeyStream, MatchesRfc6229WhateverThePieceSize) {
  for (const auto& sample : Rfc6229Samples) {
    const QByteArray stream = KeyStream(QByteArray::fromHex(sample.keyHex), 4112, GetParam());
    EXPECT_EQ(stream.mid(sample.offset, 16).toHex(), QByteArray(sample.streamHex))
        << sample.keyHex << " at " << sample.offset;
  }
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, RC4KeyStream, testing::Values(1, 7, 13, 255, 1000, 4112));

TEST(RC4, EncryptsTheClassicSamples) {
  struct Sample { const char* key; const char* plain; const char* cipherHex; };
  const Sample samples[] = {
      {"Key", "Plaintext", "bbf316e8d940af0ad3"},
      {"Wiki", "pedia", "1021bf0420"},
      {"Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"},
  };
  for (const auto& sample : samples)
    EXPECT_EQ(RC4(sample.key).Crypt(sample.plain).toHex(), QByteArray(sample.cipherHex));
}

TEST(RC4, DecryptsWhatItEncrypted) {
  const QByteArray plain("stream data with\0zero bytes", 27);
  const QByteArray cipher = RC4("k").Crypt(plain);
  EXPECT_NE(cipher, plain);
  EXPECT_EQ(RC4("k").Crypt(cipher), plain);
}

TEST(RC4, RefusesEmptyAndOverlongKeys) {
  EXPECT_THROW(RC4{QByteArray()}, std::invalid_argument);
  EXPECT_THROW(RC4(QByteArray(257, 'k')), std::invalid_argument);
  EXPECT_NO_THROW(RC4(QByteArray(256, 'k')));
}

}  // namespace
