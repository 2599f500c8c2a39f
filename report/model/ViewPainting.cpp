#include "report/model/ViewPainting.h"

#include <cstdlib>

namespace quitanza::report {

using namespace platform;

CanvasPen ThinPen(Color color, FrameStyle style)
{
  CanvasPen pen;
  pen.Color = color;
  pen.Width = 1;
  switch (style) {
    case FrameStyle::Dash:
    case FrameStyle::Square: pen.Style = PenStyle::Dash; break;
    case FrameStyle::Dot:
    case FrameStyle::AltDot: pen.Style = PenStyle::Dot; break;
    case FrameStyle::DashDot: pen.Style = PenStyle::DashDot; break;
    case FrameStyle::DashDotDot: pen.Style = PenStyle::DashDotDot; break;
    case FrameStyle::Solid:
    case FrameStyle::Double: pen.Style = PenStyle::Solid; break;
  }
  return pen;
}

CanvasBrush SolidBrush(Color color)
{
  CanvasBrush brush;
  brush.Kind = color == clNone ? BrushKind::Clear : BrushKind::Solid;
  brush.Color = color;
  return brush;
}

CanvasBrush HatchBrush(BrushStyle style, Color color)
{
  CanvasBrush brush;
  brush.Color = color;
  if (style == BrushStyle::Solid || style == BrushStyle::Clear) {
    brush.Kind = BrushKind::Clear;
    return brush;
  }
  brush.Kind = BrushKind::Hatch;
  // The hatch kinds follow Horizontal .. DiagCross in order.
  brush.Hatch = static_cast<HatchStyle>(static_cast<int>(style) - static_cast<int>(BrushStyle::Horizontal));
  return brush;
}

void PaintStrokeBand(Canvas& canvas, int x, int y, int x1, int y1, int w)
{
  if (w == 0)
    w = 1;
  const int last = w % 2 == 0 ? w / 2 - 1 : w / 2;
  const bool alongX = std::abs(x1 - x) > std::abs(y1 - y);
  for (int i = -w / 2; i <= last; ++i) {
    if (alongX) {
      canvas.MoveTo(x, y + i);
      canvas.LineTo(x1, y1 + i);
    } else {
      canvas.MoveTo(x + i, y);
      canvas.LineTo(x1 + i, y1);
    }
  }
}

}  // namespace quitanza::report
