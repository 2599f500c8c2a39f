#include "platform/graphics/Font.h"

#include <gtest/gtest.h>

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch)
{
  const struct { int points; int height; } cases[] = {{8, -11}, {10, -13}, {12, -16}, {9, -12}, {14, -19}};
  for (const auto& c : cases) {
    EXPECT_EQ(TFont::HeightForSize(c.points), c.height) << c.points;
    EXPECT_EQ(TFont::SizeForHeight(c.height), c.points) << c.height;
  }
}

TEST(Font, NewFontIsArialTenPointBlackDefaultCharset)
{
  const TFont font;
  EXPECT_EQ(font.Name, QStringLiteral("Arial"));
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Color, clBlack);
  EXPECT_EQ(font.Charset, DEFAULT_CHARSET);
}
