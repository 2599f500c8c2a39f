// The operators each kind of report object becomes in a page's content.
#include "PdfFile.h"
#include "PdfTools.h"
#include "report/model/Class.h"
#include "report/output/ExportPDF.h"
#include "report/output/PreviewPagesExport.h"
#include "tests/support/TestPreviewPages.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryFile>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

class PdfPageContent : public testing::Test {
protected:
  PdfPageContent() {
    m_page = &m_pages.AddPage();
    m_filter.Stream = &m_buffer;
    m_filter.Compressed = false;
  }

  template <class View>
  View& Add(double left, double top, double width, double height) {
    return m_page->Add<View>(left, top, width, height);
  }

  // The whole file, checked by qpdf.
  QByteArray Export() {
    m_buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(ExportPreviewPages(m_pages, &m_filter, {}));
    m_buffer.close();
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    file.write(m_buffer.data());
    file.close();
    const ToolResult checked = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), file.fileName()});
    EXPECT_EQ(checked.exitCode, 0) << checked.output.toStdString();
    return m_buffer.data();
  }

  QByteArray Content() {
    const QList<QByteArray> contents = PdfPageContents(Export());
    EXPECT_EQ(contents.size(), 1);
    return contents.value(0);
  }

  TestPreviewPages m_pages;
  TestPage* m_page;
  QBuffer m_buffer;
  quitanza::report::PDFExport m_filter;
};

// Page positions: x = (pixels + 37.7953) x 0.75 + 0.5, y = 841.75 - (pixels + 37.7953) x 0.75.

struct DashCase {
  quitanza::report::FrameStyle style;
  const char* dash;
};

class PdfDashLines : public PdfPageContent, public testing::WithParamInterface<DashCase> {};

TEST_P(PdfDashLines, FrameStyleGivesTheDashPatternOfALine) {
  Add<quitanza::report::LineView>(0, 0, 100, 0).Frame.SetStyle(GetParam().style);
  EXPECT_EQ(Content(), QByteArray(GetParam().dash) + "\r\n0 0 0 RG\r\n0.75 w\r\n28.85 813.40 m\r\n103.85 813.40 l\r\nS\r\n");
}

INSTANTIATE_TEST_SUITE_P(Styles, PdfDashLines,
                         testing::Values(DashCase{quitanza::report::FrameStyle::Solid, "[] 0 d"}, DashCase{quitanza::report::FrameStyle::Double, "[] 0 d"},
                                         DashCase{quitanza::report::FrameStyle::AltDot, "[] 0 d"}, DashCase{quitanza::report::FrameStyle::Square, "[] 0 d"},
                                         DashCase{quitanza::report::FrameStyle::Dash, "[6.00 ] 0 d"}, DashCase{quitanza::report::FrameStyle::Dot, "[2.00 6.00 ] 0 d"},
                                         DashCase{quitanza::report::FrameStyle::DashDot, "[6.00 6.00 2.00 6.00 ] 0 d"},
                                         DashCase{quitanza::report::FrameStyle::DashDotDot, "[6.00 6.00 2.00 6.00 2.00 6.00 ] 0 d"}),
                         [](const testing::TestParamInfo<DashCase>& info) {
                           return FrameStyleNames[static_cast<int>(info.param.style)].toString().toStdString();
                         });

TEST_F(PdfPageContent, ColoursAreBlackWhiteOrComponentsOverTwoFiftyFive) {
  Add<quitanza::report::LineView>(0, 0, 10, 0).Frame.SetColor(clWhite);
  Add<quitanza::report::LineView>(0, 0, 10, 0).Frame.SetColor(RGBColor(255, 128, 0));
  const QByteArray content = Content();
  EXPECT_TRUE(content.contains("\r\n1 1 1 RG\r\n"));
  EXPECT_TRUE(content.contains("\r\n1.00 0.50 0.00 RG\r\n"));
}

TEST_F(PdfPageContent, ShapeWithoutFillIsStrokedOnlyAndFilledShapeBoth) {
  Add<quitanza::report::ShapeView>(0, 0, 100, 40);
  quitanza::report::ShapeView& filled = Add<quitanza::report::ShapeView>(0, 100, 100, 40);
  filled.Color = clSilver;
  EXPECT_EQ(Content(),
            "[] 0 d\r\n0 0 0 RG\r\n0.75 w\r\n1.00 1.00 1.00 rg\r\n28.85 783.40 \r\n75.00 30.00 re\r\nS\r\n"
            "[] 0 d\r\n0 0 0 RG\r\n0.75 w\r\n0.75 0.75 0.75 rg\r\n28.85 708.40 \r\n75.00 30.00 re\r\nB\r\n");
}

TEST_F(PdfPageContent, EveryShapeIsAClosedOrOpenPath) {
  for (quitanza::report::ShapeKind kind : {quitanza::report::ShapeKind::RoundRectangle, quitanza::report::ShapeKind::Ellipse, quitanza::report::ShapeKind::Triangle, quitanza::report::ShapeKind::Diamond, quitanza::report::ShapeKind::Diagonal1, quitanza::report::ShapeKind::Diagonal2})
    Add<quitanza::report::ShapeView>(0, 0, 100, 40).Shape = kind;
  const QByteArray content = Content();
  EXPECT_EQ(content.count(" c\r\n"), 4 + 4);
  EXPECT_EQ(content.count("S\r\n"), 6);
}

TEST_F(PdfPageContent, MemoWithoutTextStillWritesClipFillAndFrame) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 100, 20);
  memo.Color = clWhite;
  memo.Frame.Typ = quitanza::report::FrameType::Top;
  EXPECT_EQ(Content(), "q\r\n28.10 797.65 76.50 16.50 re\r\nW\r\nn\r\n1 1 1 rg\r\n28.85 798.40 75.00 15.00 re\r\nf\r\n"
                       "0 0 0 RG\r\n[] 0 d\r\n0.75 w\r\n28.85 813.40 m\r\n103.85 813.40 l\r\nS\r\nQ\r\n");
}

TEST_F(PdfPageContent, MemoLinesShowGlyphCodesAtTheirBaselines) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 300, 40);
  memo.SetText(QStringLiteral(u"Açúcar\r\nCafé"));
  const QByteArray content = Content();
  EXPECT_TRUE(content.contains("\r\n/F0 10 Tf\r\n0 0 0 rg\r\n")) << content.toStdString();
  // left = 0 + the gap of 2 pixels, where a canvas starts the line; top = 1 - 1;
  // line height 11.67 + 2. Each glyph is moved to where the layout puts it.
  const QRegularExpression shown(
      QStringLiteral("BT\\r\\n(\\S+) (\\S+) Td\\r\\n\\[((?:<[0-9A-F]*>|-?[0-9.]+)+)\\] TJ\\r\\nET"));
  QList<QRegularExpressionMatch> lines;
  for (const QRegularExpressionMatch& match : shown.globalMatch(QString::fromLatin1(content)))
    lines.append(match);
  ASSERT_EQ(lines.size(), 2) << content.toStdString();
  EXPECT_EQ(lines[0].captured(1), QStringLiteral("30.35"));
  EXPECT_EQ(lines[1].captured(1), QStringLiteral("30.35"));
  QString codes = lines[0].captured(3);
  codes.remove(QRegularExpression(QStringLiteral(">-?[0-9.]*<|[<>]")));
  EXPECT_EQ(codes.size(), 6 * 4);
  EXPECT_GT(lines[0].captured(2).toDouble(), lines[1].captured(2).toDouble());
}

// Starting x of each shown line, in order.
QList<double> LineStarts(const QByteArray& content) {
  const QRegularExpression shown(QStringLiteral("BT\\r\\n(\\S+) \\S+ Td"));
  QList<double> starts;
  for (const QRegularExpressionMatch& match : shown.globalMatch(QString::fromLatin1(content)))
    starts.append(match.captured(1).toDouble());
  return starts;
}

TEST_F(PdfPageContent, JustifiedLinesAllStartAtTheLeftEdge) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 120, 100);
  memo.HAlign = quitanza::report::HAlign::Block;
  memo.SetText(QStringLiteral("uma frase longa que quebra em algumas linhas de texto"));
  const QList<double> starts = LineStarts(Content());
  ASSERT_GT(starts.size(), 2);
  for (double start : starts)
    EXPECT_DOUBLE_EQ(start, starts[0]);
}

TEST_F(PdfPageContent, ParagraphIndentOnlyOnTheMemosFirstLine) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 300, 100);
  memo.ParagraphGap = 20;
  memo.SetText(QStringLiteral("primeiro\r\nsegundo\r\nterceiro"));
  const QList<double> starts = LineStarts(Content());
  ASSERT_EQ(starts.size(), 3);
  EXPECT_NEAR(starts[0] - starts[1], 15.0, 0.011);
  EXPECT_DOUBLE_EQ(starts[1], starts[2]);
}

TEST_F(PdfPageContent, RightAndCentredLinesEndAtTheRightAndSitInTheMiddle) {
  for (quitanza::report::HAlign align : {quitanza::report::HAlign::Left, quitanza::report::HAlign::Right, quitanza::report::HAlign::Center}) {
    quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 300, 20);
    memo.HAlign = align;
    memo.SetText(QStringLiteral("Assinatura"));
  }
  const QList<double> starts = LineStarts(Content());
  ASSERT_EQ(starts.size(), 3);
  EXPECT_GT(starts[1], starts[2]);
  EXPECT_GT(starts[2], starts[0]);
  EXPECT_NEAR((starts[1] - starts[0]) / 2, starts[2] - starts[0], 0.02);
}

TEST_F(PdfPageContent, DropShadowShrinksTheBoxOfFillAndFrame) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 100, 20);
  memo.Color = clWhite;
  memo.Frame.DropShadow = true;
  const QByteArray content = Content();
  EXPECT_TRUE(content.contains("0 0 0 rg\r\n0 0 0 RG\r\n100.85 798.40 3.00 12.00 re\r\nB\r\n"
                               "31.85 798.40 72.00 3.00 re\r\nB\r\n"))
      << content.toStdString();
  EXPECT_TRUE(content.contains("1 1 1 rg\r\n28.85 801.40 72.00 12.00 re\r\nf\r\n")) << content.toStdString();
}

TEST_F(PdfPageContent, UnderlinedAndStruckOutFontsDrawTheirLines) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 300, 20);
  Font font;
  font.Style = FontStyle::Underline | FontStyle::StrikeOut;
  memo.SetFont(font);
  memo.SetText(QStringLiteral("Total"));
  const QByteArray content = Content();
  EXPECT_EQ(content.count("0 0 0 RG\r\n0.80 w\r\n"), 2) << content.toStdString();
}

TEST_F(PdfPageContent, RotatedMemoTurnsAroundItsCentre) {
  quitanza::report::MemoView& memo = Add<quitanza::report::MemoView>(0, 0, 20, 100);
  memo.Rotation = 90;
  memo.SetText(QStringLiteral("Vertical"));
  EXPECT_TRUE(Content().contains("0.00 1.00 -1.00 0.00 36.35 775.90 cm\r\n"));
}

TEST_F(PdfPageContent, TaggedMemoBecomesAnImageDrawnAtScaleTwoShiftedTwoPixels) {
  quitanza::report::MemoView& tagged = Add<quitanza::report::MemoView>(10, 10, 100, 20);
  tagged.AllowHTMLTags = true;
  tagged.SetText(QStringLiteral("<b>negrito</b>"));
  quitanza::report::MemoView& plain = Add<quitanza::report::MemoView>(10, 40, 100, 20);
  plain.SetText(QStringLiteral("a < b"));
  int painted = 0;
  m_filter.ObjectPainter = [&](quitanza::report::View& view, QImage& bitmap, double scale, double offsetX, double offsetY) {
    ++painted;
    EXPECT_EQ(&view, &tagged);
    EXPECT_EQ(view.Frame.Width(), 0) << "the frame is written as vector lines";
    EXPECT_EQ(bitmap.size(), QSize(202, 42));
    EXPECT_EQ(scale, 2);
    // The view's own left and top edges fall on the bitmap's pixels 2 and 0.
    EXPECT_NEAR(offsetX, 2 - 47.7953 * 2, 1e-3);
    EXPECT_NEAR(offsetY, -47.7953 * 2, 1e-3);
    bitmap.fill(Qt::black);
  };
  const QByteArray content = Content();
  EXPECT_EQ(painted, 1);
  EXPECT_TRUE(content.contains("q\r\n75.00 0 0 15.00 36.35 790.90 cm\r\n/Im0 Do\r\nQ\r\n"))
      << content.left(200).toStdString();
  EXPECT_TRUE(m_buffer.data().contains("/Subtype /Image /Width 202 /Height 42 /ColorSpace /DeviceRGB "
                                       "/BitsPerComponent 8 /Filter /DCTDecode /Length "));
  EXPECT_EQ(content.count("BT\r\n"), 1) << "the memo without tag permission is text";
}

// The JPEG of the first image object of a document.
QImage FirstImage(const QByteArray& pdf) {
  static const QByteArray lengthKey = "/Filter /DCTDecode /Length ";
  const qsizetype length = pdf.indexOf(lengthKey) + lengthKey.size();
  EXPECT_GT(length, lengthKey.size()) << "no image";
  const qsizetype data = pdf.indexOf("stream\r\n", length) + 8;
  return QImage::fromData(pdf.mid(data, pdf.mid(length, data - length).split(' ').first().toLongLong()), "JPEG");
}

// Dark pixels of an image in one of its rows of pixels and below, to `rows`.
int DarkPixels(const QImage& image, int top, int rows) {
  int dark = 0;
  for (int y = top; y < top + rows && y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

TEST_F(PdfPageContent, ByDefaultTheMemosOwnDrawingMakesTheImageOfItsTaggedText) {
  quitanza::report::MemoView& tagged = Add<quitanza::report::MemoView>(10, 10, 100, 20);
  tagged.AllowHTMLTags = true;
  tagged.SetText(QStringLiteral("<b>negrito</b> e <i>itálico</i>"));
  const QByteArray content = Content();
  EXPECT_FALSE(content.contains("BT\r\n")) << "no text operators for a tagged memo";
  const QImage image = FirstImage(m_buffer.data());
  ASSERT_EQ(image.size(), QSize(202, 42));
  // The text sits in the memo's first line, drawn at twice the report's size.
  EXPECT_GT(DarkPixels(image, 0, 30), 200);
  EXPECT_EQ(DarkPixels(image, 32, 10), 0);
}

TEST_F(PdfPageContent, AHatchedMemoIsAnImageWithItsHatching) {
  quitanza::report::MemoView& hatched = Add<quitanza::report::MemoView>(10, 10, 100, 20);
  hatched.BrushStyle = quitanza::report::BrushStyle::Horizontal;
  const QImage image = FirstImage(Export());
  ASSERT_EQ(image.size(), QSize(202, 42));
  EXPECT_GT(DarkPixels(image, 0, 42), 300) << "horizontal hatch lines in the frame colour";
}

TEST_F(PdfPageContent, WithoutAWayToDrawImagesTheExportFailsClearly) {
  Add<quitanza::report::MemoView>(10, 10, 100, 20).BrushStyle = quitanza::report::BrushStyle::Cross;
  m_filter.ObjectPainter = nullptr;
  m_buffer.open(QIODevice::WriteOnly);
  quitanza::report::Report report;
  quitanza::report::ExportContext context;
  context.Report = &report;
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
  EXPECT_FALSE(ExportPreviewPages(m_pages, &m_filter, context));
  EXPECT_TRUE(report.Errors.Text().contains(QStringLiteral("has no way to draw"))) << report.Errors.Text().toStdString();
}

// A 40 x 20 picture of one colour.
quitanza::report::Picture PlainPicture(Qt::GlobalColor colour) {
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(colour);
  quitanza::report::Picture picture;
  picture.SetImage(image);
  return picture;
}

TEST_F(PdfPageContent, PictureIsAJpegOfItsGraphic) {
  const quitanza::report::Picture picture = PlainPicture(Qt::red);
  Add<quitanza::report::PictureView>(0, 0, 80, 40).SetPicture(picture);
  m_filter.Quality = 50;
  const QImage decoded = FirstImage(Export());
  ASSERT_EQ(decoded.size(), QSize(162, 82));
  const QColor middle = decoded.pixelColor(80, 40);
  EXPECT_GT(middle.red(), 200);
  EXPECT_LT(middle.green(), 60);
}

TEST_F(PdfPageContent, APictureRepeatedOnEveryPageIsWrittenOnce) {
  const quitanza::report::Picture picture = PlainPicture(Qt::darkGreen);
  const quitanza::report::Picture otherPicture = PlainPicture(Qt::yellow);
  for (int page = 0; page < 50; ++page) {
    if (page > 0)
      m_page = &m_pages.AddPage();
    Add<quitanza::report::PictureView>(0, 0, 80, 40).SetPicture(picture);
    Add<quitanza::report::PictureView>(0, 300, 80, 40).SetPicture(picture);
  }
  Add<quitanza::report::PictureView>(0, 600, 80, 40).SetPicture(otherPicture);
  const QByteArray pdf = Export();
  EXPECT_EQ(pdf.count("/Subtype /Image"), 2);
  EXPECT_EQ(pdf.count("/XObject <<\r\n/Im0 "), 50);
  EXPECT_EQ(pdf.count(" 0 R\r\n/Im1 "), 1) << "the last page names both, once each";
  EXPECT_EQ(pdf.count("/Im0 Do\r\n"), 100);
}

// Pictures are drawn once per document for what they show and how: the same
// picture not stretched, or at another size, is another image.
TEST_F(PdfPageContent, TheSamePictureDrawnAnotherWayIsAnotherImage) {
  const quitanza::report::Picture picture = PlainPicture(Qt::darkGreen);
  Add<quitanza::report::PictureView>(0, 0, 80, 40).SetPicture(picture);
  Add<quitanza::report::PictureView>(100, 0, 80, 40).SetPicture(picture);
  quitanza::report::PictureView& unstretched = Add<quitanza::report::PictureView>(0, 100, 80, 40);
  unstretched.SetPicture(picture);
  unstretched.Stretched = false;
  Add<quitanza::report::PictureView>(0, 200, 60, 40).SetPicture(picture);
  const QByteArray pdf = Export();
  EXPECT_EQ(pdf.count("/Subtype /Image"), 3);
  EXPECT_EQ(pdf.count("/Im0 Do\r\n"), 2);
}

TEST_F(PdfPageContent, PageColourFillsThePrintableArea) {
  m_page->Page().BackPicture().Color = clSilver;
  EXPECT_EQ(Content(), "0.00 w\r\n0.75 0.75 0.75 RG\r\n0.75 0.75 0.75 rg\r\n28.35 28.35 m\r\n567.15 28.35 l\r\n"
                       "567.15 813.90 l\r\n28.35 813.90 l\r\nB\r\n");
}

TEST_F(PdfPageContent, LinksBecomeAnnotationsOfThePage) {
  Add<quitanza::report::MemoView>(0, 0, 100, 20).URL = QStringLiteral("https://exemplo.com.br/recibo?n=(42)");
  Add<quitanza::report::MemoView>(0, 30, 100, 20).URL = QStringLiteral(u"https://exemplo.com.br/ação");
  Add<quitanza::report::MemoView>(0, 60, 100, 20).URL = QStringLiteral("@1");
  Add<quitanza::report::MemoView>(0, 90, 100, 20).URL = QStringLiteral("#sem-ancora");
  const QByteArray file = Export();
  EXPECT_TRUE(file.contains("/Annots [\r\n2 0 R\r\n3 0 R\r\n4 0 R\r\n]\r\n"));
  EXPECT_TRUE(file.contains("/Rect [28.85 798.40 103.85 813.40]\r\n/BS << /W 0 >>\r\n/A <<\r\n"
                            "/URI (https://exemplo.com.br/recibo?n=(42))\r\n/Type /Action\r\n/S /URI\r\n>>\r\n"));
  EXPECT_TRUE(file.contains("/URI (https://exemplo.com.br/a%C3%A7%C3%A3o)"));
  EXPECT_TRUE(file.contains("/Border [16 16 0]\r\n/Dest [6 0 R /XYZ null 842 null]\r\n"));
}

TEST_F(PdfPageContent, SolidArrowHeadIsFilledWithTheLineColour) {
  quitanza::report::LineView& line = Add<quitanza::report::LineView>(0, 0, 100, 0);
  line.ArrowEnd = true;
  line.ArrowSolid = true;
  const QByteArray content = Content();
  // The tip at the end, the base 15 points back, the wings 3.75 above and below.
  EXPECT_TRUE(content.contains("[] 0 d\r\n88.85 809.65 m\r\n103.85 813.40 l\r\n88.85 817.15 l\r\n1 j\r\n0 0 0 rg\r\nb\r\n"))
      << content.toStdString();
}

}  // namespace
