#include "report/output/PDFWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <stdexcept>

using namespace quitanza::report;

namespace {

class PDFWriterTest : public testing::Test {
protected:
  PDFWriterTest() { m_buffer.open(QIODevice::WriteOnly); }
  QByteArray Written() const { return m_buffer.data(); }

  QBuffer m_buffer;
  quitanza::report::PDFWriter m_writer{m_buffer};
};

TEST_F(PDFWriterTest, NumbersObjectsFromOneAtTheirOffsets) {
  m_writer.WriteLine("%PDF-1.5");
  EXPECT_EQ(m_writer.Position(), 10);
  EXPECT_EQ(m_writer.ReserveObject(), 1);
  EXPECT_EQ(m_writer.NewObject(), 2);
  m_writer.WriteLine("2 0 obj");
  m_writer.UpdateObject(1);
  m_writer.WriteLine("1 0 obj");
  EXPECT_EQ(m_writer.ObjectCount(), 2);

  const qint64 xref = m_writer.WriteXref();
  EXPECT_EQ(xref, 28);
  EXPECT_EQ(Written().sliced(xref),
            QByteArray("xref\r\n"
                       "0 3\r\n"
                       "0000000000 65535 f\r\n"
                       "0000000019 00000 n\r\n"
                       "0000000010 00000 n\r\n"));
}

TEST_F(PDFWriterTest, EveryTableEntryIsTwentyBytes) {
  m_writer.Write(QByteArray(1234567, ' '));
  m_writer.NewObject();
  const qint64 xref = m_writer.WriteXref();
  const QByteArray table = Written().sliced(xref);
  EXPECT_TRUE(table.endsWith("\r\n0000000000 65535 f\r\n0001234567 00000 n\r\n"));
  EXPECT_EQ(QByteArray("0001234567 00000 n\r\n").size(), 20);
}

TEST_F(PDFWriterTest, RefusesATableWithAnUnwrittenObject) {
  m_writer.NewObject();
  m_writer.ReserveObject();
  EXPECT_THROW(m_writer.WriteXref(), std::logic_error);
  EXPECT_THROW(m_writer.UpdateObject(3), std::out_of_range);
  EXPECT_THROW(m_writer.UpdateObject(0), std::out_of_range);
}

TEST_F(PDFWriterTest, WritesTheTrailer) {
  m_writer.WriteTrailer(7, 6, "0123456789abcdef0123456789abcdef", "/Encrypt <<\r\n>>\r\n", 1234);
  EXPECT_EQ(Written(), QByteArray("trailer\r\n"
                                  "<<\r\n"
                                  "/Size 1\r\n"
                                  "/Root 7 0 R\r\n"
                                  "/Info 6 0 R\r\n"
                                  "/ID [<0123456789abcdef0123456789abcdef><0123456789abcdef0123456789abcdef>]\r\n"
                                  "/Encrypt <<\r\n>>\r\n"
                                  ">>\r\n"
                                  "startxref\r\n"
                                  "1234\r\n"
                                  "%%EOF\r\n"));
}

TEST(PDFWriterStream, CountsOffsetsFromItsOwnFirstByte) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  buffer.write("data of the caller");
  PDFWriter writer(buffer);
  writer.WriteLine("%PDF-1.5");
  EXPECT_EQ(writer.NewObject(), 1);
  EXPECT_EQ(writer.WriteXref(), 10);
}

}  // namespace
