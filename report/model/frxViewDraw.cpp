// The drawing steps every view shares: device rectangle and background. The
// frame is in frxViewFrame.cpp.
#include "report/model/frxView.h"

#include "report/model/frxViewPainting.h"

void TfrxView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintBackground();
  PaintFrame();
}

void TfrxView::ComputeDeviceRect(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  FCanvas = &canvas;
  FScaleX = scaleX;
  FScaleY = scaleY;
  FOffsetX = offsetX;
  FOffsetY = offsetY;
  const double left = static_cast<double>(AbsLeft());
  const double top = static_cast<double>(AbsTop());
  FX = frxRound(offsetX + scaleX * left);
  FY = frxRound(offsetY + scaleY * top);
  FX1 = frxRound(offsetX + scaleX * (left + static_cast<double>(Width())));
  FY1 = frxRound(offsetY + scaleY * (top + static_cast<double>(Height())));
  // The shadow is drawn inside the object's box.
  if (Frame.DropShadow) {
    FX1 -= frxRound(scaleX * static_cast<double>(Frame.ShadowWidth));
    FY1 -= frxRound(scaleY * static_cast<double>(Frame.ShadowWidth));
  }
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
