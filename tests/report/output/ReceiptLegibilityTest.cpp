// A receipt shows what it certifies whole and legibly: texts too long for
// their boxes are set smaller, no line spills over its box, and the PDF
// places every line exactly where the canvas drawing does.
#include "PdfTools.h"
#include "app/TextFunctions.h"
#include "platform/graphics/PainterCanvas.h"
#include "report/model/Class.h"
#include "report/model/PreviewPages.h"
#include "report/output/PngExport.h"
#include "report/output/ExportPDFFile.h"
#include "tests/support/IssuedReceipt.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

namespace {

// Texts longer than their boxes take at the template's sizes.
const std::pair<const char*, const char16_t*> kLongTexts[] = {
    {"Empresa", u"CONSTRUTORA E INCORPORADORA HORIZONTE AZUL DO NORDESTE BRASILEIRO LTDA"},
    {"Endereco", u"Avenida Governador Agamenon Magalhães, 4775, Sala 1203, Empresarial Center, Boa Vista"},
    {"Email_Site", u"financeiro@construtorahorizonteazul.com.br / https://www.construtorahorizonteazul.com.br"},
    {"Cliente", u"MARIA APARECIDA DOS SANTOS OLIVEIRA DE ALBUQUERQUE CAVALCANTI MARIA APARECIDA DOS SANTOS "
                u"OLIVEIRA DE ALBUQUERQUE"},
    {"Informacao", u"SETECENTOS E SETENTA E SETE MILHÕES, SETECENTOS E SETENTA E SETE MIL, SETECENTOS E SETENTA "
                   u"E SETE REAIS E SETENTA E SETE CENTAVOS"},
};

void FillLongReceipt(quitanza::report::Report& report)
{
  FillReceipt(report);
  for (const auto& [name, text] : kLongTexts)
    report.Variables.SetValue(QString::fromLatin1(name), QuotedStr(QString::fromUtf16(text)));
}

constexpr int Dpi = 300;
constexpr double Scale = Dpi / 96.0;

// The smallest rectangle holding the ink of `image`, rows and columns inked
// nearly across left out: they are frame and shape lines along a box, not text.
QRect InkBox(const QImage& image)
{
  const auto inked = [&](int x, int y) { return qGray(image.pixel(x, y)) < 160; };
  std::vector<int> rows(std::size_t(image.height()), 0), columns(std::size_t(image.width()), 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (inked(x, y)) {
        ++rows[std::size_t(y)];
        ++columns[std::size_t(x)];
      }
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (inked(x, y) && rows[std::size_t(y)] <= image.width() * 8 / 10 &&
          columns[std::size_t(x)] <= image.height() * 8 / 10)
        box |= QRect(x, y, 1, 1);
  return box;
}

// A view of the prepared page drawn alone, on a piece of paper around `area`
// (its box): what is drawn outside the piece is lost, so the piece reaches a
// generous margin beyond the box.
constexpr int Margin = 40;
QImage DrawOnly(const quitanza::report::ReportPage& page, quitanza::report::View& shown, const QRect& area)
{
  const QRect piece = area.adjusted(-Margin, -Margin, Margin, Margin);
  QImage image(piece.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PainterCanvas canvas(painter, Dpi, Dpi, false);
  shown.Draw(canvas, Scale, Scale, double(page.LeftMargin * fr1mm) * Scale - piece.left(),
             double(page.TopMargin * fr1mm) * Scale - piece.top());
  painter.end();
  return image;
}

QRect PaperRect(const quitanza::report::ReportPage& page, const quitanza::report::View& view)
{
  const double left = double(page.LeftMargin * fr1mm), top = double(page.TopMargin * fr1mm);
  return QRectF((double(view.AbsLeft()) + left) * Scale, (double(view.AbsTop()) + top) * Scale,
                double(view.Width()) * Scale, double(view.Height()) * Scale)
      .toAlignedRect();
}

class ReceiptLegibility : public testing::Test {
protected:
  void SetUp() override
  {
    FillLongReceipt(m_report);
    ASSERT_TRUE(m_report.PrepareReport());
    m_page = m_report.PreviewPages().GetPage(0);
    ASSERT_NE(m_page, nullptr);
  }

  std::vector<quitanza::report::MemoView*> Memos() const
  {
    std::vector<quitanza::report::MemoView*> memos;
    for (quitanza::report::Component* band : m_page->Objects())
      for (quitanza::report::Component* object : band->Objects())
        if (auto* memo = dynamic_cast<quitanza::report::MemoView*>(object); memo && !memo->Text().trimmed().isEmpty())
          memos.push_back(memo);
    return memos;
  }

  quitanza::report::Report m_report;
  quitanza::report::ReportPage* m_page = nullptr;
};

TEST_F(ReceiptLegibility, LongTextsAreShrunkToFitWholeAndNoneIsCut)
{
  EXPECT_TRUE(m_report.TextsCut.isEmpty()) << m_report.TextsCut.join(u' ').toStdString();
  for (const auto& [name, text] : kLongTexts) {
    const auto* memo = dynamic_cast<quitanza::report::MemoView*>(m_page->FindObject(QString::fromLatin1(name)));
    ASSERT_NE(memo, nullptr) << name;
    EXPECT_LT(memo->Font().Size(), 10) << name;
    EXPECT_GE(memo->Font().Size(), memo->MinFontSize) << name;
  }
}

// Every text's ink, drawn alone, lies inside its own box: no line, no accent
// of a hidden line, spills onto the objects around it.
TEST_F(ReceiptLegibility, EveryTextsInkStaysInsideItsBox)
{
  for (quitanza::report::MemoView* memo : Memos()) {
    const QRect area = PaperRect(*m_page, *memo);
    const QRect box = QRect(QPoint(Margin, Margin), area.size()).adjusted(-1, -1, 1, 1);
    const QRect ink = InkBox(DrawOnly(*m_page, *memo, area));
    EXPECT_TRUE(box.contains(ink)) << memo->Name().toStdString() << ": ink (" << ink.left() << ", " << ink.top()
                                   << ")-(" << ink.right() << ", " << ink.bottom() << ") outside its box ("
                                   << box.left() << ", " << box.top() << ")-(" << box.right() << ", "
                                   << box.bottom() << ")";
  }
}

// The PDF sets every text where the canvas does: it starts where the drawing
// starts it (but for the half point every PDF position is shifted by) and
// its longest line is as wide, within the pixels that anti-aliasing blurs (a
// pixel at 300 dpi is a quarter of a point).
TEST_F(ReceiptLegibility, PdfLinesCoverWhatTheDrawingCovers)
{
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("recibo.pdf"));
  ExportPDFFile(m_report.PreviewPages(), pdf, {});
  const QImage reader = RenderPdfPage(pdf, 1, Dpi).convertToFormat(QImage::Format_RGB32);
  const QImage ours = RenderPage(m_report.PreviewPages(), 0, Dpi).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(reader.isNull());
  if (qEnvironmentVariableIsSet("QUITANZA_KEEP_RENDERINGS")) {
    reader.save(QStringLiteral(QUITANZA_BINARY_DIR "/legible_pdftoppm.png"));
    ours.save(QStringLiteral(QUITANZA_BINARY_DIR "/legible_ours.png"));
  }
  // Texts whose boxes overlap another's (the issuer's address and city lines
  // do) share rows of ink with it; the others are compared line by line.
  const std::vector<quitanza::report::MemoView*> memos = Memos();
  const auto overlapsAnother = [&](const quitanza::report::MemoView* memo) {
    return std::any_of(memos.begin(), memos.end(), [&](const quitanza::report::MemoView* other) {
      return other != memo && PaperRect(*m_page, *other).intersects(PaperRect(*m_page, *memo));
    });
  };
  int compared = 0;
  for (const quitanza::report::MemoView* memo : memos) {
    if (overlapsAnother(memo))
      continue;
    const std::string name = memo->Name().toStdString();
    const QRect area = PaperRect(*m_page, *memo);
    const QRect drawn = InkBox(ours.copy(area)), exported = InkBox(reader.copy(area));
    ASSERT_EQ(drawn.isNull(), exported.isNull()) << name;
    EXPECT_NEAR(exported.left(), drawn.left(), 3) << name;
    EXPECT_NEAR(exported.width(), drawn.width(), 2) << name;
    ++compared;
  }
  EXPECT_GE(compared, 30);
}

}  // namespace
