// A view's frame: the drop shadow, then each present side in its own colour,
// style and width, with the ends of adjoining sides fitted at the corners.
#include "report/model/View.h"

#include "report/model/ViewPainting.h"

#include <QPoint>

namespace quitanza::report {

using namespace platform;

namespace {

// One side of the frame from its start (the end nearer the origin) to its end.
struct FrameSide {
  const FrameLine& Line;
  QPoint From;
  QPoint To;
  bool NearPresent;  // the side meeting this one at From
  bool FarPresent;   // the side meeting this one at To
  bool Vertical;
  int Outward;  // -1 when the outside lies toward smaller coordinates (left, top)
};

class FrameSidePainter {
public:
  FrameSidePainter(Canvas& canvas, double scaleX, platform::Color fill) : m_canvas(canvas), m_scaleX(scaleX), m_fill(fill) {}

  void Paint(const FrameSide& side) const
  {
    const int t = report::Round(static_cast<double>(side.Line.Width) * m_scaleX);
    QPoint from = side.From;
    QPoint to = side.To;
    switch (side.Line.Style) {
      case FrameStyle::Solid:
      case FrameStyle::Double:
        // A side whose neighbour is missing ends flush with the object's edge.
        if (!side.NearPresent)
          from = Along(side, from, t / 2);
        if (!side.FarPresent)
          to = Along(side, to, -(t / 2));
        if (side.Line.Style == FrameStyle::Solid)
          SquareLine(from, to, t, side.Line.Color);
        else
          DoubleLine(side, from, to, t);
        break;
      case FrameStyle::Dash:
      case FrameStyle::Dot:
      case FrameStyle::DashDot:
      case FrameStyle::DashDotDot:
        m_canvas.Pen = ThinPen(side.Line.Color, side.Line.Style);
        report::PaintStrokeBand(m_canvas, from.x(), from.y(), to.x(), to.y(), t);
        break;
      case FrameStyle::AltDot:
      case FrameStyle::Square:
        StampedLine(side, from, to, t);
        break;
    }
  }

private:
  static QPoint Along(const FrameSide& side, QPoint p, int distance)
  {
    return side.Vertical ? QPoint(p.x(), p.y() + distance) : QPoint(p.x() + distance, p.y());
  }
  static QPoint Across(const FrameSide& side, QPoint p, int distance)
  {
    return side.Vertical ? QPoint(p.x() + distance, p.y()) : QPoint(p.x(), p.y() + distance);
  }

  void Line(QPoint from, QPoint to) const
  {
    m_canvas.MoveTo(from.x(), from.y());
    m_canvas.LineTo(to.x(), to.y());
  }

  void SquareLine(QPoint from, QPoint to, int width, platform::Color color) const
  {
    CanvasPen pen;
    pen.Color = color;
    pen.Width = width;
    pen.Cap = PenCap::Square;
    pen.Geometric = true;
    m_canvas.Pen = pen;
    Line(from, to);
  }

  // Two lines t apart from the edge on either side; the outer one reaches
  // past adjoining sides and the inner one stops short of them, so the
  // double lines of two sides meet at the corner.
  void DoubleLine(const FrameSide& side, QPoint from, QPoint to, int t) const
  {
    const int nearStep = side.NearPresent ? t : 0;
    const int farStep = side.FarPresent ? t : 0;
    const int outside = side.Outward * t;
    SquareLine(Across(side, Along(side, from, -nearStep), outside), Across(side, Along(side, to, farStep), outside), t,
               side.Line.Color);
    SquareLine(Across(side, Along(side, from, nearStep), -outside), Across(side, Along(side, to, -farStep), -outside),
               t, side.Line.Color);
    if (m_fill != clNone)
      SquareLine(from, to, t, m_fill);
  }

  // Dots (alt-dot) or squares along the side over the object's colour.
  void StampedLine(const FrameSide& side, QPoint from, QPoint to, int t) const
  {
    if (m_fill != clNone) {
      m_canvas.Pen = ThinPen(m_fill, FrameStyle::Solid);
      report::PaintStrokeBand(m_canvas, from.x(), from.y(), to.x(), to.y(), t);
    }
    CanvasPen pen;
    pen.Color = side.Line.Color;
    pen.Width = t;
    pen.Geometric = true;
    pen.Cap = PenCap::Flat;
    if (t <= 1)
      pen.DashPattern = {1, 1};
    else if (side.Line.Style == FrameStyle::Square)
      pen.DashPattern = {t, t};
    else {
      pen.DashPattern = {0, 2 * t};
      pen.Cap = PenCap::Round;
    }
    m_canvas.Pen = pen;
    Line(from, to);
  }

  Canvas& m_canvas;
  double m_scaleX;
  platform::Color m_fill;
};

}  // namespace

void View::PaintFrame()
{
  Canvas& canvas = *m_canvas;
  if (Frame.DropShadow) {
    canvas.Pen = ThinPen(Frame.ShadowColor, FrameStyle::Solid);
    int s = report::Round(static_cast<double>(Frame.ShadowWidth) * m_scaleX);
    PaintStrokeBand(m_x1 + s / 2, m_y + s, m_x1 + s / 2, m_y1, s);
    s = report::Round(static_cast<double>(Frame.ShadowWidth) * m_scaleY);
    PaintStrokeBand(m_x + s, m_y1 + s / 2, m_x1 + s, m_y1 + s / 2, s);
  }
  if (Frame.Typ == 0 || Frame.Color() == clNone || Frame.Width() == 0)
    return;
  // Gaps of dashes and dots show what lies beneath: the object's colour inside.
  canvas.TransparentBackground = true;

  const bool left = Frame.Typ & FrameType::Left, right = Frame.Typ & FrameType::Right;
  const bool top = Frame.Typ & FrameType::Top, bottom = Frame.Typ & FrameType::Bottom;
  const bool framePatterned = Frame.Style() != FrameStyle::Solid;
  // The pen width a side is drawn with decides how far the left side reaches
  // up and the bottom side reaches right, where patterned frames meet.
  const auto penWidth = [this](const FrameLine& line) {
    return line.Style == FrameStyle::Solid || line.Style == FrameStyle::Double ? report::Round(static_cast<double>(line.Width) * m_scaleX) : 1;
  };
  const FrameSidePainter painter(canvas, m_scaleX, Color);
  if (left) {
    const int k = penWidth(Frame.LeftLine) == 2 && framePatterned ? 1 : 0;
    painter.Paint({Frame.LeftLine, {m_x, m_y - k}, {m_x, m_y1}, top, bottom, true, -1});
  }
  if (right)
    painter.Paint({Frame.RightLine, {m_x1, m_y}, {m_x1, m_y1}, top, bottom, true, 1});
  if (top)
    painter.Paint({Frame.TopLine, {m_x, m_y}, {m_x1, m_y}, left, right, false, -1});
  if (bottom) {
    const int k = penWidth(Frame.BottomLine) == 1 && framePatterned ? 1 : 0;
    painter.Paint({Frame.BottomLine, {m_x, m_y1}, {m_x1 + k, m_y1}, left, right, false, 1});
  }
}

}  // namespace quitanza::report
