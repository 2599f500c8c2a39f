#include "report/print/PrintGeometry.h"
#include "report/print/Printer.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

TEST(PrintGeometryTest, VirtualPrinterDrawsFromThePapersEdge)
{
  const std::unique_ptr<Printer> printer = Printer::Virtual();
  printer->Init();
  EXPECT_EQ(printer->DpiX(), 600);
  EXPECT_EQ(printer->PaperNumber(), kA4Paper);
  EXPECT_EQ(printer->PaperWidth(), 210);
  EXPECT_EQ(printer->PaperHeight(), 297);
  for (const double margin : {printer->LeftMargin(), printer->TopMargin(), printer->RightMargin(), printer->BottomMargin()})
    EXPECT_EQ(margin, 4);
  const DeviceTransform t = PageTransform(printer->DpiX(), printer->DpiY(), printer->LeftMargin(), printer->TopMargin());
  EXPECT_DOUBLE_EQ(t.ScaleX, 6.25);
  EXPECT_DOUBLE_EQ(t.ScaleY, 6.25);
  EXPECT_NEAR(t.OffsetX, -94.49, 0.005);
  EXPECT_NEAR(t.OffsetY, -94.49, 0.005);
}

TEST(PrintGeometryTest, ScaledPagesScaleEachAxisApart)
{
  const DeviceTransform t = PageTransform(600, 300, 0, 0, 0.5, 2);
  EXPECT_DOUBLE_EQ(t.ScaleX, 3.125);
  EXPECT_DOUBLE_EQ(t.ScaleY, 6.25);
}

struct GridCase {
  const char* what;
  double pageWidth, pageHeight, sheetWidth, sheetHeight;
  int across, down;
  bool landscape;
};

class SplitGridTest : public testing::TestWithParam<GridCase> {};

TEST_P(SplitGridTest, CountsSheets)
{
  const GridCase& c = GetParam();
  const SheetGrid grid = SplitGrid(c.pageWidth, c.pageHeight, {c.sheetWidth, c.sheetHeight, 3, 4, 4, 4, 4});
  EXPECT_EQ(grid.Across, c.across);
  EXPECT_EQ(grid.Down, c.down);
  EXPECT_EQ(grid.Landscape, c.landscape);
}

INSTANTIATE_TEST_SUITE_P(
  Papers, SplitGridTest,
  testing::Values(GridCase{"A4 on A4", 210, 297, 210, 297, 1, 1, false},
                  // Turned, two A4 cover an A3; the overlap and margins make it three.
                  GridCase{"A3 on A4", 297, 420, 210, 297, 1, 3, true},
                  GridCase{"A4 a few millimetres too long on A4", 210, 305, 210, 297, 1, 1, false},
                  GridCase{"A2 on A4", 420, 594, 210, 297, 3, 3, false}));

class JoinGridTest : public testing::TestWithParam<GridCase> {};

TEST_P(JoinGridTest, CountsPagesPerSheet)
{
  const GridCase& c = GetParam();
  const SheetGrid grid = JoinGrid(c.pageWidth, c.pageHeight, c.sheetWidth, c.sheetHeight);
  EXPECT_EQ(grid.Across, c.across);
  EXPECT_EQ(grid.Down, c.down);
  EXPECT_EQ(grid.Landscape, c.landscape);
}

INSTANTIATE_TEST_SUITE_P(
  Papers, JoinGridTest,
  testing::Values(GridCase{"A4 on A3", 210, 297, 297, 420, 2, 1, true},
                  GridCase{"A5 on A4", 148, 210, 210, 297, 2, 1, true},
                  GridCase{"A6 on A4", 105, 148, 210, 297, 2, 2, false},
                  GridCase{"A3 on A4", 297, 420, 210, 297, 1, 1, false}));
