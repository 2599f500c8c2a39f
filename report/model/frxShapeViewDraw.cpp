#include "report/model/frxShapeView.h"

#include "report/model/frxViewPainting.h"

#include <algorithm>
#include <array>

using namespace quitanza::platform;

namespace {

// How far the inner figure of a double-framed shape lies inside the outer one,
// in frame widths: left and top move in, width and height shrink.
struct DoubleInset {
  int Left, Top, Width, Height;
};

constexpr std::array<DoubleInset, 7> kDoubleInsets = {{
    {2, 2, 4, 4},  // skRectangle
    {2, 2, 4, 4},  // skRoundRectangle
    {2, 2, 4, 4},  // skEllipse
    {4, 4, 8, 6},  // skTriangle
    {3, 3, 6, 6},  // skDiamond
    {2, 0, 0, 0},  // skDiagonal1
    {2, 0, 0, 0},  // skDiagonal2
}};

}  // namespace

void TfrxShapeView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  if (Frame.Style() != fsDouble) {
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintShape();
    return;
  }
  const TfrxFrame frame = Frame;
  const TfrxRect bounds{Left(), Top(), Width(), Height()};
  Frame.SetStyle(fsSolid);
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintShape();
  const long double w = frame.Width();
  const DoubleInset& inset = kDoubleInsets.at(static_cast<std::size_t>(Shape));
  SetBounds(bounds.Left + inset.Left * w, bounds.Top + inset.Top * w, bounds.Width - inset.Width * w,
            bounds.Height - inset.Height * w);
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintShape();
  Frame = frame;
  SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
}

void TfrxShapeView::PaintShape()
{
  Canvas& canvas = *FCanvas;
  const quitanza::platform::Color frameColor = Frame.Color();
  CanvasPen pen = frxThinPen(frameColor, Frame.Style());
  pen.Width = FFrameWidth;
  if (frameColor == clNone)
    pen.Style = PenStyle::Clear;
  canvas.TransparentBackground = true;

  const quitanza::platform::Rect box{FX, FY, FX1 + 1, FY1 + 1};
  const auto paintFigure = [&] {
    canvas.Pen = pen;
    switch (Shape) {
      case skRectangle: canvas.Rectangle(box); break;
      case skRoundRectangle: {
        const int corner = Curve != 0 ? frxRound(Curve * FScaleX * 10) : std::min(FDX, FDY) / 4;
        canvas.RoundRect(box, corner, corner);
        break;
      }
      case skEllipse: canvas.Ellipse(box); break;
      case skTriangle: canvas.Polygon({{FX1, FY1}, {FX, FY1}, {FX + FDX / 2, FY}, {FX1, FY1}}); break;
      case skDiamond:
        canvas.Polygon({{FX + FDX / 2, FY}, {FX1, FY + FDY / 2}, {FX + FDX / 2, FY1}, {FX, FY + FDY / 2}});
        break;
      // The diagonals are bands of one-pixel lines as thick as the frame.
      case skDiagonal1:
        canvas.Pen.Width = 1;
        PaintStrokeBand(FX, FY1, FX1, FY, FFrameWidth);
        break;
      case skDiagonal2:
        canvas.Pen.Width = 1;
        PaintStrokeBand(FX, FY, FX1, FY1, FFrameWidth);
        break;
    }
  };

  if (BrushStyle == bsSolid) {
    canvas.Brush = frxSolidBrush(Color);
    paintFigure();
    return;
  }
  if (Color != clNone) {
    canvas.Brush = frxSolidBrush(Color);
    paintFigure();
  }
  canvas.Brush = frxHatchBrush(BrushStyle, frameColor);
  paintFigure();
}
