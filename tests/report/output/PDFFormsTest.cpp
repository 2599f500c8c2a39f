#include "report/output/PDFColors.h"
#include "report/output/PDFFileId.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFStrings.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

TEST(PDFNumbers, WritesTwoDecimalsRoundedHalfAwayFromZero) {
  struct Sample { double value; const char* text; };
  const Sample samples[] = {
      {1, "1.00"},          {0.375, "0.38"},       {-2, "-2.00"},       {-0.375, "-0.38"},
      {0.125, "0.13"},      {-0.125, "-0.13"},     {0.124999, "0.12"},  {1.005, "1.01"},
      {2.675, "2.68"},      {0.995, "1.00"},       {9.999, "10.00"},    {-9.995, "-10.00"},
      {595.5, "595.50"},    {842.25, "842.25"},    {0.75 * 1123, "842.25"},
      {0.1 + 0.2, "0.30"},  {0, "0.00"},           {-0.0, "0.00"},      {-0.004, "0.00"},
      {-0.005, "-0.01"},    {1e-300, "0.00"},      {123456789.125, "123456789.13"},
      {1e20, "100000000000000000000.00"}, {1234567890123.125, "1234567890123.13"},
      {12345678901234.5, "12345678901234.50"}, {0.285, "0.29"}, {1.015, "1.02"},
  };
  for (const auto& sample : samples)
    EXPECT_EQ(PdfFloat(sample.value), QByteArray(sample.text)) << sample.value;
}

// Thousandths k / 1000 read back as the decimal k / 1000, so the expected
// text follows from integer arithmetic.
TEST(PDFNumbers, RoundsEveryThousandthLikeDecimalArithmetic) {
  for (qint64 k = -3000000; k <= 3000000; k += 11) {
    const qint64 hundredths = (std::abs(k) + 5) / 10;
    const QByteArray expected = (k < 0 && hundredths != 0 ? "-" : "") + QByteArray::number(hundredths / 100) +
                                '.' + QByteArray::number(hundredths % 100).rightJustified(2, '0');
    ASSERT_EQ(PdfFloat(double(k) / 1000), expected) << k;
  }
}

TEST(PDFNumbers, IgnoresTheMachineLocale) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  const QByteArray text = PdfFloat(1234.5);
  QLocale::setDefault(previous);
  EXPECT_EQ(text, QByteArray("1234.50"));
}

TEST(PDFNumbers, RefusesValuesWithoutPdfForm) {
  EXPECT_THROW(PdfFloat(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
  EXPECT_THROW(PdfFloat(std::numeric_limits<double>::infinity()), std::invalid_argument);
  EXPECT_THROW(PdfFloat(-std::numeric_limits<double>::infinity()), std::invalid_argument);
}

TEST(PDFNumbers, WritesIntegersPlain) {
  EXPECT_EQ(PdfInt(0), QByteArray("0"));
  EXPECT_EQ(PdfInt(-64), QByteArray("-64"));
  EXPECT_EQ(PdfInt(1234567), QByteArray("1234567"));
}

TEST(PDFColors, WritesObjectColours) {
  EXPECT_EQ(PdfColorText(clBlack), QByteArray("0 0 0"));
  EXPECT_EQ(PdfColorText(clWhite), QByteArray("1 1 1"));
  EXPECT_EQ(PdfColorText(RGBColor(255, 128, 0)), QByteArray("1.00 0.50 0.00"));
  EXPECT_EQ(PdfColorText(clSilver), QByteArray("0.75 0.75 0.75"));
  EXPECT_EQ(PdfColorText(clBlue), QByteArray("0.00 0.00 1.00"));
  EXPECT_EQ(PdfColorText(clNone), QByteArray("1.00 1.00 1.00"));
}

TEST(PDFColors, WritesThePageBackgroundForm) {
  EXPECT_EQ(PdfPageColorText(RGBColor(128, 10, 0)), QByteArray("0.50 0.03 0"));
  EXPECT_EQ(PdfPageColorText(RGBColor(255, 1, 254)), QByteArray("1 0.00 0.99"));
  EXPECT_EQ(PdfPageColorText(clWhite), QByteArray("1 1 1"));
}

TEST(PDFColors, RefusesUnresolvedSystemColours) {
  const Color buttonFace = Color(0xFF00000F);
  EXPECT_THROW(PdfColorText(buttonFace), std::invalid_argument);
  EXPECT_THROW(PdfPageColorText(buttonFace), std::invalid_argument);
}

TEST(PDFStrings, EscapesLiteralStrings) {
  EXPECT_EQ(PdfLiteralString(""), QByteArray("()"));
  EXPECT_EQ(PdfLiteralString("a(b)c\\d\ne\rf"), QByteArray("(a\\(b\\)c\\\\d\\ne\\rf)"));
  const QByteArray binary("\x00\xFF\t\x7F", 4);
  EXPECT_EQ(PdfLiteralString(binary), '(' + binary + ')');
}

TEST(PDFStrings, WritesTextAsUtf16WithByteOrderMark) {
  EXPECT_EQ(PdfTextHexString(QString()), QByteArray("<FEFF>"));
  EXPECT_EQ(PdfTextHexString(QStringLiteral("Pellwick")),
            QByteArray("<FEFF00500065006C006C007700690063006B>"));
  EXPECT_EQ(PdfTextHexString(QStringLiteral(u"Ação €")), QByteArray("<FEFF004100E700E3006F002020AC>"));
  EXPECT_EQ(PdfTextHexString(QStringLiteral(u"😀")), QByteArray("<FEFFD83DDE00>"));
  EXPECT_EQ(PdfTextBytes(QStringLiteral(u"Aç")), QByteArray("\xFE\xFF\x00\x41\x00\xE7", 6));
}

TEST(PDFStrings, WritesLinkTargets) {
  struct Sample { const char16_t* target; const char* text; };
  const Sample samples[] = {
      {u"https://example.com/a(b)", "(https://example.com/a(b))"},
      {u"", "()"},
      {u"a)b(", "(a\\)b\\()"},
      {u"a\\b", "(a\\\\b)"},
      {u"https://example.com/ação", "(https://example.com/a%C3%A7%C3%A3o)"},
      {u"a\tb", "(a%09b)"},
  };
  for (const auto& sample : samples)
    EXPECT_EQ(PdfUriString(QString::fromUtf16(sample.target)), QByteArray(sample.text)) << sample.text;
  EXPECT_EQ(PdfUriBytes(QStringLiteral(u"a(ç")), QByteArray("a(%C3%A7"));
}

TEST(PDFStrings, EscapesNames) {
  EXPECT_EQ(PdfNameEscape("Times New Roman,Bold"), QByteArray("Times#20New#20Roman,Bold"));
  EXPECT_EQ(PdfNameEscape("Arial,BoldItalic"), QByteArray("Arial,BoldItalic"));
  EXPECT_EQ(PdfNameEscape("a()<>[]{}/%#b"), QByteArray("a#28#29#3C#3E#5B#5D#7B#7D#2F#25#23b"));
  EXPECT_EQ(PdfNameEscape("Ma\xE7\x7F\x01"), QByteArray("Ma#E7#7F#01"));
}

TEST(PDFStrings, WritesDates) {
  EXPECT_EQ(PdfDateText(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 1))), QByteArray("D:20240307090501"));
  EXPECT_EQ(PdfDateText(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))), QByteArray("D:20241231235959"));
}

TEST(PDFFileId, IsTheLowercaseDigestOfTheGuidText) {
  EXPECT_EQ(PdfFileIdFromGuidText("{6F9619FF-8B86-D011-B42D-00C04FC964FF}"),
            QByteArray("aa987f999645b5a089ad066dbd5a1553"));
  const QByteArray id = NewPdfFileId();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(QString::fromLatin1(id)).hasMatch())
      << id.constData();
  EXPECT_NE(NewPdfFileId(), id);
}

}  // namespace
