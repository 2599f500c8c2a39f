// Drawing single views: device rectangles, text areas, frames, pictures,
// lines, shapes and the memo's own steps.
#include "DrawImages.h"
#include "tests/support/TestPreviewPages.h"

#include "platform/graphics/RecordingCanvas.h"
#include "report/model/Class.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

struct TextAreaCase {
  double scale;
  FrameTypes sides;
  quitanza::platform::Rect inset;  // text area minus the device rectangle: left, top, right, bottom
};

class MemoTextAreaTest : public testing::TestWithParam<TextAreaCase> {};

TEST_P(MemoTextAreaTest, LiesInsideGapsAndFrame)
{
  const TextAreaCase& c = GetParam();
  TestPage page;
  auto& memo = page.Add<MemoView>(10, 20, 200, 40);
  memo.SetText(QStringLiteral("Recibo"));
  memo.Frame.Typ = c.sides;
  RecordingCanvas canvas;
  memo.Draw(canvas, c.scale, c.scale, 0, 0);

  const Rect device = memo.DeviceRect();
  const Rect text = memo.TextRect();
  EXPECT_EQ(text.Left - device.Left, c.inset.Left);
  EXPECT_EQ(text.Top - device.Top, c.inset.Top);
  EXPECT_EQ(text.Right - device.Right, c.inset.Right);
  EXPECT_EQ(text.Bottom - device.Bottom, c.inset.Bottom);
  // Left-aligned text starts at the text area's corner.
  ASSERT_EQ(canvas.TextRuns().size(), 1u);
  EXPECT_EQ(canvas.TextRuns()[0].X, text.Left);
  EXPECT_EQ(canvas.TextRuns()[0].Y, text.Top);
}

constexpr FrameTypes kAllSides = FrameType::Left | FrameType::Right | FrameType::Top | FrameType::Bottom;

INSTANTIATE_TEST_SUITE_P(Gaps, MemoTextAreaTest,
                         testing::Values(TextAreaCase{1, {}, {2, 1, -1, 0}},
                                         // A 1-pixel side adds Round(0) at left and top,
                                         // Round(0.5) = 0 at right and bottom...
                                         TextAreaCase{1, kAllSides, {2, 1, -1, 0}},
                                         TextAreaCase{2, {}, {4, 2, -3, -1}},
                                         // ...and Round(1) = 1 there at scale 2.
                                         TextAreaCase{2, kAllSides, {4, 2, -4, -2}}));

TEST(ViewDeviceRect, RoundsHalfToEvenAndKeepsTheShadowInside)
{
  TestPage page;
  auto& shape = page.Add<ShapeView>(2.5L, 3.5L, 10, 10);
  RecordingCanvas canvas;
  shape.Draw(canvas, 1, 1, 0, 0);
  EXPECT_EQ(shape.DeviceRect(), (Rect{2, 4, 12, 14}));

  shape.Frame.DropShadow = true;
  shape.Draw(canvas, 1, 1, 0, 0);
  EXPECT_EQ(shape.DeviceRect(), (Rect{2, 4, 8, 10}));
}

struct FrameCase {
  double scale;
  int thickness;  // device pixels of each side
};

class FrameSidesTest : public testing::TestWithParam<FrameCase> {};

// A solid frame of width 1 on a 20 x 10 box at the given scale: the four sides
// close at the corners and are as thick as the scaled width.
TEST_P(FrameSidesTest, CloseTheBoxAtTheScaledWidth)
{
  const FrameCase& c = GetParam();
  TestPage page;
  auto& view = page.Add<MemoView>(10, 10, 20, 10);
  view.Frame.Typ = kAllSides;
  const QImage image = Painted({100, 100}, [&](Canvas& canvas) { view.Draw(canvas, c.scale, c.scale, 0, 0); });
  const Rect box = view.DeviceRect();
  const int t = c.thickness;
  // Each side is centred on the edge, the right and bottom ones on the last pixel.
  const QRect expected(QPoint(box.Left - t / 2, box.Top - t / 2),
                       QPoint(box.Right + (t - 1) / 2, box.Bottom + (t - 1) / 2));
  EXPECT_EQ(InkBounds(image), expected);
  const int midY = (box.Top + box.Bottom) / 2;
  const int midX = (box.Left + box.Right) / 2;
  EXPECT_EQ(InkBounds(image, QRect(0, midY, 100, 1)).width(), expected.width());
  EXPECT_FALSE(IsInk(image, box.Left + t, midY)) << "left side thicker than " << t;
  EXPECT_TRUE(IsInk(image, box.Left + (t - 1) / 2, midY));
  EXPECT_FALSE(IsInk(image, midX, box.Top + t)) << "top side thicker than " << t;
  EXPECT_TRUE(IsInk(image, expected.right(), expected.bottom())) << "open corner";
}

INSTANTIATE_TEST_SUITE_P(Scales, FrameSidesTest, testing::Values(FrameCase{1, 1}, FrameCase{2, 2}));

Picture RedPicture(int width, int height)
{
  QImage red(width, height, QImage::Format_RGB32);
  red.fill(Qt::red);
  Picture picture;
  picture.SetImage(red);
  return picture;
}

TEST(PictureDraw, KeepsTheAspectRatioAndCentres)
{
  TestPage page;
  auto& view = page.Add<PictureView>(10, 10, 124, 83);
  view.Center = true;
  view.SetPicture(RedPicture(200, 100));
  const QImage image = Painted({200, 200}, [&](Canvas& canvas) { view.Draw(canvas, 1, 1, 0, 0); });
  // 124 x Round(100 x 0.62) = 124 x 62, moved down by (83 - 62) div 2 = 10.
  EXPECT_EQ(InkBounds(image), QRect(10, 20, 124, 62));
}

TEST(PictureDraw, UnstretchedPictureIsClippedToItsBox)
{
  TestPage page;
  auto& view = page.Add<PictureView>(10, 10, 30, 20);
  view.Stretched = false;
  view.SetPicture(RedPicture(200, 100));
  const QImage image = Painted({200, 200}, [&](Canvas& canvas) { view.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_EQ(InkBounds(image), QRect(10, 10, 30, 20));
}

TEST(PictureDraw, TransparentColourLeavesWhatLiesBeneath)
{
  TestPage page;
  auto& view = page.Add<PictureView>(0, 0, 20, 20);
  view.SetTransparent(true);
  QImage picture(20, 20, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setPixel(5, 5, qRgb(0, 0, 255));
  Picture holder;
  holder.SetImage(picture);
  view.SetPicture(holder);
  const QImage image = Painted({20, 20}, [&](Canvas& canvas) {
    canvas.Brush = {BrushKind::Solid, clSilver, HatchStyle::Horizontal};
    canvas.FillRect({0, 0, 20, 20});
    view.Draw(canvas, 1, 1, 0, 0);
  });
  EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 255));
}

TEST(PictureDraw, TransparentLogoShowsTheBackgroundThroughOnScreenAndPaper)
{
  QImage logo(20, 20, QImage::Format_ARGB32);
  logo.fill(Qt::transparent);
  logo.setPixel(5, 5, qRgba(0, 0, 255, 255));
  Picture holder;
  holder.SetImage(logo);
  for (bool printer : {false, true}) {
    TestPage page;
    auto& view = page.Add<PictureView>(0, 0, 40, 40);
    view.SetTransparent(true);
    view.SetPicture(holder);
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    {
      QPainter painter(&image);
      PainterCanvas canvas(painter, 96, 96, printer);
      view.Draw(canvas, 1, 1, 0, 0);
    }
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0)) << printer;
    EXPECT_EQ(image.pixel(11, 11), qRgb(0, 0, 255)) << printer;
  }
}

TEST(PictureDraw, WithoutPictureOnlyBackgroundAndFrame)
{
  TestPage page;
  auto& view = page.Add<PictureView>(10, 10, 20, 20);
  view.Color = clSilver;
  const QImage image = Painted({50, 50}, [&](Canvas& canvas) { view.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_EQ(InkBounds(image), QRect(10, 10, 20, 20));
}

struct AxisLineCase {
  long double width, height;
  FrameTypes side;
  QRect ink;
};

class AxisLineTest : public testing::TestWithParam<AxisLineCase> {};

TEST_P(AxisLineTest, BecomesOneFrameSide)
{
  const AxisLineCase& c = GetParam();
  TestPage page;
  auto& line = page.Add<LineView>(10, 10, c.width, c.height);
  const QImage image = Painted({800, 200}, [&](Canvas& canvas) { line.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_EQ(line.Frame.Typ, c.side);
  EXPECT_EQ(c.side == FrameType::Top ? line.Height() : line.Width(), 0);
  EXPECT_EQ(InkBounds(image), c.ink);
}

INSTANTIATE_TEST_SUITE_P(Receipt, AxisLineTest,
                         testing::Values(AxisLineCase{702.99L, 0, FrameType::Top, QRect(10, 10, 704, 1)},
                                         AxisLineCase{0, 94.49L, FrameType::Left, QRect(10, 10, 1, 95)},
                                         // Not quite flat: the longer extent wins.
                                         AxisLineCase{50, 3, FrameType::Top, QRect(10, 10, 51, 1)}));

TEST(LineDraw, DiagonalLineRunsCornerToCornerWithoutItsEndPoint)
{
  TestPage page;
  auto& line = page.Add<LineView>(10, 10, 20, 20);
  line.Diagonal = true;
  const QImage image = Painted({50, 50}, [&](Canvas& canvas) { line.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_EQ(InkBounds(image), QRect(10, 10, 20, 20));
  EXPECT_TRUE(IsInk(image, 20, 20));
}

TEST(LineDraw, ArrowHeadsSpreadAcrossTheLineAtBothEnds)
{
  TestPage page;
  auto& line = page.Add<LineView>(50, 50, 100, 0);
  line.Diagonal = true;
  line.ArrowStart = true;
  line.ArrowEnd = true;
  line.ArrowSolid = true;
  const QImage image = Painted({200, 100}, [&](Canvas& canvas) { line.Draw(canvas, 1, 1, 0, 0); });
  // Heads 20 long and 2 x 5 wide at both tips.
  EXPECT_EQ(InkBounds(image), QRect(50, 45, 101, 11));
  EXPECT_TRUE(IsInk(image, 52 + 15, 47));
  EXPECT_FALSE(IsInk(image, 100, 47));
  EXPECT_TRUE(IsInk(image, 148 - 15, 53));
}

TEST(LineDraw, VerticalArrowStandsStraightOnItsTip)
{
  TestPage page;
  auto& line = page.Add<LineView>(50, 10, 4, 80);
  line.Diagonal = true;
  line.ArrowEnd = true;
  const QImage image = Painted({100, 100}, [&](Canvas& canvas) { line.Draw(canvas, 1, 1, 0, 0); });
  // Wings 5 to either side of the tip's column, 20 above it.
  EXPECT_TRUE(IsInk(image, 49, 70));
  EXPECT_TRUE(IsInk(image, 59, 70));
}

TEST(ShapeDraw, DoubleFrameDrawsTheFigureAgainInside)
{
  TestPage page;
  auto& shape = page.Add<ShapeView>(10, 10, 40, 40);
  shape.Frame.SetStyle(FrameStyle::Double);
  const QImage image = Painted({60, 60}, [&](Canvas& canvas) { shape.Draw(canvas, 1, 1, 0, 0); });
  int edges = 0;
  for (int x = 0; x < 60; ++x)
    edges += IsInk(image, x, 30);
  EXPECT_EQ(edges, 4);
  EXPECT_TRUE(IsInk(image, 12, 30));
  EXPECT_EQ(shape.Frame.Style(), FrameStyle::Double);
  EXPECT_EQ(shape.Left(), 10);
  EXPECT_EQ(shape.Width(), 40);
}

TEST(ShapeDraw, HatchGoesOverTheFillInTheFrameColour)
{
  TestPage page;
  auto& shape = page.Add<ShapeView>(0, 0, 40, 40);
  shape.Color = clSilver;
  shape.BrushStyle = BrushStyle::Cross;
  shape.Frame.SetColor(clRed);
  const QImage image = Painted({41, 41}, [&](Canvas& canvas) { shape.Draw(canvas, 1, 1, 0, 0); });
  int silver = 0, red = 0;
  for (int y = 2; y < 38; ++y)
    for (int x = 2; x < 38; ++x) {
      silver += image.pixel(x, y) == qRgb(0xC0, 0xC0, 0xC0);
      red += image.pixel(x, y) == qRgb(0xFF, 0, 0);
    }
  EXPECT_GT(silver, 0);
  EXPECT_GT(red, 0);
}

TEST(ViewBackground, HatchedBackgroundKeepsTheColourBetweenItsLines)
{
  TestPage page;
  auto& memo = page.Add<MemoView>(0, 0, 30, 30);
  memo.Color = clSilver;
  memo.BrushStyle = BrushStyle::Horizontal;
  const QImage image = Painted({40, 40}, [&](Canvas& canvas) { memo.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_EQ(InkBounds(image), QRect(0, 0, 30, 30));
  int black = 0;
  for (int y = 0; y < 30; ++y)
    black += image.pixel(15, y) == qRgb(0, 0, 0);
  EXPECT_GT(black, 2);
  EXPECT_LT(black, 15);
}

TEST(MemoDraw, AutoWidthKeepsTheRightEdgeOfARightAlignedMemo)
{
  TestPage page;
  auto& memo = page.Add<MemoView>(100, 10, 300, 20);
  memo.SetText(QStringLiteral("1° Via"));
  memo.AutoWidth = true;
  memo.HAlign = HAlign::Right;
  RecordingCanvas canvas;
  memo.Draw(canvas, 1, 1, 0, 0);
  EXPECT_LT(memo.Width(), 60);
  EXPECT_GT(memo.Width(), 30);
  EXPECT_DOUBLE_EQ(static_cast<double>(memo.Left() + memo.Width()), 400.0);
}

TEST(MemoDraw, NegativeLineHeightDrawsNoUnderlines)
{
  TestPage page;
  auto& memo = page.Add<MemoView>(0, 0, 100, 50);
  memo.SetText(QStringLiteral("a"));
  memo.Underlines = true;
  memo.LineSpacing = -40;
  const QImage image = Painted({120, 60}, [&](Canvas& canvas) { memo.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_FALSE(IsInk(image, 50, 40));
}

TEST(MemoDraw, UnderlinesFollowTheLinePitch)
{
  TestPage page;
  auto& memo = page.Add<MemoView>(0, 0, 100, 50);
  memo.Underlines = true;
  const QImage image = Painted({120, 60}, [&](Canvas& canvas) { memo.Draw(canvas, 1, 1, 0, 0); });
  // Arial 10 pt: line height 83 / 6.25 + 2 = 15.28; first at 15.28 + (1 - 2 + 1).
  std::vector<int> rows;
  for (int y = 0; y < 60; ++y)
    if (IsInk(image, 50, y))
      rows.push_back(y);
  EXPECT_EQ(rows, (std::vector<int>{15, 31, 46}));
}

TEST(MemoDraw, HighlightColourLastsOnlyWhileDrawing)
{
  TestPage page;
  auto& memo = page.Add<MemoView>(0, 0, 20, 20);
  memo.Highlight.Active = true;
  memo.Highlight.Color = clRed;
  const QImage image = Painted({30, 30}, [&](Canvas& canvas) { memo.Draw(canvas, 1, 1, 0, 0); });
  EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(memo.Color, clNone);
}

}  // namespace
