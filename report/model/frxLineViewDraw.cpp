#include "report/model/frxLineView.h"

#include "report/model/frxViewPainting.h"

#include <QPointF>

#include <cmath>
#include <cstdlib>

using namespace quitanza::platform;

void TfrxCustomLineView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  if (!Diagonal) {
    if (Width() <= Height()) {
      SetWidth(0);
      Frame.Typ = ftLeft;
    } else {
      SetHeight(0);
      Frame.Typ = ftTop;
    }
  }
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  if (!Diagonal) {
    PaintFrame();
  } else if (Frame.Color() != clNone && Frame.Width() != 0) {
    canvas.Brush = frxSolidBrush(Color);
    canvas.Pen = frxThinPen(Frame.Color(), Frame.Style());
    PaintStrokeBand(FX, FY, FX1, FY1, FFrameWidth);
  }
  if (ArrowStart)
    PaintArrow(FX, FY, FX1, FY1);
  if (ArrowEnd)
    PaintArrow(FX1, FY1, FX, FY);
}

void TfrxCustomLineView::PaintArrow(int x, int y, int otherX, int otherY)
{
  const double length = ArrowLength * FScaleX;
  const double halfWidth = ArrowWidth * FScaleX;
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
  const auto device = [](QPointF p) { return QPoint(frxRound(p.x()), frxRound(p.y())); };
  const QPoint wing1 = device(base + wingOffset);
  const QPoint wing2 = device(base - wingOffset);
  Canvas& canvas = *FCanvas;
  canvas.Pen = frxThinPen(Frame.Color(), fsSolid);
  if (ArrowSolid) {
    canvas.Brush = frxSolidBrush(Frame.Color());
    canvas.Polygon({tip, wing1, wing2, tip});
  } else {
    canvas.Pen.Width = frxRound(static_cast<double>(Frame.Width()) * FScaleX);
    canvas.Polyline({wing1, tip, wing2});
  }
}
