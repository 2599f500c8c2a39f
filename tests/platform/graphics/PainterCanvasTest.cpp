#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/RecordingCanvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace quitanza::platform;

namespace {

class PainterCanvasTest : public testing::Test {
protected:
  QImage image{40, 40, QImage::Format_RGB32};
  QPainter painter;

  void SetUp() override
  {
    image.fill(Qt::white);
    painter.begin(&image);
  }

  bool black(int x, int y)
  {
    if (painter.isActive())
      painter.end();
    return image.pixel(x, y) == qRgb(0, 0, 0);
  }

  // The bounding box of every non-white pixel.
  QRect ink()
  {
    if (painter.isActive())
      painter.end();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
          box |= QRect(x, y, 1, 1);
    return box;
  }
};

}  // namespace

TEST_F(PainterCanvasTest, ShapesLeaveOutTheirRightAndBottomEdges)
{
  PainterCanvas canvas(painter);
  canvas.Brush.Color = clBlack;
  canvas.FillRect({2, 3, 10, 12});
  EXPECT_EQ(ink(), QRect(2, 3, 8, 9));
}

TEST_F(PainterCanvasTest, RectangleOutlineStaysInsideItsBox)
{
  PainterCanvas canvas(painter);
  canvas.Brush.Kind = BrushKind::Clear;
  canvas.Rectangle({2, 2, 10, 10});
  EXPECT_EQ(ink(), QRect(2, 2, 8, 8));
  EXPECT_TRUE(black(9, 9));
  EXPECT_FALSE(black(5, 5));
}

TEST_F(PainterCanvasTest, LineToLeavesOutItsEndPoint)
{
  PainterCanvas canvas(painter);
  canvas.MoveTo(1, 5);
  canvas.LineTo(8, 5);
  EXPECT_EQ(ink(), QRect(1, 5, 7, 1));
}

TEST_F(PainterCanvasTest, ClipRegionIsIntersectedAndRestored)
{
  PainterCanvas canvas(painter);
  canvas.Brush.Color = clBlack;
  EXPECT_TRUE(canvas.RectVisible({30, 30, 35, 35}));
  canvas.SaveClip();
  canvas.IntersectClipRect({0, 0, 20, 20});
  canvas.IntersectClipRect({10, 10, 30, 30});
  EXPECT_FALSE(canvas.RectVisible({25, 25, 35, 35}));
  EXPECT_TRUE(canvas.RectVisible({15, 15, 35, 35}));
  canvas.FillRect({0, 0, 40, 40});
  canvas.RestoreClip();
  EXPECT_TRUE(canvas.RectVisible({30, 30, 35, 35}));
  EXPECT_EQ(ink(), QRect(10, 10, 10, 10));
}

TEST_F(PainterCanvasTest, TextIsDrawnAtTheGivenAdvancesAndClipped)
{
  PainterCanvas canvas(painter);
  Font font;
  font.Height = -20;
  canvas.SetFont(font);
  const double wide[] = {20, 20};
  canvas.TextOut(2, 2, 0, {}, u"II", wide);
  const QRect spaced = ink();
  EXPECT_GE(spaced.width(), 20);  // two strokes twenty pixels apart
  EXPECT_LE(spaced.width(), 24);

  image.fill(Qt::white);
  painter.begin(&image);
  PainterCanvas clipped(painter);
  clipped.SetFont(font);
  clipped.TextOut(2, 2, Canvas::ETO_CLIPPED, {0, 0, 12, 40}, u"II", wide);
  EXPECT_LE(ink().right(), 11);
}

TEST_F(PainterCanvasTest, TransparentColourIsLeftOutOfAStretchedBitmap)
{
  QImage picture(2, 1, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(255, 0, 0));
  picture.setPixel(1, 0, qRgb(0, 0, 0));
  PainterCanvas canvas(painter);
  canvas.StretchDraw({0, 0, 20, 10}, picture, RGBColor(255, 0, 0), false);
  EXPECT_EQ(ink(), QRect(10, 0, 10, 10));
}

TEST(RecordingCanvas, KeepsTextRunsWithTheirBoundsInDrawingOrder)
{
  RecordingCanvas canvas;
  Font font;
  font.Height = -20;
  canvas.SetFont(font);
  const double advances[] = {10, 10, 10};
  canvas.TextOut(5, 7, 0, {}, u"abc", advances);
  font.Orientation = 900;
  canvas.SetFont(font);
  canvas.TextOut(50, 60, 0, {}, u"de", nullptr);

  const auto& runs = canvas.TextRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].Text, QStringLiteral("abc"));
  const int cell = canvas.Ascent() + canvas.Descent();
  EXPECT_EQ(runs[0].Bounds, (Rect{5, 7, 35, 7 + cell}));
  EXPECT_EQ(runs[1].Text, QStringLiteral("de"));
  // Turned a quarter left about its start: the cells now rise from (50, 60).
  EXPECT_EQ(runs[1].Bounds.Left, 50);
  EXPECT_EQ(runs[1].Bounds.Right, 50 + cell);
  EXPECT_EQ(runs[1].Bounds.Bottom, 60);
  EXPECT_GT(runs[1].Bounds.Height(), 15);
  EXPECT_FALSE(canvas.Finish().isNull());
}
