// Whole pages against golden images: the issued receipt, and a page with
// every frame style, shape, fill and arrow.
#include "GoldenImage.h"
#include "tests/support/IssuedReceipt.h"
#include "tests/support/TestPage.h"

#include "platform/graphics/PainterCanvas.h"
#include "report/model/Class.h"
#include "report/model/DrawPage.h"
#include "report/model/PreviewPages.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

QImage drawPage(ReportPage& page, double scale)
{
  QImage image(static_cast<int>(std::lround(static_cast<double>(page.Width()) * scale)),
               static_cast<int>(std::lround(static_cast<double>(page.Height()) * scale)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const int dpi = static_cast<int>(std::lround(96 * scale));
  PainterCanvas canvas(painter, dpi, dpi, false);
  DrawReportPage(page, 0, canvas, scale, scale, 0, 0);
  return image;
}

// Columns of objects, one per frame style, then shapes, fills and lines.
void BuildStylePage(TestPage& test)
{
  ReportPage& page = test.Page();
  page.SetPaperWidth(150);
  page.SetPaperHeight(130);
  page.LeftMargin = page.RightMargin = page.TopMargin = page.BottomMargin = 5;

  for (int style = int(FrameStyle::Solid); style <= int(FrameStyle::Square); ++style) {
    const long double x = 8 + style * 66;
    for (int row = 0; row < 3; ++row) {
      auto& memo = test.Add<MemoView>(x, 8 + row * 50, 54, 38);
      memo.Frame.Typ = FrameType::Left | FrameType::Right | FrameType::Top | FrameType::Bottom;
      memo.Frame.SetStyle(static_cast<FrameStyle>(style));
      memo.Frame.SetWidth(row == 0 ? 1 : 3);
      if (row == 2) {
        memo.Color = RGBColor(0xFF, 0xF2, 0xCC);
        memo.Frame.SetColor(clBlue);
        memo.Frame.DropShadow = true;
        memo.Frame.Typ = FrameType::Left | FrameType::Top | FrameType::Bottom;
      }
    }
  }

  for (int kind = int(ShapeKind::Rectangle); kind <= int(ShapeKind::Diagonal2); ++kind) {
    for (int variant = 0; variant < 2; ++variant) {
      auto& shape = test.Add<ShapeView>(8 + kind * 75, 170 + variant * 70, 62, 56);
      shape.Shape = static_cast<ShapeKind>(kind);
      if (variant == 1) {
        shape.Frame.SetStyle(FrameStyle::Double);
        shape.Frame.SetWidth(2);
        shape.Color = clSilver;
      }
    }
  }

  for (int brush = int(BrushStyle::Clear); brush <= int(BrushStyle::DiagCross); ++brush) {
    auto& shape = test.Add<ShapeView>(8 + (brush - 1) * 75, 310, 62, 40);
    shape.BrushStyle = static_cast<BrushStyle>(brush);
    shape.Color = brush % 2 ? clNone : RGBColor(0xCC, 0xE5, 0xFF);
    shape.Frame.SetColor(clRed);
  }

  const struct {
    long double left, top, width, height;
    bool diagonal, start, end, solid;
  } lines[] = {
      {8, 370, 150, 0, true, true, true, true},      {180, 370, 150, 0, true, false, true, false},
      {350, 360, 100, 60, true, true, true, true},   {470, 360, 0, 70, true, false, true, false},
      {490, 430, 30, -70, true, true, false, true},  {8, 400, 150, 0, false, false, false, false},
      {180, 395, 3, 40, false, false, false, false},
  };
  for (const auto& l : lines) {
    auto& line = test.Add<LineView>(l.left, l.top, l.width, l.height);
    line.Diagonal = l.diagonal;
    line.ArrowStart = l.start;
    line.ArrowEnd = l.end;
    line.ArrowSolid = l.solid;
    line.Frame.SetWidth(2);
  }
}

TEST(DrawGolden, IssuedReceiptAt96Dpi)
{
  IssuedReceipt receipt;
  ExpectMatchesGolden(drawPage(*receipt.Pages().GetPage(0), 1), QStringLiteral("receipt_96dpi"));
}

TEST(DrawGolden, FrameStylesShapesAndArrows)
{
  TestPage page;
  BuildStylePage(page);
  ExpectMatchesGolden(drawPage(page.Page(), 2), QStringLiteral("styles"));
}

}  // namespace
