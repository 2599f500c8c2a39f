#include "report/preview/PreviewWorkspace.h"

#include "platform/graphics/PainterCanvas.h"
#include "report/model/DrawPage.h"
#include "report/model/PageSource.h"
#include "report/preview/TextSearch.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace quitanza::report {

using namespace platform;

namespace {

const QColor kBackColor(0x80, 0x80, 0x80);
const QColor kFrameColor(Qt::black);
// 0x804020 in the report's 0xBBGGRR order.
const QColor kActiveFrameColor(0x20, 0x40, 0x80);
// Room the layout leaves beside the pages, as the rows' edges need it.
constexpr int kLayoutMargin = 26;
constexpr double kThumbnailZoom = 0.1;

QSize Scaled(QSize size, double zoom)
{
  return {static_cast<int>(std::lround(size.width() * zoom)), static_cast<int>(std::lround(size.height() * zoom))};
}

}  // namespace

PreviewWorkspace::PreviewWorkspace(bool thumbnail, QWidget* parent)
    : QAbstractScrollArea(parent), m_thumbnail(thumbnail), m_zoom(thumbnail ? kThumbnailZoom : 1)
{
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  verticalScrollBar()->setSingleStep(kSmallStep);
  horizontalScrollBar()->setSingleStep(kSmallStep);
  verticalScrollBar()->setPageStep(kLargeStep);
  horizontalScrollBar()->setPageStep(kLargeStep);
  viewport()->setMouseTracking(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

int PreviewWorkspace::LayoutWidth() const
{
  return width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - kLayoutMargin;
}

void PreviewWorkspace::RebuildPageList(int count)
{
  m_list.Clear();
  if (!m_pages)
    return;
  for (int i = 0; i < count; ++i)
    m_list.AddPage(Scaled(m_pages->GetPageSize(i), m_zoom));
}

void PreviewWorkspace::AddPage(int index)
{
  if (m_pages && index == m_list.Count())
    m_list.AddPage(Scaled(m_pages->GetPageSize(index), m_zoom));
}

void PreviewWorkspace::CalcBounds()
{
  m_list.CalcBounds(LayoutWidth());
  const QSize viewSize = viewport()->size();
  m_adjusting = true;
  horizontalScrollBar()->setRange(0, std::max(0, m_list.MaxWidth() + 10 - viewSize.width()));
  verticalScrollBar()->setRange(0, std::max(0, m_list.Bottom() + 10 - viewSize.height()));
  horizontalScrollBar()->setPageStep(std::max(kLargeStep, viewSize.width()));
  m_adjusting = false;
  viewport()->update();
}

void PreviewWorkspace::SetPageIndex(int index)
{
  if (index == m_pageIndex)
    return;
  const QPoint offset = Offset();
  // Only the two frames change.
  const QRect before = PageBounds(m_pageIndex).adjusted(-3, -3, 3, 3).translated(-offset);
  const QRect after = PageBounds(index).adjusted(-3, -3, 3, 3).translated(-offset);
  m_pageIndex = index;
  viewport()->update(before);
  viewport()->update(after);
}

QPoint PreviewWorkspace::Offset() const
{
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void PreviewWorkspace::SetOffset(QPoint offset)
{
  m_adjusting = true;
  horizontalScrollBar()->setValue(offset.x());
  verticalScrollBar()->setValue(offset.y());
  m_adjusting = false;
}

void PreviewWorkspace::ScrollToPage(int index, int top)
{
  SetOffset({Offset().x(), PageBounds(index).top() - 10 + top});
}

int PreviewWorkspace::PageAtTop() const
{
  return m_list.FindPage(Offset().y());
}

void PreviewWorkspace::ScrollIntoView(const QRect& rect)
{
  QPoint offset = Offset();
  const QSize view = viewport()->size();
  if (rect.top() < offset.y() || rect.bottom() > offset.y() + view.height())
    offset.setY(rect.bottom() - view.height() + 20);
  if (rect.left() < offset.x() || rect.right() > offset.x() + view.width())
    offset.setX(rect.right() - view.width() + 20);
  SetOffset(offset);
}

void PreviewWorkspace::SetLocked(bool locked)
{
  m_locked = locked;
  viewport()->update();
}

void PreviewWorkspace::SetShowFound(bool show)
{
  m_showFound = show;
  viewport()->update();
}

void PreviewWorkspace::paintEvent(QPaintEvent* event)
{
  QPainter painter(viewport());
  const QRect exposed = event->rect();
  painter.fillRect(exposed, kBackColor);
  if (m_locked || !m_pages || m_list.Count() == 0)
    return;
  const int top = PageAtTop();
  const int last = std::min(m_list.Count() - 1, top + kPagesAround);
  for (int index = std::max(0, top - kPagesAround); index <= last; ++index)
    PaintPage(painter, index, exposed);
}

void PreviewWorkspace::PaintPage(QPainter& painter, int index, const QRect& exposed)
{
  const QRect page = PageBounds(index).translated(-Offset());
  if (!page.adjusted(-2, -2, 2, 2).intersects(exposed))
    return;
  if (index == m_pageIndex && !m_thumbnail) {
    painter.setPen(QPen(kActiveFrameColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(page).adjusted(-1, -1, 1, 1));
  }
  painter.fillRect(page, Qt::white);
  painter.setPen(kFrameColor);
  painter.drawRect(page.adjusted(0, 0, -1, -1));

  // In device pixels: the report's drawing places every object and glyph on
  // the screen's own pixel grid instead of scaling a bitmap.
  const double ratio = viewport()->devicePixelRatioF();
  painter.save();
  painter.setClipRect(exposed & page);
  painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
  PainterCanvas canvas(painter, 96, 96, false);
  DrawPage(*m_pages, index, canvas, m_zoom * ratio, m_zoom * ratio, page.left() * ratio, page.top() * ratio);
  painter.restore();

  if (m_thumbnail) {
    painter.setFont(QFont(QStringLiteral("Arial"), 8));
    const QString number = QStringLiteral(" %1 ").arg(index + 1);
    const QRect label = painter.fontMetrics().boundingRect(number).translated(-painter.fontMetrics().boundingRect(number).topLeft());
    painter.fillRect(label.translated(page.topLeft()), kBackColor);
    painter.setPen(Qt::white);
    painter.drawText(label.translated(page.topLeft()), Qt::AlignLeft | Qt::AlignTop, number);
  }
  if (m_showFound && !m_thumbnail && TextSearch::Global().Found() && TextSearch::Global().FoundPage() == index)
    PaintFoundText(painter, page);
}

void PreviewWorkspace::PaintFoundText(QPainter& painter, const QRect& page)
{
  const QRect found = TextSearch::Global().FoundRect();
  const QRect area(QPoint(page.left() + static_cast<int>(std::lround(found.left() * m_zoom)) - 1,
                          page.top() + static_cast<int>(std::lround(found.top() * m_zoom))),
                   QPoint(page.left() + static_cast<int>(std::lround((found.right() + 1) * m_zoom)),
                          page.top() + static_cast<int>(std::lround((found.bottom() + 1) * m_zoom)) - 1));
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(area, Qt::white);
  painter.restore();
}

void PreviewWorkspace::resizeEvent(QResizeEvent* event)
{
  QAbstractScrollArea::resizeEvent(event);
  CalcBounds();
}

void PreviewWorkspace::scrollContentsBy(int, int)
{
  viewport()->update();
  if (!m_adjusting)
    Q_EMIT TopPageChanged(PageAtTop());
}

void PreviewWorkspace::wheelEvent(QWheelEvent* event)
{
  const int notches = event->angleDelta().y() / 120;
  if (event->modifiers() & Qt::ControlModifier)
    Q_EMIT ZoomWheel(notches);
  else
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * kWheelStep);
  event->accept();
}

void PreviewWorkspace::keyPressEvent(QKeyEvent* event)
{
  const bool control = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
  case Qt::Key_Up:
    verticalScrollBar()->setValue(verticalScrollBar()->value() - kSmallStep);
    break;
  case Qt::Key_Down:
    verticalScrollBar()->setValue(verticalScrollBar()->value() + kSmallStep);
    break;
  case Qt::Key_Left:
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - kSmallStep);
    break;
  case Qt::Key_Right:
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + kSmallStep);
    break;
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
    if (control) {
      Q_EMIT NavigationKey(event->key(), true);
    } else {
      const int step = event->key() == Qt::Key_PageUp ? -kLargeStep : kLargeStep;
      verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
    }
    break;
  case Qt::Key_Home:
  case Qt::Key_End:
    Q_EMIT NavigationKey(event->key(), control);
    break;
  default:
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  event->accept();
}

int PreviewWorkspace::PageAt(QPoint workspacePoint) const
{
  const int top = PageAtTop();
  const int last = std::min(m_list.Count() - 1, top + kPagesAround);
  for (int index = std::max(0, top - kPagesAround); index <= last; ++index) {
    if (PageBounds(index).contains(workspacePoint))
      return index;
  }
  return -1;
}

void PreviewWorkspace::mousePressEvent(QMouseEvent* event)
{
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  m_dragStart = event->position().toPoint();
  m_dragOffset = Offset();
  m_dragging = false;
  event->accept();
}

void PreviewWorkspace::mouseMoveEvent(QMouseEvent* event)
{
  if (!(event->buttons() & Qt::LeftButton)) {
    Q_EMIT Hovered(event->position().toPoint() + Offset());
    return;
  }
  const QPoint moved = event->position().toPoint() - m_dragStart;
  if (!m_dragging && moved.manhattanLength() < 3)
    return;
  // The hand tool: the pages follow the mouse.
  m_dragging = true;
  viewport()->setCursor(Qt::ClosedHandCursor);
  horizontalScrollBar()->setValue(m_dragOffset.x() - moved.x());
  verticalScrollBar()->setValue(m_dragOffset.y() - moved.y());
}

void PreviewWorkspace::mouseReleaseEvent(QMouseEvent* event)
{
  if (event->button() != Qt::LeftButton)
    return;
  if (m_dragging)
    viewport()->unsetCursor();
  if (!m_dragging) {
    const QPoint point = event->position().toPoint() + Offset();
    const int index = PageAt(point);
    if (index >= 0)
      Q_EMIT PageClicked(index);
    Q_EMIT Clicked(point);
  }
  m_dragging = false;
}

void PreviewWorkspace::mouseDoubleClickEvent(QMouseEvent* event)
{
  Q_EMIT DoubleClicked();
  event->accept();
}

}  // namespace quitanza::report
