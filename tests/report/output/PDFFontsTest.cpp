#include "platform/graphics/FontFace.h"
#include "report/output/PDFFonts.h"
#include "report/output/PDFWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

Font MakeFont(const QString& name, FontStyles style = {}, int size = 10) {
  Font font;
  font.Name = name;
  font.Style = style;
  font.SetSize(size);
  return font;
}

Font Arial(FontStyles style = {}) { return MakeFont(QStringLiteral("Arial"), style); }

QString UnicodeOf(const PDFFont& font, char16_t glyph) {
  for (const PDFGlyph& used : font.UsedAlphabet()) {
    if (used.Glyph == glyph)
      return used.Unicode;
  }
  return QStringLiteral("(not used)");
}

// The text the character map gives back for a glyph string.
QString MappedBack(const PDFFont& font, const std::u16string& codes) {
  QString text;
  for (char16_t code : codes)
    text += UnicodeOf(font, code);
  return text;
}

TEST(PdfFontRegistry, GivesEachFamilyAndStyleItsOwnEntry) {
  PDFFonts fonts;
  EXPECT_EQ(fonts.FindOrAdd(Arial()), 0);
  EXPECT_EQ(fonts.FindOrAdd(Arial(FontStyle::Bold)), 1);
  EXPECT_EQ(fonts.FindOrAdd(MakeFont(QStringLiteral("Arial"), {}, 24)), 0);
  EXPECT_EQ(fonts.FindOrAdd(MakeFont(QStringLiteral("Times New Roman"))), 2);
  EXPECT_EQ(fonts.FindOrAdd(Arial(FontStyle::Bold)), 1);
  ASSERT_EQ(fonts.Count(), 3);
  EXPECT_EQ(fonts[0].Name(), "/F0");
  EXPECT_EQ(fonts[1].Name(), "/F1");
  EXPECT_EQ(fonts[0].GetFontName(), "Arial");
  EXPECT_EQ(fonts[1].GetFontName(), "Arial,Bold");
  EXPECT_TRUE(fonts[1].Face().IsBold());
  EXPECT_EQ(fonts[1].SimulatedStyles(FontStyle::Bold), 0);
  EXPECT_EQ(fonts[0].SourceFont().Size(), 750);
  EXPECT_EQ(fonts[0].SourceFont().Height, -1000);
}

TEST(PdfFontRegistry, OneSimulatedStyleEntryServesEveryStyleWithItsRegularFace) {
  PDFFonts fonts;
  const QString gothic = QStringLiteral("MS UI Gothic");
  EXPECT_EQ(fonts.FindOrAdd(MakeFont(gothic, FontStyle::Bold)), 0);
  EXPECT_EQ(fonts.FindOrAdd(MakeFont(gothic)), 0);
  EXPECT_EQ(fonts.FindOrAdd(MakeFont(gothic, FontStyle::Italic | FontStyle::Underline)), 0);
  EXPECT_EQ(fonts.Count(), 1);
  EXPECT_FALSE(fonts[0].Face().IsBold());
  EXPECT_EQ(fonts[0].SimulatedStyles(FontStyle::Bold | FontStyle::Underline), FontStyle::Bold);
  EXPECT_EQ(fonts[0].SimulatedStyles(FontStyle::Italic), FontStyle::Italic);
  EXPECT_EQ(fonts[0].GetFontName(), "MS#20UI#20Gothic");
}

TEST(PdfFontRegistry, ReservesEachFontOnceAndListsAllForEveryPage) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  PDFWriter writer(buffer);
  PDFFonts fonts;
  fonts.FindOrAdd(Arial());
  writer.NewObject();
  fonts.Reserve(writer);
  fonts.FindOrAdd(Arial(FontStyle::Bold));
  fonts.Reserve(writer);
  fonts.Reserve(writer);
  EXPECT_EQ(writer.ObjectCount(), 3);
  EXPECT_EQ(fonts.ResourceEntries(), "/F0 2 0 R /F1 3 0 R ");
  fonts.FindOrAdd(Arial(FontStyle::Italic));
  EXPECT_THROW(fonts.ResourceEntries(), std::logic_error);
}

class RemapString : public testing::Test {
protected:
  PDFFonts m_fonts;
  PDFFont& m_arial = m_fonts[m_fonts.FindOrAdd(Arial())];
};

TEST_F(RemapString, GivesOneCodePerCharacterAndRecordsEachGlyphOnce) {
  const std::u16string first = m_arial.RemapString(u"ANA", false);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0], first[2]);
  EXPECT_NE(first[0], first[1]);
  const std::u16string second = m_arial.RemapString(u"NA", false);
  EXPECT_EQ(second, first.substr(1));
  ASSERT_EQ(m_arial.UsedAlphabet().size(), 2u);
  EXPECT_EQ(m_arial.UsedAlphabet()[0].Glyph, first[0]);
  EXPECT_EQ(m_arial.UsedAlphabet()[0].Unicode, QStringLiteral("A"));
  EXPECT_EQ(m_arial.UsedAlphabet()[1].Unicode, QStringLiteral("N"));
}

TEST_F(RemapString, RecordsTheGlyphsOwnAdvanceNotAKernedOne) {
  // "AV" is a kerning pair: shaping pulls V towards A.
  m_arial.RemapString(u"AV", false);
  ASSERT_EQ(m_arial.UsedAlphabet().size(), 2u);
  EXPECT_EQ(m_arial.UsedAlphabet()[0].Width, 667);
  EXPECT_EQ(m_arial.UsedAlphabet()[1].Width, 667);
}

TEST_F(RemapString, EmptyTextGivesNothing) {
  EXPECT_TRUE(m_arial.RemapString(u"", false).empty());
  EXPECT_TRUE(m_arial.UsedAlphabet().empty());
}

TEST_F(RemapString, MapsAccentsBackWhetherComposedOrCombining) {
  const std::u16string composed = m_arial.RemapString(u"JOÃO", false);
  EXPECT_EQ(MappedBack(m_arial, composed), QStringLiteral(u"JOÃO"));
  PDFFonts other;
  PDFFont& font = other[other.FindOrAdd(Arial())];
  const std::u16string combining = font.RemapString(u"A\u0303O", false);
  ASSERT_EQ(combining.size(), 2u);
  EXPECT_EQ(combining[0], composed[2]);
  EXPECT_EQ(UnicodeOf(font, combining[0]), QStringLiteral(u"A\u0303"));
  EXPECT_EQ(UnicodeOf(font, combining[1]), QStringLiteral(u"O"));
}

TEST_F(RemapString, RightToLeftLineComesInDisplayOrderAndMapsToItsCharacters) {
  const std::u16string codes = m_arial.RemapString(u"שלום", true);
  ASSERT_EQ(codes.size(), 4u);
  EXPECT_EQ(MappedBack(m_arial, codes), QStringLiteral(u"םולש"));
  EXPECT_EQ(m_arial.RemapString(u"ש", true)[0], codes[3]);
}

TEST_F(RemapString, LatinTextInARightToLeftMemoKeepsItsCharacters) {
  const std::u16string codes = m_arial.RemapString(u"Recibo 12", true);
  EXPECT_EQ(MappedBack(m_arial, codes), QStringLiteral("Recibo 12"));
}

TEST_F(RemapString, MixedDirectionsMapEveryGlyphToItsOwnCharacter) {
  const std::u16string codes = m_arial.RemapString(u"ab שלום cd", false);
  EXPECT_EQ(MappedBack(m_arial, codes), QStringLiteral(u"ab םולש cd"));
}

}  // namespace
