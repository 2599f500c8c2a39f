#include "platform/graphics/MeasuringSurface.h"

#include "platform/graphics/FontFace.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;

namespace {

class MeasuringSurfaceTest : public testing::Test {
protected:
  std::vector<int> extentsOf(QStringView text, int height = -100, int ppi = 96, const char* family = "Arial")
  {
    MeasuringSurface surface(ppi, ppi);
    quitanza::platform::Font font;
    font.Name = QString::fromUtf8(family);
    font.Height = height;
    surface.SetFont(font);
    std::vector<int> extents;
    surface.PartialExtents(text, extents);
    return extents;
  }
};

}  // namespace

TEST_F(MeasuringSurfaceTest, ExtentsAreRunningWidthsFromTheFontOutlines)
{
  // Liberation Sans: "A" advances 1366/2048 em, "i" 455/2048 em.
  EXPECT_EQ(extentsOf(u"AiA"), (std::vector<int>{67, 89, 156}));
  EXPECT_TRUE(extentsOf(u"").empty());
}

TEST_F(MeasuringSurfaceTest, ExtentsDoNotDependOnTheSurfaceResolution)
{
  const QString text = QStringLiteral(u"Recebemos de Fulano a importância de R$ 1.234,56");
  EXPECT_EQ(extentsOf(text, -83, 96), extentsOf(text, -83, 600));
  EXPECT_EQ(extentsOf(text, -83, 96), extentsOf(text, -83, 300));
}

TEST_F(MeasuringSurfaceTest, LargerHeightsScaleTheWidths)
{
  const std::vector<int> small = extentsOf(u"Quitanza", -100);
  const std::vector<int> large = extentsOf(u"Quitanza", -625);
  ASSERT_EQ(small.size(), large.size());
  for (std::size_t i = 0; i < small.size(); ++i)
    EXPECT_NEAR(large[i], small[i] * 6.25, 4.0) << i;
}

TEST_F(MeasuringSurfaceTest, PositiveHeightIsTheCellHeight)
{
  // The Liberation Sans cell is 1.117 em: a cell of 112 pixels is an em of 100.25.
  EXPECT_EQ(extentsOf(u"AiA", 112), extentsOf(u"AiA", -100));
}

TEST_F(MeasuringSurfaceTest, UnitsInsideAClusterAddNothing)
{
  const struct { const char16_t* text; int continuationUnit; } cases[] = {
      {u"e\u0301x", 1},         // combining acute accent
      {u"a\U0001D400b", 2},     // low surrogate of a mathematical letter
      {u"o\u0303\u0301x", 2},   // two marks on one base
  };
  for (const auto& c : cases) {
    const std::vector<int> ext = extentsOf(c.text, -100, 96, "DejaVu Sans");
    ASSERT_GT(ext.size(), std::size_t(c.continuationUnit));
    EXPECT_EQ(ext[c.continuationUnit], ext[c.continuationUnit - 1]) << QString::fromUtf16(c.text).toStdString();
    EXPECT_GT(ext.back(), ext[c.continuationUnit]);
  }
}

TEST_F(MeasuringSurfaceTest, VeryLongTextIsMeasuredWithoutLimit)
{
  const QString text(100000, QLatin1Char('A'));
  const std::vector<int> ext = extentsOf(text);
  ASSERT_EQ(ext.size(), 100000u);
  EXPECT_EQ(ext.back(), static_cast<int>(std::lround(100000 * 1366 * 100.0 / 2048)));
  EXPECT_EQ(ext[32767], static_cast<int>(std::lround(32768 * 1366 * 100.0 / 2048)));
}

TEST_F(MeasuringSurfaceTest, StyleChangesTheFace)
{
  MeasuringSurface surface(600, 600);
  Font font;
  font.Height = -100;
  surface.SetFont(font);
  std::vector<int> regular, bold;
  surface.PartialExtents(u"mmm", regular);
  surface.SetFontStyle(FontStyle::Bold);
  surface.PartialExtents(u"mmm", bold);
  EXPECT_GT(bold.back(), regular.back());
  EXPECT_TRUE(surface.Face().IsBold());
}
