#include "report/output/PDFFontName.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

struct FontNameCase {
  const char16_t* family;
  FontStyles style;
  const char* pdfName;
};

class PdfFontName : public testing::TestWithParam<FontNameCase> {};

TEST_P(PdfFontName, EscapesTheFamilyAndAddsTheStyle) {
  const FontNameCase& c = GetParam();
  EXPECT_EQ(GetFontName(QString::fromUtf16(c.family), c.style), QByteArray(c.pdfName));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdfFontName,
    testing::Values(
        FontNameCase{u"Arial", {}, "Arial"},
        FontNameCase{u"Arial", FontStyle::Bold, "Arial,Bold"},
        FontNameCase{u"Arial", FontStyle::Italic, "Arial,Italic"},
        FontNameCase{u"Arial", FontStyle::Bold | FontStyle::Italic, "Arial,BoldItalic"},
        // Underline and strike-out are drawn by the page, not by the font.
        FontNameCase{u"Arial", FontStyle::Underline | FontStyle::StrikeOut, "Arial"},
        FontNameCase{u"Times New Roman", FontStyle::Bold, "Times#20New#20Roman,Bold"},
        FontNameCase{u"A (b) [c] {d} <e> 5% f/g", {}, "A#20#28b#29#20#5Bc#5D#20#7Bd#7D#20#3Ce#3E#205#25#20f#2Fg"},
        // A "#" of the family must not read as the start of an escape.
        FontNameCase{u"No#1", {}, "No#231"},
        FontNameCase{u"Açaí Sans", FontStyle::Italic, "A#E7a#ED#20Sans,Italic"},
        FontNameCase{u"MS UI Gothic", FontStyle::Bold | FontStyle::Italic, "MS#20UI#20Gothic"},
        FontNameCase{u"ＭＳ ゴシック", FontStyle::Bold,
                     "#EF#BC#AD#EF#BC#B3#20#E3#82#B4#E3#82#B7#E3#83#83#E3#82#AF"}));

TEST(SimulatedStyleFonts, AreTheFixedListOnly) {
  for (const char16_t* name : {u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック", u"ＭＳ 明朝", u"ＭＳ Ｐ明朝", u"MS UI Gothic"})
    EXPECT_TRUE(IsSimulatedStyleFont(QString::fromUtf16(name)));
  for (const char16_t* name : {u"Arial", u"MS Gothic", u"ms ui gothic", u""})
    EXPECT_FALSE(IsSimulatedStyleFont(QString::fromUtf16(name)));
}

}  // namespace
