// The drawing steps every view shares: device rectangle and background. The
// frame is in ViewFrame.cpp.
#include "report/model/View.h"

#include "report/model/ViewPainting.h"

namespace quitanza::report {

using namespace platform;

void View::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintBackground();
  PaintFrame();
}

Rect View::DeviceRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const
{
  const double left = static_cast<double>(AbsLeft());
  const double top = static_cast<double>(AbsTop());
  platform::Rect rect{report::Round(offsetX + scaleX * left), report::Round(offsetY + scaleY * top),
             report::Round(offsetX + scaleX * (left + static_cast<double>(Width()))),
             report::Round(offsetY + scaleY * (top + static_cast<double>(Height())))};
  // The shadow is drawn inside the object's box.
  if (Frame.DropShadow) {
    rect.Right -= report::Round(scaleX * static_cast<double>(Frame.ShadowWidth));
    rect.Bottom -= report::Round(scaleY * static_cast<double>(Frame.ShadowWidth));
  }
  return rect;
}

void View::ComputeDeviceRect(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  m_canvas = &canvas;
  m_scaleX = scaleX;
  m_scaleY = scaleY;
  m_offsetX = offsetX;
  m_offsetY = offsetY;
  const platform::Rect rect = DeviceRectAt(scaleX, scaleY, offsetX, offsetY);
  m_x = rect.Left;
  m_y = rect.Top;
  m_x1 = rect.Right;
  m_y1 = rect.Bottom;
  m_dx = m_x1 - m_x;
  m_dy = m_y1 - m_y;
  m_frameWidth = report::Round(scaleX * static_cast<double>(Frame.Width()));
}

void View::PaintBackground()
{
  Canvas& canvas = *m_canvas;
  if (Color != clNone) {
    canvas.Brush = SolidBrush(Color);
    canvas.FillRect({m_x, m_y, m_x1, m_y1});
  }
  if (BrushStyle != BrushStyle::Solid) {
    const CanvasBrush previous = canvas.Brush;
    canvas.Brush = HatchBrush(BrushStyle, Frame.Color());
    canvas.Pen.Style = PenStyle::Clear;
    // The fill colour shows between the hatch lines.
    canvas.TransparentBackground = true;
    canvas.Rectangle({m_x, m_y, m_x1 + 1, m_y1 + 1});
    canvas.Brush = previous;
  }
}

void View::PaintStrokeBand(int x, int y, int x1, int y1, int w)
{
  report::PaintStrokeBand(*m_canvas, x, y, x1, y1, w);
}

}  // namespace quitanza::report
