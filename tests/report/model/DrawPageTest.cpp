// Drawing whole pages: margins, background, page macros, the clip test and
// printer-only rules.
#include "DrawImages.h"
#include "tests/support/TestPreviewPages.h"

#include "platform/graphics/RecordingCanvas.h"
#include "report/model/Class.h"
#include "report/model/DrawPage.h"
#include "report/model/Variables.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

constexpr int kLeftMarginPixels = 38;  // Round(10 x 3.77953)

QStringList drawnTexts(ReportPage& page, bool printer, int index = 0)
{
  RecordingCanvas canvas(96, 96, printer);
  DrawReportPage(page, index, canvas, 1, 1, 0, 0);
  QStringList texts;
  for (const auto& run : canvas.TextRuns())
    texts << run.Text;
  return texts;
}

TEST(DrawPage, NonPrintableObjectsAreLeftOutOnPrintersOnly)
{
  TestPage page;
  page.Add<MemoView>(0, 0, 200, 20).SetText(QStringLiteral("sempre"));
  auto& hidden = page.Add<MemoView>(0, 30, 200, 20);
  hidden.SetText(QStringLiteral("só na tela"));
  hidden.Printable = false;
  EXPECT_EQ(drawnTexts(page.Page(), false), (QStringList{QStringLiteral("sempre"), QStringLiteral("só na tela")}));
  EXPECT_EQ(drawnTexts(page.Page(), true), QStringList{QStringLiteral("sempre")});
}

TEST(DrawPage, ObjectsAreDrawnInsideThePrintableArea)
{
  TestPage page;
  page.Add<MemoView>(0, 0, 200, 20).SetText(QStringLiteral("canto"));
  RecordingCanvas canvas;
  DrawReportPage(page.Page(), 0, canvas, 1, 1, 5, 7);
  ASSERT_EQ(canvas.TextRuns().size(), 1u);
  EXPECT_EQ(canvas.TextRuns()[0].X, 5 + kLeftMarginPixels + 2);
  EXPECT_EQ(canvas.TextRuns()[0].Y, 7 + kLeftMarginPixels + 1);
}

TEST(DrawPage, MirrorMarginsSwapOnEvenPagesOnly)
{
  TestPage page;
  page.Page().MirrorMargins = true;
  page.Page().LeftMargin = 30;
  page.Add<MemoView>(0, 0, 200, 20).SetText(QStringLiteral("margem"));
  const auto firstX = [&](int index) {
    RecordingCanvas canvas;
    DrawReportPage(page.Page(), index, canvas, 1, 1, 0, 0);
    return canvas.TextRuns().at(0).X;
  };
  EXPECT_EQ(firstX(0), 113 + 2);  // Round(30 x 3.77953)
  EXPECT_EQ(firstX(1), kLeftMarginPixels + 2);
  EXPECT_EQ(firstX(2), 113 + 2);
  EXPECT_EQ(page.Page().LeftMargin, 30);
  EXPECT_EQ(page.Page().RightMargin, 10);
}

TEST(DrawPage, ObjectsOutsideTheClipAreNotDrawn)
{
  // Drawing expands a memo's page macros, so an unexpanded one was skipped.
  TestPage page;
  auto& inside = page.Add<MemoView>(0, 0, 100, 20);
  auto& withinSlack = page.Add<MemoView>(200, 0, 100, 20);
  auto& outside = page.Add<MemoView>(300, 0, 100, 20);
  for (MemoView* memo : {&inside, &withinSlack, &outside})
    memo->SetText(QStringLiteral("[TotalPages#]"));
  QImage image(400, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  PainterCanvas canvas(painter, 96, 96, false);
  // The clip ends one pixel after 38 + 200 - 20, where the widened second memo starts.
  canvas.SaveClip();
  canvas.IntersectClipRect({0, 0, kLeftMarginPixels + 181, 100});
  DrawReportPage(page.Page(), 0, canvas, 1, 1, 0, 0, {3, 0, 1});
  canvas.RestoreClip();
  EXPECT_EQ(inside.Text(), QStringLiteral("3\r\n"));
  EXPECT_EQ(withinSlack.Text(), QStringLiteral("3\r\n"));
  EXPECT_EQ(outside.Text(), QStringLiteral("[TotalPages#]\r\n"));
}

TEST(DrawPage, PageMacrosTakeThePageCountAndCopyName)
{
  TestPage first, second;
  auto& memo = first.Add<MemoView>(0, 0, 300, 20);
  memo.SetText(QStringLiteral("Página 1 de [TOTALPAGES#] - [copyname#]"));
  TestPreviewPages pages;
  pages.Add(first.Page());
  pages.Add(second.Page());
  pages.Copy = 1;
  GlobalVariables().SetValue(QStringLiteral("CopyName1"), QStringLiteral("Via do cliente"));
  RecordingCanvas canvas;
  DrawPage(pages, 0, canvas, 1, 1, 0, 0);
  GlobalVariables().Clear();
  EXPECT_EQ(memo.Text(), QStringLiteral("Página 1 de 2 - Via do cliente\r\n"));
  ASSERT_EQ(canvas.TextRuns().size(), 1u);
  EXPECT_EQ(canvas.TextRuns()[0].Text, QStringLiteral("Página 1 de 2 - Via do cliente"));
}

TEST(DrawPage, MacrosStayWhenExpressionsAreOff)
{
  TestPage page;
  auto& memo = page.Add<MemoView>(0, 0, 300, 20);
  memo.SetText(QStringLiteral("[TotalPages#]"));
  memo.AllowExpressions = false;
  drawnTexts(page.Page(), false);
  EXPECT_EQ(memo.Text(), QStringLiteral("[TotalPages#]\r\n"));
}

TEST(DrawPage, AnIndexWithoutAPageDrawsNothing)
{
  TestPage page;
  page.Add<MemoView>(0, 0, 200, 20).SetText(QStringLiteral("x"));
  TestPreviewPages pages;
  pages.Add(page.Page());
  RecordingCanvas canvas;
  DrawPage(pages, 1, canvas, 1, 1, 0, 0);
  DrawPage(pages, -1, canvas, 1, 1, 0, 0);
  EXPECT_TRUE(canvas.TextRuns().empty());
}

TEST(DrawPage, BackgroundFillsThePrintableAreaUnlessHiddenOnPaper)
{
  TestPage page;
  page.Page().BackPicture().Color = clSilver;
  const auto drawn = [&](bool printer) {
    QImage image(794, 1123, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 96, 96, printer);
    DrawReportPage(page.Page(), 0, canvas, 1, 1, 0, 0);
    return image;
  };
  // 190 x 277 mm from the 10 mm corner.
  EXPECT_EQ(InkBounds(drawn(false)), QRect(38, 38, 718, 1047));
  page.Page().BackPicturePrintable = false;
  EXPECT_EQ(InkBounds(drawn(false)), QRect(38, 38, 718, 1047));
  EXPECT_TRUE(InkBounds(drawn(true)).isEmpty());
}

TEST(DrawPage, ScreenDrawingStaysOnThePaper)
{
  TestPage page;
  auto& shape = page.Add<ShapeView>(-60, -60, 100, 100);
  shape.Color = clSilver;
  QImage image(900, 1200, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter, 96, 96, false);
    DrawReportPage(page.Page(), 0, canvas, 1, 1, 20, 30);
  }
  EXPECT_EQ(InkBounds(image).topLeft(), QPoint(20, 30));
}

}  // namespace
