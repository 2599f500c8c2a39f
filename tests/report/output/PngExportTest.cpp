#include "platform/files/FileError.h"
#include "report/model/Class.h"
#include "report/model/PreviewPages.h"
#include "report/output/PngExport.h"
#include "tests/support/IssuedReceipt.h"
#include "tests/support/TestPage.h"
#include "tests/support/TestPreviewPages.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

int inkedPixels(const QImage& image)
{
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int inked = 0;
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x)
      inked += rgb.pixel(x, y) != qRgb(255, 255, 255);
  return inked;
}

class PngExportTest : public testing::Test {
protected:
  QTemporaryDir folder;
  TestPreviewPages pages;
  IssuedReceipt receipt;
  TestPage blank;

  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    // The store hands out its only page for as long as no other is asked for.
    pages.Add(*receipt.Pages().GetPage(0));
    pages.Add(blank.Page());
  }
  QString prefix() const { return folder.filePath(QStringLiteral("recibo")); }
};

struct ResolutionCase {
  int dpi;
  QSize size;
};

class PngResolutionTest : public PngExportTest, public testing::WithParamInterface<ResolutionCase> {};

TEST_P(PngResolutionTest, WritesEveryPageAtTheResolutionOnWhitePaper)
{
  const ResolutionCase& c = GetParam();
  const QStringList written = ExportPagesToPng(pages, prefix(), c.dpi);
  EXPECT_EQ(written, (QStringList{prefix() + QStringLiteral("-1.png"), prefix() + QStringLiteral("-2.png")}));
  for (const QString& fileName : written) {
    QImageReader reader(fileName);
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), c.size);
    EXPECT_EQ(std::lround(image.dotsPerMeterX() * 0.0254), c.dpi);
  }
  EXPECT_GT(inkedPixels(QImage(written[0])), c.size.width() * c.size.height() / 100);
  EXPECT_EQ(inkedPixels(QImage(written[1])), 0) << "paper not white";
}

// A4 is 210 x 297 mm at 3.77953 report pixels per millimetre, scaled.
INSTANTIATE_TEST_SUITE_P(A4, PngResolutionTest,
                         testing::Values(ResolutionCase{96, {794, 1123}}, ResolutionCase{300, {2480, 3508}},
                                         ResolutionCase{1, {8, 12}}));

TEST_F(PngExportTest, ResolutionOutsideTheRangeIsRefusedBeforeWriting)
{
  for (int dpi : {0, -96, 1201})
    EXPECT_THROW(ExportPagesToPng(pages, prefix(), dpi), std::out_of_range) << dpi;
  EXPECT_FALSE(QFileInfo::exists(prefix() + QStringLiteral("-1.png")));
}

TEST_F(PngExportTest, UnwritableFolderNamesTheFile)
{
  const QString missing = folder.filePath(QStringLiteral("falta/recibo"));
  try {
    ExportPagesToPng(pages, missing);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Path(), missing + QStringLiteral("-1.png"));
  }
}

TEST_F(PngExportTest, NoPagesWriteNoFiles)
{
  TestPreviewPages none;
  EXPECT_TRUE(ExportPagesToPng(none, prefix()).isEmpty());
  EXPECT_THROW(ExportPagesToPng(none, prefix(), 0), std::out_of_range);
  EXPECT_TRUE(RenderPage(none, 0).isNull());
}

}  // namespace

// A page no bitmap can hold, or one of no size, is an error before anything
// is drawn: never a success without the file, never gigabytes for one page.
TEST(PngPageSize, PagesBeyondABitmapOrOfNoSizeAreRefused)
{
  QTemporaryDir folder;
  const struct {
    long double widthMm;
    long double heightMm;
    int dpi;
  } cases[] = {{3000, 297, 1200}, {5000, 5000, 96}, {6000, 297, 96}, {0, 297, 96}, {210, -5, 96}};
  for (const auto& c : cases) {
    TestPage page;
    page.Page().SetPaperWidth(c.widthMm);
    page.Page().SetPaperHeight(c.heightMm);
    TestPreviewPages pages;
    pages.Add(page.Page());
    const QString prefix = folder.filePath(QStringLiteral("p"));
    EXPECT_THROW(ExportPagesToPng(pages, prefix, c.dpi), std::runtime_error)
        << double(c.widthMm) << " x " << double(c.heightMm) << " mm at " << c.dpi << " dpi";
    EXPECT_FALSE(QFileInfo::exists(PngPageFileName(prefix, 1)));
  }
}
