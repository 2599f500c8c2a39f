#include "report/model/LineView.h"

#include "report/model/ViewPainting.h"

#include <QPointF>

#include <cmath>
#include <cstdlib>

namespace quitanza::report {

using namespace platform;

void CustomLineView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  if (!Diagonal) {
    if (Width() <= Height()) {
      SetWidth(0);
      Frame.Typ = FrameType::Left;
    } else {
      SetHeight(0);
      Frame.Typ = FrameType::Top;
    }
  }
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  if (!Diagonal) {
    PaintFrame();
  } else if (Frame.Color() != clNone && Frame.Width() != 0) {
    canvas.Brush = SolidBrush(Color);
    canvas.Pen = ThinPen(Frame.Color(), Frame.Style());
    PaintStrokeBand(m_x, m_y, m_x1, m_y1, m_frameWidth);
  }
  if (ArrowStart)
    PaintArrow(m_x, m_y, m_x1, m_y1);
  if (ArrowEnd)
    PaintArrow(m_x1, m_y1, m_x, m_y);
}

void CustomLineView::PaintArrow(int x, int y, int otherX, int otherY)
{
  const double length = ArrowLength * m_scaleX;
  const double halfWidth = ArrowWidth * m_scaleX;
  QPointF base, wingOffset;
  if (std::abs(otherX - x) <= 8) {
    // Near-vertical: the head stands straight above or below the tip.
    const int direction = otherY >= y ? 1 : -1;
    base = QPointF(x, y + direction * length);
    wingOffset = QPointF(halfWidth, 0);
  } else {
    const double dx = otherX - x, dy = otherY - y;
    const double distance = std::hypot(dx, dy);
    base = QPointF(x + dx / distance * length, y + dy / distance * length);
    wingOffset = QPointF(-dy / distance * halfWidth, dx / distance * halfWidth);
  }
  const QPoint tip(x, y);
  const auto device = [](QPointF p) { return QPoint(report::Round(p.x()), report::Round(p.y())); };
  const QPoint wing1 = device(base + wingOffset);
  const QPoint wing2 = device(base - wingOffset);
  Canvas& canvas = *m_canvas;
  canvas.Pen = ThinPen(Frame.Color(), FrameStyle::Solid);
  if (ArrowSolid) {
    canvas.Brush = SolidBrush(Frame.Color());
    canvas.Polygon({tip, wing1, wing2, tip});
  } else {
    canvas.Pen.Width = report::Round(static_cast<double>(Frame.Width()) * m_scaleX);
    canvas.Polyline({wing1, tip, wing2});
  }
}

}  // namespace quitanza::report
