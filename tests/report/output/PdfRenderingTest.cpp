// The receipt as a reader draws our PDF (pdftoppm) against our own drawing of
// the same prepared page: every object's ink must lie where ours does, and
// every memo must break into the same lines. The two rasterisers antialias
// glyphs and round edges differently, so ink is compared per object, within
// a small tolerance, never pixel by pixel.
#include "PdfTools.h"
#include "report/model/Class.h"
#include "report/model/PreviewPages.h"
#include "report/model/Units.h"
#include "report/output/PngExport.h"
#include "report/output/ExportPDFFile.h"
#include "tests/support/IssuedReceipt.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

constexpr int Dpi = 150;
constexpr double Scale = Dpi / 96.0;
// A millimetre at 150 dpi: the PDF places a memo's first glyph half a gap
// further in and its baseline from the font size, and every position is
// shifted by a twentieth of the margins' millimetres in points.
constexpr int Tolerance = 6;
// Our drawing lays text out on the screen's pixel grid, as the preview shows
// it; the PDF uses the font's own advances. Lines differ in length by up to
// this share of their length.
constexpr double LengthTolerance = 0.03;

std::string Text(const QRect& r) {
  return QStringLiteral("(%1, %2)-(%3, %4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom()).toStdString();
}

bool IsInk(QRgb pixel) { return qGray(pixel) < 160; }

// The smallest rectangle holding the ink inside `area`; null when blank.
QRect InkBox(const QImage& image, const QRect& area) {
  QRect box;
  const QRect inside = area & image.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (IsInk(image.pixel(x, y)))
        box |= QRect(x, y, 1, 1);
  return box;
}

// The bands of rows with text ink inside `area`, top to bottom; gaps of a
// pixel or two (between a capital and its accent) do not split a band, and
// rows inked nearly across (a frame or rule line along the box) do not count.
std::vector<std::pair<int, int>> InkRows(const QImage& image, const QRect& area) {
  std::vector<std::pair<int, int>> rows;
  const QRect inside = area & image.rect();
  int blank = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    int ink = 0;
    for (int x = inside.left(); x <= inside.right(); ++x)
      ink += IsInk(image.pixel(x, y));
    if (ink == 0 || ink > inside.width() * 8 / 10) {
      ++blank;
      continue;
    }
    if (rows.empty() || blank > 2)
      rows.emplace_back(y, y);
    rows.back().second = y;
    blank = 0;
  }
  return rows;
}

struct ObjectArea {
  QString name;
  QRect area;   // device pixels of the page at Dpi
  bool isMemo;
};

// Every view of the prepared page, as device rectangles on the paper: memos by
// the inside of their box, off the frame lines and neighbours around them,
// other objects by their box grown by a pixel or two for the width of lines.
std::vector<ObjectArea> ObjectAreas(ReportPage& page) {
  const double left = double(page.LeftMargin * fr1mm), top = double(page.TopMargin * fr1mm);
  std::vector<ObjectArea> areas;
  for (Component* band : page.Objects())
    for (Component* object : band->Objects()) {
      auto* view = dynamic_cast<View*>(object);
      if (!view)
        continue;
      const QRectF rect((double(view->AbsLeft()) + left) * Scale, (double(view->AbsTop()) + top) * Scale,
                        double(view->Width()) * Scale, double(view->Height()) * Scale);
      const bool memo = dynamic_cast<MemoView*>(view) != nullptr;
      const QRect box = rect.toAlignedRect();
      areas.push_back({view->Name(), memo ? box.adjusted(3, 2, -3, -2) : box.adjusted(-2, -2, 2, 2), memo});
    }
  // A memo whose box reaches into the one below it (the issuer's lines
  // overlap) is looked at only above that one, where its own lines are.
  for (ObjectArea& upper : areas) {
    if (!upper.isMemo)
      continue;
    for (const ObjectArea& lower : areas) {
      const int lowerTop = lower.area.top() - 2;
      if (lower.isMemo && &lower != &upper && lowerTop > upper.area.top() && lowerTop <= upper.area.bottom() &&
          lower.area.left() < upper.area.right() && upper.area.left() < lower.area.right())
        upper.area.setBottom(lowerTop - 1);
    }
  }
  return areas;
}

class PdfRendering : public testing::Test {
protected:
  void SetUp() override {
    const QString path = m_dir.filePath(QStringLiteral("recibo.pdf"));
    ExportPDFFile(m_receipt.Pages(), path, {});
    m_reader = RenderPdfPage(path, 1, Dpi).convertToFormat(QImage::Format_RGB32);
    m_ours = RenderPage(m_receipt.Pages(), 0, Dpi).convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("QUITANZA_KEEP_RENDERINGS")) {
      m_reader.save(QStringLiteral(QUITANZA_BINARY_DIR "/receipt_pdftoppm.png"));
      m_ours.save(QStringLiteral(QUITANZA_BINARY_DIR "/receipt_ours.png"));
    }
  }

  QTemporaryDir m_dir;
  IssuedReceipt m_receipt;
  QImage m_reader, m_ours;
};

// The media box rounds A4 up to 595.50 x 842.25 points: a pixel more at most.
TEST_F(PdfRendering, TheReceiptPageHasTheSameSize) {
  EXPECT_NEAR(m_reader.width(), m_ours.width(), 1);
  EXPECT_NEAR(m_reader.height(), m_ours.height(), 1);
}

TEST_F(PdfRendering, EveryObjectsInkLiesWhereOurDrawingPutsIt) {
  const std::vector<ObjectArea> areas = ObjectAreas(*m_receipt.Pages().GetPage(0));
  ASSERT_GT(areas.size(), 50u);
  for (const ObjectArea& object : areas) {
    const QRect ours = InkBox(m_ours, object.area), reader = InkBox(m_reader, object.area);
    ASSERT_EQ(ours.isNull(), reader.isNull()) << object.name.toStdString();
    if (ours.isNull())
      continue;
    const std::string where = object.name.toStdString() + ": ours " + Text(ours) + ", reader's " + Text(reader);
    EXPECT_NEAR(reader.left(), ours.left(), Tolerance) << where;
    EXPECT_NEAR(reader.top(), ours.top(), Tolerance) << where;
    EXPECT_NEAR(reader.right(), ours.right(), Tolerance + LengthTolerance * ours.width()) << where;
    EXPECT_NEAR(reader.bottom(), ours.bottom(), Tolerance) << where;
  }
}

TEST_F(PdfRendering, EveryMemoBreaksIntoTheSameLines) {
  int multiLine = 0;
  for (const ObjectArea& object : ObjectAreas(*m_receipt.Pages().GetPage(0))) {
    if (!object.isMemo)
      continue;
    const std::vector<std::pair<int, int>> ours = InkRows(m_ours, object.area),
                                           reader = InkRows(m_reader, object.area);
    ASSERT_EQ(reader.size(), ours.size()) << object.name.toStdString();
    multiLine += ours.size() > 1;
    for (std::size_t line = 0; line < ours.size(); ++line) {
      EXPECT_NEAR(reader[line].first, ours[line].first, Tolerance) << object.name.toStdString() << " line " << line;
      EXPECT_NEAR(reader[line].second, ours[line].second, Tolerance) << object.name.toStdString() << " line " << line;
    }
  }
  EXPECT_GE(multiLine, 2) << "the reference wraps in both copies";
}

}  // namespace
