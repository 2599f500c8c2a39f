#include "platform/graphics/FontCatalog.h"
#include "platform/graphics/OutlineTextMetrics.h"
#include "platform/graphics/TextShaper.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;

namespace {

const FontFace& face(const char* family, FontStyles style = {})
{
  return FontCatalog::Instance().Face(QString::fromUtf8(family), style);
}

}  // namespace

TEST(FontCatalog, ReportFontNamesLandOnMetricCompatibleFaces)
{
  const struct { const char* requested; FontStyles style; const char* family; bool bold; bool italic; } cases[] = {
      {"Arial", {}, "Liberation Sans", false, false},
      {"Arial", FontStyle::Bold, "Liberation Sans", true, false},
      {"Arial", FontStyle::Bold | FontStyle::Italic | FontStyle::Underline, "Liberation Sans", true, true},
      {"Times New Roman", FontStyle::Italic, "Liberation Serif", false, true},
      {"Courier New", {}, "Liberation Mono", false, false},
      {"DejaVu Sans", {}, "DejaVu Sans", false, false},
  };
  for (const auto& c : cases) {
    const FontFace& f = face(c.requested, c.style);
    EXPECT_EQ(f.FamilyName(), QString::fromUtf8(c.family)) << c.requested;
    EXPECT_EQ(f.IsBold(), c.bold) << c.requested;
    EXPECT_EQ(f.IsItalic(), c.italic) << c.requested;
  }
}

TEST(FontCatalog, UnknownNameFallsBackToAnOutlineSansFace)
{
  const FontFace& f = face("No Such Font Family 123");
  EXPECT_TRUE(f.FamilyName() == QStringLiteral("DejaVu Sans") || f.FamilyName() == QStringLiteral("Liberation Sans"))
      << f.FamilyName().toStdString();
}

TEST(FontCatalog, EveryRequestForOneFontGetsTheSameFace)
{
  EXPECT_EQ(&face("Arial", FontStyle::Bold), &face("Arial", FontStyle::Bold | FontStyle::Underline));
  EXPECT_NE(&face("Arial"), &face("Arial", FontStyle::Bold));
}

TEST(FontCatalog, FileBytesAreTheWholeTrueTypeFile)
{
  const QByteArray bytes = face("Arial").FileBytes();
  ASSERT_GT(bytes.size(), 100000);
  EXPECT_EQ(bytes.left(4), QByteArray("\x00\x01\x00\x00", 4));
}

TEST(OutlineTextMetrics, ThousandthsOfAnEmForAPdfDescriptor)
{
  const OutlineTextMetrics regular = OutlineTextMetrics::Of(face("Arial"), 1000);
  EXPECT_EQ(regular.Ascent, 905);
  EXPECT_EQ(regular.Descent, -212);
  EXPECT_EQ(regular.InternalLeading, 117);
  EXPECT_EQ(regular.Weight, 400);
  EXPECT_EQ(regular.ItalicAngle, 0);
  EXPECT_LT(regular.BoxLeft, 0);
  EXPECT_GT(regular.BoxTop, regular.Ascent - 100);
  EXPECT_GT(regular.CapHeight, 600);
  EXPECT_GT(regular.MaximumWidth, regular.AverageWidth);
  EXPECT_GT(regular.AverageWidth, 300);

  EXPECT_EQ(OutlineTextMetrics::Of(face("Arial", FontStyle::Bold), 1000).Weight, 700);
  EXPECT_EQ(OutlineTextMetrics::Of(face("Arial", FontStyle::Italic), 1000).ItalicAngle, -120);
}

TEST(TextShaper, AdvancesInThousandthsOfAnEm)
{
  const FontFace& arial = face("Arial");
  TextShaper shaper;
  const std::vector<ShapedGlyph> run = shaper.Shape(arial, u"AV", false);
  ASSERT_EQ(run.size(), 2u);
  EXPECT_NE(run[0].Glyph, 0u);
  EXPECT_EQ(arial.ToThousandths(run[1].Advance), 667);
  EXPECT_LE(arial.ToThousandths(run[0].Advance), 667);  // kerned against the V, or not: never wider
}

TEST(TextShaper, RightToLeftLineComesInDisplayOrder)
{
  const FontFace& f = face("DejaVu Sans");
  TextShaper shaper;
  const unsigned alef = shaper.Shape(f, u"\u05D0", false).at(0).Glyph;
  const unsigned bet = shaper.Shape(f, u"\u05D1", false).at(0).Glyph;
  const std::vector<ShapedGlyph> word = shaper.Shape(f, u"\u05D0\u05D1", true);
  ASSERT_EQ(word.size(), 2u);
  EXPECT_EQ(word[0].Glyph, bet);
  EXPECT_EQ(word[1].Glyph, alef);
}

// The shaper keeps the lines it shaped; a line is the same line only in the
// same face and direction.
TEST(TextShaper, ALineShapedAgainGivesWhatItGaveInItsOwnFace)
{
  const FontFace& sans = face("Arial");
  const FontFace& mono = face("Courier New");
  const QString line = QStringLiteral(u"Recebi de JOSÉ a quantia de");
  const auto advances = [](const std::vector<ShapedGlyph>& glyphs) {
    std::vector<int> widths;
    for (const ShapedGlyph& glyph : glyphs) widths.push_back(glyph.Advance);
    return widths;
  };
  TextShaper fresh;
  const std::vector<int> sansFirst = advances(fresh.Shape(sans, line, false));
  const std::vector<int> monoFirst = advances(fresh.Shape(mono, line, false));
  ASSERT_NE(sansFirst, monoFirst);
  EXPECT_EQ(advances(fresh.Shape(sans, line, false)), sansFirst);
  EXPECT_EQ(advances(fresh.Shape(mono, line, false)), monoFirst);
  EXPECT_EQ(advances(fresh.Shape(sans, line.first(6), false)), std::vector<int>(sansFirst.begin(), sansFirst.begin() + 6));
}
