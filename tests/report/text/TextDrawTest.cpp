#include "TextEngineFixture.h"

#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/RecordingCanvas.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <numeric>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

struct Memo {
  QStringList text;
  quitanza::platform::Rect box;  // report pixels
  quitanza::report::HAlign hAlign = HAlign::Left;
  quitanza::report::VAlign vAlign = VAlign::Top;
  int rotation = 0;
  FontStyles style = {};
  bool tags = false;
};

const QStringList paragraph = {QStringLiteral(
    u"Recebemos de Maria das Graças Conceição a importância de duzentos e trinta e quatro reais e "
    u"cinquenta e seis centavos, referente à manutenção do jardim no mês de março, e para maior "
    u"clareza firmamos o presente recibo.")};

double sum(const std::vector<double>& values)
{
  return std::accumulate(values.begin(), values.end(), 0.0);
}

}  // namespace

class TextDrawingTest : public TextEngineTest {
protected:
  void draw(Canvas& canvas, const Memo& memo, double scale)
  {
    quitanza::platform::Font font;
    font.SetSize(10);
    font.Style = memo.style;
    engine.SetFont(font);
    engine.SetOptions(true, memo.tags, false, false, true, true, memo.rotation);
    engine.SetGaps(0, 0, 2);
    const auto device = [scale](int v) { return static_cast<int>(std::nearbyint(v * scale)); };
    const quitanza::platform::Rect scaled{device(memo.box.Left), device(memo.box.Top), device(memo.box.Right), device(memo.box.Bottom)};
    engine.SetDimensions(scale, scale, 1, memo.box, scaled);
    engine.SetText(memo.text);
    engine.DrawText(canvas, memo.hAlign, memo.vAlign);
  }

  std::vector<RecordingCanvas::TextRun> record(const Memo& memo, double scale = 1)
  {
    RecordingCanvas canvas;
    draw(canvas, memo, scale);
    return canvas.TextRuns();
  }
};

TEST_F(TextDrawingTest, EmptyLineIsDrawnAsOneSpace)
{
  const auto runs = record({{QString()}, {0, 0, 100, 50}});
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].Text, QStringLiteral(" "));
  EXPECT_TRUE(record({{}, {0, 0, 100, 50}}).empty());
}

TEST_F(TextDrawingTest, CenteredBlockMovesByHalfTheFreeSpaceRoundedToEven)
{
  // One line blocks 15 pixels (83 + 2 x 6.25 design pixels at 6.25 per pixel).
  const struct { int height; int drop; } cases[] = {{20, 2}, {22, 4}, {15, 0}};
  for (const auto& c : cases) {
    const auto runs = record({{QStringLiteral("x")}, {0, 10, 100, 10 + c.height}, HAlign::Left, VAlign::Center});
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Y, 10 + c.drop) << "free space " << c.height - 15;
  }
  const auto bottom = record({{QStringLiteral("x")}, {0, 10, 100, 30}, HAlign::Left, VAlign::Bottom});
  EXPECT_EQ(bottom[0].Y, 15);
}

TEST_F(TextDrawingTest, JustifiedLinesGiveTheirExtraWidthToSpacesOnly)
{
  const Memo left{paragraph, {0, 0, 180, 400}, HAlign::Left};
  Memo block = left;
  block.hAlign = HAlign::Block;
  const auto plain = record(left);
  const auto justified = record(block);
  ASSERT_EQ(plain.size(), justified.size());
  ASSERT_GE(plain.size(), 3u);
  for (std::size_t i = 0; i + 1 < plain.size(); ++i) {
    const auto& before = plain[i].Advances;
    const auto& after = justified[i].Advances;
    ASSERT_EQ(before.size(), after.size());
    // The whole line length, less the one pixel the text area's right edge takes.
    EXPECT_NEAR(sum(after), 180, 1e-6) << i;
    std::vector<double> extra;
    for (std::size_t k = 0; k < after.size(); ++k) {
      if (justified[i].Text[k] != u' ')
        EXPECT_DOUBLE_EQ(after[k], before[k]) << i << ":" << k;
      else
        extra.push_back(after[k] - before[k]);
    }
    ASSERT_FALSE(extra.empty());
    // Every space widened alike.
    EXPECT_NEAR(*std::max_element(extra.begin(), extra.end()), *std::min_element(extra.begin(), extra.end()), 1e-9);
  }
  EXPECT_EQ(justified.back().Advances, plain.back().Advances);  // a paragraph's last line stays left
  EXPECT_EQ(justified.back().X, plain.back().X);
}

TEST_F(TextDrawingTest, JustifiedLineWithoutSpacesIsLeftAligned)
{
  const auto runs = record({{QStringLiteral("abcdefghijklmnop")}, {0, 0, 30, 400}, HAlign::Block});
  ASSERT_GE(runs.size(), 2u);
  const auto left = record({{QStringLiteral("abcdefghijklmnop")}, {0, 0, 30, 400}, HAlign::Left});
  EXPECT_EQ(runs[0].Advances, left[0].Advances);
}

TEST_F(TextDrawingTest, RightAlignedBoldEndsOnePixelFurtherLeft)
{
  const auto regular = record({{QStringLiteral("Total")}, {0, 0, 100, 20}, HAlign::Right});
  const auto bold = record({{QStringLiteral("Total")}, {0, 0, 100, 20}, HAlign::Right, VAlign::Top, 0, FontStyle::Bold});
  EXPECT_NEAR(regular[0].X + sum(regular[0].Advances), 100, 0.5);
  EXPECT_NEAR(bold[0].X + sum(bold[0].Advances), 99, 0.5);
}

TEST_F(TextDrawingTest, RotationMinusNinetyIsDrawnAsTwoSeventy)
{
  const auto turned = record({{QStringLiteral("abc")}, {10, 20, 40, 120}, HAlign::Left, VAlign::Top, -90});
  const auto reference = record({{QStringLiteral("abc")}, {10, 20, 40, 120}, HAlign::Left, VAlign::Top, 270});
  ASSERT_EQ(turned.size(), 1u);
  EXPECT_EQ(turned[0].Font.Orientation, 2700);
  EXPECT_EQ(turned[0].X, 40);  // starts at the right top corner, reading down
  EXPECT_EQ(turned[0].Y, 20);
  EXPECT_EQ(turned[0].Bounds, reference[0].Bounds);
}

TEST_F(TextDrawingTest, FormattingRunsAreDrawnSeparately)
{
  const auto runs = record({{QStringLiteral("<b>Recibo</b> n<sub>2</sub>")}, {0, 0, 300, 40}, HAlign::Left, VAlign::Top, 0, {}, true});
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].Text, QStringLiteral("Recibo"));
  EXPECT_EQ(runs[0].Font.Style, FontStyle::Bold);
  EXPECT_EQ(runs[1].Text, QStringLiteral(" n"));
  EXPECT_EQ(runs[1].Font.Style, 0);
  EXPECT_NEAR(runs[1].X, runs[0].X + sum(runs[0].Advances), 0.5);
  EXPECT_EQ(runs[2].Text, QStringLiteral("2"));
  EXPECT_EQ(runs[2].Y, runs[1].Y + 7);  // a subscript drops by its size
  EXPECT_LT(std::abs(runs[2].Font.Height), std::abs(runs[1].Font.Height));
}

TEST_F(TextDrawingTest, SameLinesAndDesignWidthsAtEveryZoomAndOnAPrinter)
{
  const Memo memo{paragraph, {20, 30, 200, 400}, HAlign::Left};
  struct Surface { double scale; int ppi; bool printer; };
  const Surface surfaces[] = {{1, 96, false}, {2.5, 96, false}, {600 / 96.0, 600, true}};
  std::vector<QString> reference;
  for (const Surface& s : surfaces) {
    RecordingCanvas canvas(s.ppi, s.ppi, s.printer);
    draw(canvas, memo, s.scale);
    const auto& runs = canvas.TextRuns();
    std::vector<QString> lines;
    for (const auto& run : runs)
      lines.push_back(run.Text);
    if (reference.empty())
      reference = lines;
    EXPECT_EQ(lines, reference) << s.scale;
    for (const auto& run : runs) {
      const double designed = designWidth(run.Text) / 6.25 * s.scale;
      EXPECT_NEAR(sum(run.Advances), designed, 1e-6) << s.scale << " " << run.Text.toStdString();
      // Each character where the design puts it, fraction and all: a glyph
      // rounded to whole pixels would open gaps inside words.
      std::vector<int> design;
      MeasureDesign(run.Text, design);
      for (std::size_t k = 0; k < design.size(); ++k)
        EXPECT_NEAR(run.Advances[k], design[k] / 6.25 * s.scale, 1e-9) << s.scale << " " << k;
    }
    // The block is as tall as designed: n lines of 83/6.25 + 2 report pixels.
    const double pitch = (83 / 6.25 + 2) * s.scale;
    EXPECT_LE(std::abs(runs.back().Y - runs.front().Y - pitch * double(runs.size() - 1)), 1.0) << s.scale;
  }
}

TEST_F(TextDrawingTest, GlyphsOnAnImageStayWithinTheirDesignedLines)
{
  const double zoom = 2.5;
  const Memo memo{paragraph, {4, 4, 184, 200}, HAlign::Left};
  QImage image(500, 520, QImage::Format_RGB32);
  image.fill(Qt::white);
  RecordingCanvas record;
  draw(record, memo, zoom);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    draw(canvas, memo, zoom);
  }
  for (const auto& run : record.TextRuns()) {
    int inkLeft = image.width(), inkRight = -1;
    for (int y = run.Bounds.Top; y < run.Bounds.Bottom; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) {
          inkLeft = std::min(inkLeft, x);
          inkRight = std::max(inkRight, x);
        }
    ASSERT_GE(inkRight, 0) << run.Text.toStdString();
    EXPECT_GE(inkLeft, run.Bounds.Left);
    EXPECT_LE(inkRight, run.Bounds.Right + 1);
    EXPECT_GE(inkRight, run.Bounds.Right - 6);  // ends with a glyph, not short of the line
  }
}

TEST_F(TextDrawingTest, WrappedParagraphMatchesItsGoldenImage)
{
  const Memo memo{paragraph, {4, 4, 184, 150}, HAlign::Block};
  QImage image(470, 380, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    draw(canvas, memo, 2.5);
  }
  const QString golden = QStringLiteral(QUITANZA_TEST_DATA "/text/wrapped_paragraph.png");
  if (qEnvironmentVariableIsSet("QUITANZA_UPDATE_GOLDEN")) {
    QDir().mkpath(QStringLiteral(QUITANZA_TEST_DATA "/text"));
    ASSERT_TRUE(image.save(golden));
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(expected.size(), image.size()) << "missing or resized golden image";
  int differing = 0, inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      inked += qGray(expected.pixel(x, y)) < 128;
      differing += std::abs(qGray(image.pixel(x, y)) - qGray(expected.pixel(x, y))) > 96;
    }
  // Anti-aliasing may change between library versions; the glyphs may not.
  EXPECT_GT(inked, 3000);
  EXPECT_LT(differing, inked / 50) << "saved as " << QUITANZA_BINARY_DIR "/wrapped_paragraph.png"
                                   << image.save(QStringLiteral(QUITANZA_BINARY_DIR "/wrapped_paragraph.png"));
}
