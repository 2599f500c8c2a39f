#include "report/format/Errors.h"
#include "report/format/XML.h"
#include "report/format/XMLEscape.h"
#include "report/format/XMLReader.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

using namespace quitanza::report;

namespace {

QString Escaped(const QString& value)
{
  std::string utf8;
  AppendXMLUtf8(utf8, value);
  return QString::fromStdString(utf8);
}

struct EscapeCase {
  QString value;
  QString written;
};

class Escaping : public testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, WritesTheEngineEscapesAndReadsThemBack)
{
  const EscapeCase& c = GetParam();
  EXPECT_EQ(Escaped(c.value), c.written);
}

const QString kLongWithAmpersand = QStringLiteral("Padaria Sao Joao & Filhos Comercio Ltda.");  // 40 characters

INSTANTIATE_TEST_SUITE_P(
    Cases, Escaping,
    testing::Values(EscapeCase{QStringLiteral("A & B"), QStringLiteral("A & B")},
                    EscapeCase{kLongWithAmpersand, QStringLiteral("Padaria Sao Joao &#38; Filhos Comercio Ltda.")},
                    EscapeCase{QStringLiteral("x&quot;y"), QStringLiteral("x&#34;y")},
                    EscapeCase{QStringLiteral("a\r\nb"), QStringLiteral("a&#13;&#10;b")},
                    EscapeCase{QStringLiteral("<\">"), QStringLiteral("&#60;&#34;&#62;")},
                    EscapeCase{QStringLiteral("Atenção"), QStringLiteral("Atenção")},
                    // A short value keeps '&' bare only where the reader leaves it as it is.
                    EscapeCase{QStringLiteral("R&#65;Z"), QStringLiteral("R&#38;#65;Z")},
                    EscapeCase{QStringLiteral("&amp; &lt;&gt;"), QStringLiteral("&#38;amp; &#38;lt;&#38;gt;")},
                    EscapeCase{QStringLiteral("&#x41; &# &#;"), QStringLiteral("&#x41; &# &#;")}));

TEST(Escaping, WhatIsWrittenReadsBackAsItWas)
{
  for (const QString& value : {QStringLiteral("R&#65;Z"), QStringLiteral("&amp;&lt;&gt;"), QStringLiteral("A & B;"),
                               QStringLiteral("&#38;"), QStringLiteral("&&#233;&"), kLongWithAmpersand,
                               QStringLiteral("x &#34; y in a value of more than thirty-two characters")}) {
    EXPECT_EQ(XMLToStr(Escaped(value)), value) << value.toStdString();
    std::string utf8;
    AppendXMLUtf8(utf8, value);
    EXPECT_EQ(XMLToStr(QByteArrayView(utf8)), value) << value.toStdString();
  }
}

// Attribute values are decoded from the file's UTF-8 and, elsewhere, from
// strings: both forms give the same text.
TEST(Unescaping, DecodesReferencesAndKeepsOtherAmpersands)
{
  const char32_t smiley[] = {0x1F600};
  const char32_t loneSurrogate[] = {0xD83D};
  const struct {
    QString escaped;
    QString expected;
  } cases[] = {
      {QStringLiteral("A & B"), QStringLiteral("A & B")},
      {QStringLiteral("Padaria Sao Joao &#38; Filhos Comercio Ltda."), kLongWithAmpersand},
      {QStringLiteral("x&#34;y"), QStringLiteral("x\"y")},
      {QStringLiteral("x&quot;y"), QStringLiteral("x\"y")},
      {QStringLiteral("&amp;&lt;&gt;"), QStringLiteral("&<>")},
      {QStringLiteral("a&#13;&#10;b"), QStringLiteral("a\r\nb")},
      {QStringLiteral("&#233;&#8364;"), QStringLiteral("é€")},
      {QStringLiteral("Atenção &amp; Não"), QStringLiteral("Atenção & Não")},
      {QStringLiteral("&#128512;"), QString::fromUcs4(smiley, 1)},
      {QStringLiteral("&#55357;"), QString::fromUcs4(loneSurrogate, 1)},
      // A decoded character is not scanned again.
      {QStringLiteral("&#38;amp;"), QStringLiteral("&amp;")},
      // Too short to be a reference, or not one at all.
      {QStringLiteral("&#;"), QStringLiteral("&#;")},
      {QStringLiteral("R&D"), QStringLiteral("R&D")},
      {QStringLiteral("&#99999999999;"), QStringLiteral("&#99999999999;")},
  };
  for (const auto& [escaped, expected] : cases) {
    EXPECT_EQ(XMLToStr(QStringView(escaped)), expected) << escaped.toStdString();
    const QByteArray utf8 = escaped.toUtf8();
    EXPECT_EQ(XMLToStr(QByteArrayView(utf8)), expected) << escaped.toStdString();
  }
}

// Bytes that are not UTF-8 decode as QString::fromUtf8 decodes them, on
// either side of a reference.
TEST(Unescaping, DecodesBadUtf8AsQtDoes)
{
  for (const QByteArray& bytes : {QByteArray("\xC3\xA9\xFF"), QByteArray("ab\xC3"), QByteArray("\xE2\x82")}) {
    EXPECT_EQ(XMLToStr(QByteArrayView(bytes)), QString::fromUtf8(bytes)) << bytes.toHex().toStdString();
    const QByteArray around = bytes + "&amp;" + bytes;
    EXPECT_EQ(XMLToStr(QByteArrayView(around)), QString::fromUtf8(bytes) + u'&' + QString::fromUtf8(bytes))
        << around.toHex().toStdString();
  }
}

// A value is text of the file: a leading U+FEFF is a character of it, kept
// so that it is written back, not a byte-order mark to drop.
TEST(Unescaping, KeepsALeadingZeroWidthNoBreakSpace)
{
  const QString expected = QChar(0xFEFF) + QStringLiteral("x&");
  EXPECT_EQ(XMLToStr(QByteArrayView("\xEF\xBB\xBFx&amp;")), expected);
}

std::unique_ptr<XMLDocument> Read(const QByteArray& bytes)
{
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  auto document = std::make_unique<XMLDocument>();
  document->LoadFromStream(buffer);
  return document;
}

QByteArray Write(const XMLDocument& document)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  document.SaveToStream(buffer);
  return bytes;
}

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>";

TEST(XMLReader, ReadsElementsAttributesAndSkipsCommentsAndText)
{
  const QByteArray text = kHeader + "\r\n<!-- a <comment> with --- dashes -->\r\n"
                                    "<Root A=\"1\">text between tags<Child B=\"x&#34;y\"/><Empty/>"
                                    "<Nested><Leaf/></Nested></Root>";
  auto document = Read(text);
  const XMLItem& root = document->Root();
  EXPECT_EQ(root.Name, QStringLiteral("Root"));
  EXPECT_EQ(root.Text, QByteArray("A=\"1\""));
  ASSERT_EQ(root.Count(), 3);
  EXPECT_EQ(root[0].Prop("b"), QStringLiteral("x\"y"));
  EXPECT_EQ(root[1].Name, QStringLiteral("Empty"));
  EXPECT_EQ(root[2][0].Name, QStringLiteral("Leaf"));
  EXPECT_FALSE(document->OldVersion());
}

TEST(XMLReader, OldFormatFilesAreEightBitText)
{
  auto document = Read("<?xml version=\"1.0\"?><R A=\"Jo\xE3o \x80\"/>");
  EXPECT_TRUE(document->OldVersion());
  EXPECT_EQ(document->Root().Prop("A"), QStringLiteral("João €"));
}

TEST(XMLReader, PartialLoadingMarkerIsRemovedAndRemembered)
{
  auto document = Read(kHeader + "<R><page A=\"1\" ld=\"0\"/></R>");
  EXPECT_EQ(document->Root()[0].Text, QByteArray("A=\"1\""));
  EXPECT_TRUE(document->Root()[0].Unloadable);
}

class BrokenDocument : public testing::TestWithParam<QByteArray> {};

TEST_P(BrokenDocument, FailsAsInvalidFileFormatAndStaysEmpty)
{
  QBuffer buffer;
  buffer.setData(GetParam());
  buffer.open(QIODevice::ReadOnly);
  XMLDocument document;
  try {
    document.LoadFromStream(buffer);
    FAIL() << "accepted";
  } catch (const InvalidXMLException& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Invalid file format"));
  }
  EXPECT_EQ(document.Root().Count(), 0);
  EXPECT_TRUE(document.Root().Name.isEmpty());
}

QByteArray DeeplyNested(int depth)
{
  return kHeader + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrokenDocument,
    testing::Values(QByteArray(), QByteArray("plain text"), QByteArray("<Root/>"),
                    kHeader + "<Root>", kHeader + "<Root><Child/>", kHeader + "<Root A=\"1\"",
                    kHeader + "<Root><Child></Other></Root>", kHeader + "<Root <Child/>",
                    kHeader + "<!-- never closed", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                    DeeplyNested(quitanza::report::XMLReader::kMaxDepth + 1)));

TEST(XMLReader, RandomBytesNeverCrash)
{
  QRandomGenerator random(20261210);
  for (int round = 0; round < 200; ++round) {
    QByteArray bytes = kHeader;
    for (int i = 0; i < 300; ++i)
      bytes.append("<>/= \"aZ&#;\r\n"[random.bounded(14)]);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    XMLDocument document;
    try {
      document.LoadFromStream(buffer);
    } catch (const InvalidXMLException&) {
      EXPECT_EQ(document.Root().Count(), 0);
    }
  }
}

TEST(XMLReader, AcceptsNestingUpToTheLimit)
{
  auto document = Read(DeeplyNested(XMLReader::kMaxDepth));
  EXPECT_EQ(document->Root().Count(), 1);
}

TEST(XMLReader, TagsLongerThanTheBufferAreRead)
{
  const QByteArray longValue(10000, 'x');
  auto document = Read(kHeader + "<R A=\"" + longValue + "\"/>");
  EXPECT_EQ(document->Root().Prop("A").size(), 10000);
}

TEST(XMLWriter, WritesTheTemplateLayout)
{
  XMLDocument document;
  document.Root().Name = QStringLiteral("R");
  document.Root().Text = "A=\"1\"";
  XMLItem& page = document.Root().Add(QStringLiteral("P"));
  page.Text = "Name=\"Page1\"";
  page.Add(QStringLiteral("M")).Text = "Name=\"Memo1\"";
  document.Root().Add(QStringLiteral("D")).Text = "Name=\"Data\"";
  EXPECT_EQ(Write(document), kHeader + "\r\n<R A=\"1\">\r\n  <P Name=\"Page1\">\r\n    <M Name=\"Memo1\"/>\r\n"
                                       "  </P>\r\n  <D Name=\"Data\"/>\r\n</R>\r\n");
  document.AutoIndent = false;
  EXPECT_EQ(Write(document),
            kHeader + "<R A=\"1\"><P Name=\"Page1\"><M Name=\"Memo1\"/></P><D Name=\"Data\"/></R>");
}

TEST(XMLItem, AttributesAreReadAndWrittenOnTheRawText)
{
  XMLItem item;
  item.Text = "Name=\"a\" Left=\"1\"";
  EXPECT_EQ(item.Prop("left"), QStringLiteral("1"));
  EXPECT_EQ(item.Prop("Top"), QString());
  item.SetProp("Left", QStringLiteral("2"));
  item.SetProp("Top", QStringLiteral("<3>"));
  EXPECT_EQ(item.Text, QByteArray("Name=\"a\" Left=\"2\" Top=\"&#60;3&#62;\""));
  EXPECT_TRUE(item.PropExists("TOP"));
  item.DeleteProp("Left");
  EXPECT_EQ(item.Text, QByteArray("Name=\"a\" Top=\"&#60;3&#62;\""));
  // "ame" is not an attribute even though the text contains it.
  EXPECT_FALSE(item.PropExists("ame"));
}

TEST(XMLDocument, SaveToFileReplacesTheFileAndReadsItBack)
{
  const QString fileName = QStringLiteral(QUITANZA_BINARY_DIR "/xml_document_test.xml");
  XMLDocument document;
  document.Root().Name = QStringLiteral("R");
  document.SaveToFile(fileName);
  document.Root().Name = QStringLiteral("S");
  document.SaveToFile(fileName);
  EXPECT_EQ(document.Root().Name, QStringLiteral("S"));
  EXPECT_FALSE(QFile::exists(fileName + QStringLiteral(".tmp")));
  QFile::remove(fileName);
}

}  // namespace
