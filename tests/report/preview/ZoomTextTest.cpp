#include "report/preview/ZoomText.h"

#include <gtest/gtest.h>

#include <optional>

using quitanza::report::ParseZoomText;

TEST(ZoomText, ReadsTypedPercentages)
{
  const struct {
    const char16_t* text;
    std::optional<double> zoom;
  } cases[] = {
      {u"150 %", 1.5}, {u"10%", 0.1}, {u"75", 0.75}, {u" 2 0 0 % ", 2.0}, {u"12,5%", 0.125},
      {u"", std::nullopt}, {u"%", std::nullopt}, {u"abc", std::nullopt}, {u"50%%", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<double> zoom = ParseZoomText(QString::fromUtf16(c.text));
    ASSERT_EQ(zoom.has_value(), c.zoom.has_value()) << QString::fromUtf16(c.text).toStdString();
    if (zoom) {
      EXPECT_DOUBLE_EQ(*zoom, *c.zoom) << QString::fromUtf16(c.text).toStdString();
    }
  }
}

TEST(ZoomText, ShowsWholePercent)
{
  EXPECT_EQ(quitanza::report::ZoomText(1.5), QStringLiteral("150%"));
  EXPECT_EQ(quitanza::report::ZoomText(0.254), QStringLiteral("25%"));
}
