#include "platform/graphics/Font.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch)
{
  const struct { int points; int height; } cases[] = {{8, -11}, {10, -13}, {12, -16}, {9, -12}, {14, -19}};
  for (const auto& c : cases) {
    EXPECT_EQ(Font::HeightForSize(c.points), c.height) << c.points;
    EXPECT_EQ(Font::SizeForHeight(c.height), c.points) << c.height;
  }
}

TEST(Font, NewFontIsArialTenPointBlackDefaultCharset)
{
  const Font font;
  EXPECT_EQ(font.Name, QStringLiteral("Arial"));
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Color, clBlack);
  EXPECT_EQ(font.Charset, DEFAULT_CHARSET);
}
