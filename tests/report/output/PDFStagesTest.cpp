#include "Inflate.h"
#include "report/output/BufferSink.h"
#include "report/output/DeflateStage.h"
#include "report/output/DeviceSink.h"
#include "report/output/PDFEncryption.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/RC4.h"
#include "report/output/RC4Stage.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <stdexcept>

using namespace quitanza::report;

namespace {

// Content-like data that compresses, with every byte value somewhere in it.
QByteArray SampleContent(int size) {
  QByteArray data;
  for (int i = 0; data.size() < size; ++i)
    data += "0.00 0.00 0.00 RG\r\n" + QByteArray::number(i * 7 % 1000) + ".25 w\r\n" + char(i % 256);
  return data.left(size);
}

void WriteInPieces(PDFStage& stage, const QByteArray& data, int pieceSize) {
  for (qsizetype done = 0; done < data.size(); done += pieceSize)
    stage.Write(QByteArrayView(data).sliced(done, qMin<qsizetype>(pieceSize, data.size() - done)));
  stage.Finish();
}

class DeflateStageTest : public testing::TestWithParam<int> {};

TEST_P(DeflateStageTest, WritesZlibLevelOneThatInflatesBack) {
  const QByteArray data = SampleContent(70001);
  BufferSink sink;
  DeflateStage deflate(sink);
  WriteInPieces(deflate, data, GetParam());
  const QByteArray& compressed = sink.Data();
  ASSERT_GE(compressed.size(), 2);
  EXPECT_EQ(compressed.left(2), QByteArray("\x78\x01"));  // zlib header of the fastest level
  EXPECT_LT(compressed.size(), data.size() / 2);
  EXPECT_EQ(Inflate(compressed, data.size()), data);
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, DeflateStageTest, testing::Values(1, 3000, 70001));

TEST(DeflateStageEmpty, WritesAValidEmptyStream) {
  BufferSink sink;
  DeflateStage deflate(sink);
  deflate.Finish();
  EXPECT_EQ(Inflate(sink.Data(), 16), QByteArray());
}

TEST(RC4Stage, ContinuesOneKeyStreamAcrossWrites) {
  const QByteArray data = SampleContent(1001);
  BufferSink sink;
  RC4Stage encrypt("key", sink);
  WriteInPieces(encrypt, data, 17);
  EXPECT_EQ(sink.Data(), RC4("key").Crypt(data));
}

TEST(DeflateStageReuse, StartsEachStreamClean) {
  const QByteArray first = SampleContent(5000);
  const QByteArray second = SampleContent(777);
  BufferSink fresh;
  DeflateStage freshDeflate(fresh);
  freshDeflate.Write(second);
  freshDeflate.Finish();

  BufferSink firstSink;
  BufferSink secondSink;
  DeflateStage deflate(firstSink);
  deflate.Write(first);
  deflate.Finish();
  deflate.SetNext(secondSink);
  deflate.Write(second);
  deflate.Finish();
  EXPECT_EQ(Inflate(firstSink.Data(), first.size()), first);
  EXPECT_EQ(secondSink.Data(), fresh.Data());

  BufferSink abandoned;
  BufferSink afterAbandoned;
  DeflateStage interrupted(abandoned);
  interrupted.Write(first);  // unfinished, as when a later stage has thrown
  interrupted.SetNext(afterAbandoned);
  interrupted.Write(second);
  interrupted.Finish();
  EXPECT_EQ(afterAbandoned.Data(), fresh.Data());
}

TEST(StreamEncoder, DeflatesThenEncryptsWithTheObjectKey) {
  const QByteArray data = SampleContent(3000);
  const PDFEncryption encryption("user", "", -4, "78a536d3843975d71cc58f3e0dfcf553");
  PDFStreamEncoder encoder;

  EXPECT_EQ(encoder.Encode(data, false, nullptr, 4), data);
  const QByteArray deflated = encoder.Encode(data, true, nullptr, 4);
  EXPECT_EQ(Inflate(deflated, data.size()), data);
  EXPECT_EQ(encoder.Encode(data, true, nullptr, 5), deflated);
  EXPECT_EQ(encoder.Encode(data, false, &encryption, 4), encryption.EncryptData(data, 4));
  EXPECT_EQ(encoder.Encode(data, true, &encryption, 4), encryption.EncryptData(deflated, 4));
  EXPECT_EQ(Inflate(encoder.Encode(QByteArray(), true, nullptr, 4), 16), QByteArray());
}

TEST(DeviceSink, CountsTheBytesWritten) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  DeviceSink sink(buffer);
  sink.Write("%PDF-1.5\r\n");
  sink.Write("");
  sink.Write(QByteArray(1000, 'x'));
  EXPECT_EQ(sink.Written(), 1010);
  EXPECT_EQ(buffer.data().size(), 1010);
}

TEST(DeviceSink, FailsLoudlyWhenTheDeviceRefusesBytes) {
  QBuffer closed;
  DeviceSink sink(closed);
  EXPECT_THROW(sink.Write("data"), std::runtime_error);

  // Opening a missing /dev/full for writing would create a plain file there.
  struct stat device {};
  if (::stat("/dev/full", &device) != 0 || !S_ISCHR(device.st_mode))
    GTEST_SKIP() << "/dev/full is no character device here";
  QFile full(QStringLiteral("/dev/full"));
  ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  DeviceSink fullSink(full);
  EXPECT_THROW(fullSink.Write(QByteArray(100, 'x')), std::runtime_error);
}

}  // namespace
