#include "app/manual/ManualLayout.h"

#include "report/model/Class.h"
#include "report/model/Units.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace quitanza::app {

using namespace platform;
using namespace report;

namespace {

constexpr long double Margin = 20 * fr1mm;
constexpr long double PageHeight = 297 * fr1mm;
constexpr long double TextWidth = 170 * fr1mm;
constexpr long double Bottom = PageHeight - 2 * Margin;

struct BlockLook {
  int Pixels;
  bool Bold;
  long double SpaceAfter;
};

BlockLook LookOf(ManualBlock::BlockKind kind)
{
  switch (kind) {
  case ManualBlock::BlockKind::Title: return {24, true, 14};
  case ManualBlock::BlockKind::Heading: return {17, true, 6};
  case ManualBlock::BlockKind::Paragraph: return {13, false, 9};
  case ManualBlock::BlockKind::Picture: return {13, false, 14};
  }
  return {13, false, 9};
}

// The height the report's text engine needs for the text, with room to
// spare: Arial's metric twin measures as the engine's Arial does.
long double TextHeight(const QString& text, const BlockLook& look)
{
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(look.Pixels);
  font.setBold(look.Bold);
  const QFontMetricsF metrics(font);
  const QRectF bounds = metrics.boundingRect(QRectF(0, 0, static_cast<qreal>(TextWidth) * 0.93, 1e6),
                                             Qt::TextWordWrap, text);
  const long double lines = std::ceil(bounds.height() / metrics.lineSpacing());
  return lines * metrics.lineSpacing() * 1.2L + 6;
}

class Pages {
public:
  explicit Pages(Report& report) : m_report(report) {}

  // The page on which `height` more fits, starting a new one when needed.
  ReportPage& Room(long double height)
  {
    if (!m_page || m_top + height > Bottom)
      NewPage();
    return *m_page;
  }
  long double Top() const { return m_top; }
  void Advance(long double height) { m_top += height; }

private:
  void NewPage()
  {
    m_page = new ReportPage(&m_report);
    m_page->SetName(QStringLiteral("Page%1").arg(++m_count));
    m_page->SetPaperSize(9);
    m_page->LeftMargin = m_page->RightMargin = m_page->TopMargin = m_page->BottomMargin = 20;
    m_top = 0;
  }

  Report& m_report;
  ReportPage* m_page = nullptr;
  int m_count = 0;
  long double m_top = 0;
};

void AddText(Pages& pages, const ManualBlock& block, int index)
{
  const BlockLook look = LookOf(block.Kind);
  const long double height = TextHeight(block.Text, look);
  ReportPage& page = pages.Room(height);
  auto* memo = new MemoView(&page);
  memo->SetName(QStringLiteral("Texto%1").arg(index));
  memo->SetText(block.Text);
  memo->HAlign = block.Kind == ManualBlock::BlockKind::Paragraph ? HAlign::Block : HAlign::Left;
  Font font;
  font.Height = -look.Pixels;
  font.Style = look.Bold ? FontStyles(FontStyle::Bold) : FontStyles();
  memo->SetFont(font);
  memo->SetBounds(0, pages.Top(), TextWidth, height);
  pages.Advance(height + look.SpaceAfter);
}

void AddPicture(Pages& pages, const QImage& image, int index)
{
  if (image.isNull())
    return;
  const long double width = std::min<long double>(TextWidth, image.width() / image.devicePixelRatio());
  const long double height = width * image.height() / image.width();
  ReportPage& page = pages.Room(height);
  auto* view = new PictureView(&page);
  view->SetName(QStringLiteral("Figura%1").arg(index));
  view->Center = true;
  Picture picture;
  picture.SetImage(image);
  view->SetPicture(picture);
  view->SetBounds((TextWidth - width) / 2, pages.Top(), width, height);
  pages.Advance(height + LookOf(ManualBlock::BlockKind::Picture).SpaceAfter);
}

}  // namespace

void BuildManual(Report& report, const std::vector<ManualBlock>& blocks,
                 const std::function<QImage(const QString& window)>& windowPicture)
{
  report.Clear();
  Pages pages(report);
  int index = 0;
  for (const ManualBlock& block : blocks) {
    ++index;
    if (block.Kind == ManualBlock::BlockKind::Picture)
      AddPicture(pages, windowPicture(block.Text), index);
    else
      AddText(pages, block, index);
  }
}

}  // namespace quitanza::app
