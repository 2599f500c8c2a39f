#include "report/model/ShapeView.h"

#include "report/model/ViewPainting.h"

#include <algorithm>
#include <array>

namespace quitanza::report {

using namespace platform;

namespace {

// How far the inner figure of a double-framed shape lies inside the outer one,
// in frame widths: left and top move in, width and height shrink.
struct DoubleInset {
  int Left, Top, Width, Height;
};

constexpr std::array<DoubleInset, 7> kDoubleInsets = {{
    {2, 2, 4, 4},  // Rectangle
    {2, 2, 4, 4},  // RoundRectangle
    {2, 2, 4, 4},  // Ellipse
    {4, 4, 8, 6},  // Triangle
    {3, 3, 6, 6},  // Diamond
    {2, 0, 0, 0},  // Diagonal1
    {2, 0, 0, 0},  // Diagonal2
}};

}  // namespace

void ShapeView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  if (Frame.Style() != FrameStyle::Double) {
    ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintShape();
    return;
  }
  const report::Frame frame = Frame;
  const report::Bounds bounds{Left(), Top(), Width(), Height()};
  Frame.SetStyle(FrameStyle::Solid);
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

void ShapeView::PaintShape()
{
  Canvas& canvas = *m_canvas;
  const platform::Color frameColor = Frame.Color();
  CanvasPen pen = ThinPen(frameColor, Frame.Style());
  pen.Width = m_frameWidth;
  if (frameColor == clNone)
    pen.Style = PenStyle::Clear;
  canvas.TransparentBackground = true;

  const platform::Rect box{m_x, m_y, m_x1 + 1, m_y1 + 1};
  const auto paintFigure = [&] {
    canvas.Pen = pen;
    switch (Shape) {
      case ShapeKind::Rectangle: canvas.Rectangle(box); break;
      case ShapeKind::RoundRectangle: {
        const int corner = Curve != 0 ? report::Round(Curve * m_scaleX * 10) : std::min(m_dx, m_dy) / 4;
        canvas.RoundRect(box, corner, corner);
        break;
      }
      case ShapeKind::Ellipse: canvas.Ellipse(box); break;
      case ShapeKind::Triangle: canvas.Polygon({{m_x1, m_y1}, {m_x, m_y1}, {m_x + m_dx / 2, m_y}, {m_x1, m_y1}}); break;
      case ShapeKind::Diamond:
        canvas.Polygon({{m_x + m_dx / 2, m_y}, {m_x1, m_y + m_dy / 2}, {m_x + m_dx / 2, m_y1}, {m_x, m_y + m_dy / 2}});
        break;
      // The diagonals are bands of one-pixel lines as thick as the frame.
      case ShapeKind::Diagonal1:
        canvas.Pen.Width = 1;
        PaintStrokeBand(m_x, m_y1, m_x1, m_y, m_frameWidth);
        break;
      case ShapeKind::Diagonal2:
        canvas.Pen.Width = 1;
        PaintStrokeBand(m_x, m_y, m_x1, m_y1, m_frameWidth);
        break;
    }
  };

  if (BrushStyle == BrushStyle::Solid) {
    canvas.Brush = SolidBrush(Color);
    paintFigure();
    return;
  }
  if (Color != clNone) {
    canvas.Brush = SolidBrush(Color);
    paintFigure();
  }
  canvas.Brush = HatchBrush(BrushStyle, frameColor);
  paintFigure();
}

}  // namespace quitanza::report
