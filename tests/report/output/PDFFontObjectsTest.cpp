#include "Inflate.h"
#include "platform/graphics/FontCatalog.h"
#include "platform/graphics/FontFace.h"
#include "report/output/PDFEncryption.h"
#include "report/output/PDFFontObjects.h"
#include "report/output/PDFFontSubset.h"
#include "report/output/PDFFonts.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QRegularExpression>

#include <hb.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

// The value of "/Key n" in the text after the given position.
qsizetype NumberAfter(const QByteArray& file, const QByteArray& key, qsizetype from = 0) {
  const qsizetype start = file.indexOf(key + ' ', from) + key.size() + 1;
  return file.mid(start, file.indexOf(' ', start) - start).toLongLong();
}

// The /Length bytes after "stream\r\n" of the object that starts with the given text.
QByteArray StreamData(const QByteArray& file, const QByteArray& objectStart) {
  const qsizetype object = file.indexOf(objectStart);
  const qsizetype start = file.indexOf("stream\r\n", object) + 8;
  return file.mid(start, NumberAfter(file, "/Length", object));
}

const QString LiberationSans = QStringLiteral("Liberation Sans");

class PdfFontObjects : public testing::Test {
protected:
  PdfFontObjects() { m_buffer.open(QIODevice::WriteOnly); }

  // Registers the family with the text, makes one page refer to it (object
  // 2, after a content object 1) and writes its objects. The family is the
  // face itself unless asked otherwise.
  QByteArray Write(const char16_t* text, bool compressed, bool embedded,
                   const quitanza::report::PDFEncryption* encryption = nullptr, const QString& family = LiberationSans) {
    quitanza::platform::Font requested;
    requested.Name = family;
    PDFFont& font = m_fonts[m_fonts.FindOrAdd(requested)];
    font.RemapString(text, false);
    m_writer.NewObject();
    m_fonts.Reserve(m_writer);
    m_fonts.Write({m_writer, m_encoder, compressed, embedded, encryption});
    return m_buffer.data();
  }

  QBuffer m_buffer;
  quitanza::report::PDFWriter m_writer{m_buffer};
  PDFStreamEncoder m_encoder;
  PDFFonts m_fonts;
};

TEST_F(PdfFontObjects, WritesTheFiveObjectsOfAFontThatIsNotEmbedded) {
  const QByteArray file = Write(u"AVA", false, false);
  const QByteArray expected =
      "3 0 obj\r\n<<\r\n/Type /FontDescriptor\r\n/FontName /Liberation#20Sans\r\n/FontFamily /Liberation#20Sans\r\n/Flags 32\r\n"
      "/FontBBox [-544 -303 1302 980 ]\r\n/ItalicAngle 0\r\n/Ascent 905\r\n/Descent -212\r\n/Leading 117\r\n"
      "/CapHeight 688\r\n/StemV 88\r\n/AvgWidth 580\r\n/MaxWidth 1338\r\n/MissingWidth 580\r\n>>\r\nendobj\r\n"
      "4 0 obj\r\n<< /Length LEN /Length1 LEN >>\r\nstream\r\nCMAPendstream\r\nendobj\r\n"
      "5 0 obj\r\n<<\r\n/Registry (Adobe) /Ordering (Identity) /Supplement 0\r\n>>\r\nendobj\r\n"
      "6 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /CIDFontType2\r\n/BaseFont /Liberation#20Sans\r\n/CIDSystemInfo 5 0 R\r\n"
      "/FontDescriptor 3 0 R\r\n/W [ 36 [667] 57 [667] ]\r\n>>\r\nendobj\r\n"
      "2 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /Type0\r\n/BaseFont /Liberation#20Sans\r\n/Encoding /Identity-H\r\n"
      "/DescendantFonts [6 0 R]\r\n/ToUnicode 4 0 R\r\n>>\r\nendobj\r\n";
  // The character map is checked on its own below; here only its place.
  const QByteArray map = PdfToUnicodeCMap("Liberation#20Sans", m_fonts[0].UsedAlphabet());
  QByteArray withStream = expected;
  withStream.replace("LEN", QByteArray::number(map.size())).replace("CMAP", map);
  EXPECT_EQ(file, withStream) << file.toStdString();
}

TEST_F(PdfFontObjects, DeflatesTheCharacterMap) {
  const QByteArray file = Write(u"AVA", true, false);
  const QByteArray map = PdfToUnicodeCMap("Liberation#20Sans", m_fonts[0].UsedAlphabet());
  const qsizetype object = file.indexOf("4 0 obj\r\n<< /Length ");
  ASSERT_GE(object, 0) << file.toStdString();
  EXPECT_EQ(file.indexOf("/FontFile2"), -1);
  const QByteArray data = StreamData(file, "4 0 obj");
  EXPECT_TRUE(file.mid(object).startsWith("4 0 obj\r\n<< /Length " + QByteArray::number(data.size()) +
                                          "  /Filter /FlateDecode /Length1 " + QByteArray::number(map.size()) +
                                          " >>\r\nstream\r\n"));
  EXPECT_EQ(Inflate(data, map.size()), map);
}

TEST_F(PdfFontObjects, EmbedsTheWholeFontFile) {
  const QByteArray file = Write(u"A", true, true);
  const QByteArray fontFile = m_fonts[0].Face().FileBytes();
  EXPECT_EQ(NumberAfter(file, "/Length1", file.indexOf("3 0 obj")), fontFile.size());
  const QByteArray data = StreamData(file, "3 0 obj");
  EXPECT_EQ(Inflate(data, fontFile.size()), fontFile);
  EXPECT_TRUE(file.contains(">>\r\nstream\r\n" + data + "\r\nendstream\r\nendobj\r\n4 0 obj\r\n"));
  EXPECT_TRUE(file.contains("/MissingWidth 580\r\n/FontFile2 3 0 R\r\n>>\r\nendobj\r\n5 0 obj"));
  EXPECT_TRUE(file.contains("/DescendantFonts [7 0 R]\r\n/ToUnicode 5 0 R\r\n"));
}

TEST_F(PdfFontObjects, EncryptsStreamsAndStringsWithTheirObjectKeys) {
  const PDFEncryption encryption("user", "", -4, "0123456789abcdef0123456789abcdef");
  const QByteArray file = Write(u"A", false, false, &encryption);
  const QByteArray map = PdfToUnicodeCMap("Liberation#20Sans", m_fonts[0].UsedAlphabet());
  EXPECT_EQ(encryption.EncryptData(StreamData(file, "4 0 obj"), 4), map);
  EXPECT_FALSE(file.contains("(Adobe)"));
  EXPECT_TRUE(file.contains("5 0 obj\r\n<<\r\n/Registry " + encryption.EncryptString("Adobe", 5) + " /Ordering " +
                            encryption.EncryptString("Identity", 5) + " /Supplement 0\r\n>>"));
}

// Arial is not installed here: fontconfig hands out its metric-compatible
// replacement, whose glyph indices mean other glyphs in the real Arial of a
// reader's machine. The replacement goes along as a subset that keeps every
// glyph at its index, whatever the embedding setting.
TEST_F(PdfFontObjects, ASubstituteFaceIsEmbeddedAsASubsetKeepingItsGlyphIndices) {
  const QByteArray file = Write(u"AÇÃO", true, false, nullptr, QStringLiteral("Arial"));
  const QRegularExpressionMatch name =
      QRegularExpression(QStringLiteral("/FontName /([A-Z]{6})\\+LiberationSans\r\n")).match(QString::fromLatin1(file));
  ASSERT_TRUE(name.hasMatch()) << file.left(400).toStdString();
  EXPECT_EQ(file.count("/BaseFont /" + name.captured(1).toLatin1() + "+LiberationSans\r\n"), 2);
  EXPECT_TRUE(file.contains("/FontFile2 3 0 R\r\n"));

  const qsizetype length1 = NumberAfter(file, "/Length1", file.indexOf("3 0 obj"));
  const QByteArray program = Inflate(StreamData(file, "3 0 obj"), length1);
  ASSERT_EQ(program.size(), length1);
  EXPECT_LT(program.size(), m_fonts[0].Face().FileBytes().size() / 4);
  // The subset's own character map leads to the very glyphs the content shows.
  hb_blob_t* blob = hb_blob_create(program.constData(), unsigned(program.size()), HB_MEMORY_MODE_READONLY, nullptr, nullptr);
  hb_face_t* face = hb_face_create(blob, 0);
  hb_font_t* subset = hb_font_create(face);
  for (const PDFGlyph& used : m_fonts[0].UsedAlphabet()) {
    hb_codepoint_t glyph = 0;
    EXPECT_TRUE(hb_font_get_nominal_glyph(subset, used.Unicode.at(0).unicode(), &glyph)) << used.Unicode.toStdString();
    EXPECT_EQ(glyph, used.Glyph) << used.Unicode.toStdString();
    EXPECT_GT(hb_font_get_glyph_h_advance(subset, glyph), 0);
  }
  hb_font_destroy(subset);
  hb_face_destroy(face);
  hb_blob_destroy(blob);
}

TEST_F(PdfFontObjects, TheSubsetTagFollowsTheGlyphsShown) {
  const std::vector<PDFGlyph> a = {{36, 667, QStringLiteral("A")}}, b = {{37, 667, QStringLiteral("B")}};
  const FontFace& face = FontCatalog::Instance().Face(LiberationSans, {});
  EXPECT_EQ(SubsetFontName(face, a), SubsetFontName(face, a));
  EXPECT_NE(SubsetFontName(face, a), SubsetFontName(face, b));
  EXPECT_TRUE(SubsetFontName(face, a).endsWith("+LiberationSans"));
}

TEST(PdfToUnicode, MapsEachGlyphToItsTextInBlocksOfAHundred) {
  EXPECT_EQ(PdfToUnicodeCMap("Arial,Bold", {{36, 667, QStringLiteral("A")}, {3, 278, QStringLiteral(u"fi")}}),
            QByteArray("/CIDInit /ProcSet findresource begin\r\n12 dict begin\r\nbegincmap\r\n/CIDSystemInfo\r\n"
                       "<< /Registry (Adobe)\r\n/Ordering (UCS)\r\n/Supplement 0\r\n>> def\r\n"
                       "/CMapName /Arial+Bold def\r\n/CMapType 2 def\r\n1 begincodespacerange\r\n<0000> <FFFF>\r\n"
                       "endcodespacerange\r\n2 beginbfchar\r\n<0024> <0041>\r\n<0003> <00660069>\r\nendbfchar\r\n"
                       "endcmap\r\nCMapName currentdict /CMap defineresource pop\r\nend\r\nend\r\n"));
  std::vector<PDFGlyph> many;
  for (int i = 0; i < 250; ++i)
    many.push_back({std::uint16_t(i + 1), 500, QString(QChar(u'a' + i % 26))});
  const QByteArray cmap = PdfToUnicodeCMap("F", many);
  EXPECT_EQ(cmap.count("beginbfchar"), 3);
  EXPECT_TRUE(cmap.contains("100 beginbfchar\r\n<0001> <0061>"));
  EXPECT_TRUE(cmap.contains("<00C8> <0072>\r\nendbfchar\r\n50 beginbfchar\r\n<00C9> <0073>"));
  EXPECT_TRUE(cmap.contains("<00FA> <0070>\r\nendbfchar\r\nendcmap"));
}

}  // namespace
