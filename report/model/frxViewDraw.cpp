// The drawing steps every view shares: device rectangle and background. The
// frame is in frxViewFrame.cpp.
#include "report/model/frxView.h"

#include "report/model/frxViewPainting.h"

using namespace quitanza::platform;

void TfrxView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintBackground();
  PaintFrame();
}

Rect TfrxView::DeviceRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const
{
  const double left = static_cast<double>(AbsLeft());
  const double top = static_cast<double>(AbsTop());
  quitanza::platform::Rect rect{frxRound(offsetX + scaleX * left), frxRound(offsetY + scaleY * top),
             frxRound(offsetX + scaleX * (left + static_cast<double>(Width()))),
             frxRound(offsetY + scaleY * (top + static_cast<double>(Height())))};
  // The shadow is drawn inside the object's box.
  if (Frame.DropShadow) {
    rect.Right -= frxRound(scaleX * static_cast<double>(Frame.ShadowWidth));
    rect.Bottom -= frxRound(scaleY * static_cast<double>(Frame.ShadowWidth));
  }
  return rect;
}

void TfrxView::ComputeDeviceRect(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  FCanvas = &canvas;
  FScaleX = scaleX;
  FScaleY = scaleY;
  FOffsetX = offsetX;
  FOffsetY = offsetY;
  const quitanza::platform::Rect rect = DeviceRectAt(scaleX, scaleY, offsetX, offsetY);
  FX = rect.Left;
  FY = rect.Top;
  FX1 = rect.Right;
  FY1 = rect.Bottom;
  FDX = FX1 - FX;
  FDY = FY1 - FY;
  FFrameWidth = frxRound(scaleX * static_cast<double>(Frame.Width()));
}

void TfrxView::PaintBackground()
{
  Canvas& canvas = *FCanvas;
  if (Color != clNone) {
    canvas.Brush = frxSolidBrush(Color);
    canvas.FillRect({FX, FY, FX1, FY1});
  }
  if (BrushStyle != bsSolid) {
    const CanvasBrush previous = canvas.Brush;
    canvas.Brush = frxHatchBrush(BrushStyle, Frame.Color());
    canvas.Pen.Style = PenStyle::Clear;
    // The fill colour shows between the hatch lines.
    canvas.TransparentBackground = true;
    canvas.Rectangle({FX, FY, FX1 + 1, FY1 + 1});
    canvas.Brush = previous;
  }
}

void TfrxView::PaintStrokeBand(int x, int y, int x1, int y1, int w)
{
  frxPaintStrokeBand(*FCanvas, x, y, x1, y1, w);
}
