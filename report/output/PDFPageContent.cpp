#include "report/output/PDFPageContent.h"

#include "platform/graphics/PainterCanvas.h"
#include "report/model/LineView.h"
#include "report/model/ShapeView.h"
#include "report/output/PDFColors.h"
#include "report/output/PDFNumbers.h"

#include <QColor>

#include <cmath>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr QByteArrayView CRLF = "\r\n";

bool Between(double value, double a, double b) { return (value >= a && value <= b) || (value >= b && value <= a); }

}  // namespace

Color ResolveColor(Color color) {
  if (color == clNone || (quint32(color) & 0xFF000000u) != 0xFF000000u)
    return color;
  const QColor resolved = ToQColor(color);
  return RGBColor(resolved.red(), resolved.green(), resolved.blue());
}

PDFPageContent& PDFPageContent::Numbers(std::initializer_list<double> values) {
  for (double value : values) {
    AppendPdfFloat(Data, value);
    Data += ' ';
  }
  return *this;
}

PDFPageContent& PDFPageContent::Color(platform::Color color, QByteArrayView op) {
  Text(PdfColorText(ResolveColor(color)));
  Data += ' ';
  return Text(op).Text(CRLF);
}

PDFPageContent& PDFPageContent::Point(double x, double y, QByteArrayView op) {
  Numbers({Geometry.X(x), Geometry.Y(y)});
  return Text(op).Text(CRLF);
}

void PDFPageContent::DashLine(FrameStyle style, double w) {
  Data += '[';
  switch (style) {
    case FrameStyle::Dash: Numbers({6 * w}); break;
    case FrameStyle::Dot: Numbers({2 * w, 6 * w}); break;
    case FrameStyle::DashDot: Numbers({6 * w, 6 * w, 2 * w, 6 * w}); break;
    case FrameStyle::DashDotDot: Numbers({6 * w, 6 * w, 2 * w, 6 * w, 2 * w, 6 * w}); break;
    case FrameStyle::Solid:
    case FrameStyle::Double:
    case FrameStyle::AltDot:
    case FrameStyle::Square: break;
  }
  Data += "] 0 d\r\n";
}

void PDFPageContent::WriteLine(const CustomLineView& line) {
  const double l = double(line.AbsLeft()), t = double(line.AbsTop());
  const double r = l + double(line.Width()), b = t + double(line.Height());
  const double fw = double(line.Frame.Width());
  DashLine(line.Frame.Style(), fw);
  Color(line.Frame.Color(), "RG");
  Numbers({pt(fw)}).Text("w\r\n");
  Point(l, t, "m").Point(r, b, "l").Text("S\r\n");
  const PDFPageGeometry& g = Geometry;
  if (line.ArrowStart)
    WriteArrow(line, g.X(l), g.Y(t), g.X(r), g.Y(b));
  if (line.ArrowEnd)
    WriteArrow(line, g.X(r), g.Y(b), g.X(l), g.Y(t));
}

// The head's base point lies on the line at the arrow's length from the tip;
// the wings stand off it at the arrow's width, square to the line.
void PDFPageContent::WriteArrow(const CustomLineView& line, double tx, double ty, double ox, double oy) {
  const double al = pt(line.ArrowLength), aw = pt(line.ArrowWidth);
  double w1x, w1y, w2x, w2y;
  if (tx != ox) {
    const double r = (ty - oy) / (tx - ox);
    const double c = (tx * oy - ty * ox) / (tx - ox);
    const double u = r * r + 1;
    const double t = 2 * ((c - ty) * r - tx);
    const double k = c * c + tx * tx + ty * ty - al * al - 2 * ty * c;
    const double v = std::sqrt(std::max(0.0, t * t - 4 * u * k));
    double xb = (v - t) / (2 * u);
    if (!Between(xb, tx, ox))
      xb = (-t - v) / (2 * u);
    const double yb = c + r * xb;
    if (ty != oy) {
      const double a = std::atan(r);
      w1x = xb + aw * std::sin(a), w1y = yb - aw * std::cos(a);
      w2x = xb - aw * std::sin(a), w2y = yb + aw * std::cos(a);
    } else {
      w1x = w2x = xb;
      w1y = yb - aw, w2y = yb + aw;
    }
  } else {
    double yb = ty - al;
    if (!Between(yb, ty, oy))
      yb = ty + al;
    w1x = tx - aw, w2x = tx + aw;
    w1y = w2y = yb;
  }
  DashLine(line.Frame.Style(), double(line.Frame.Width()));
  Numbers({w1x, w1y}).Text("m\r\n").Numbers({tx, ty}).Text("l\r\n").Numbers({w2x, w2y}).Text("l\r\n");
  if (line.ArrowSolid)
    Text("1 j\r\n").Color(line.Frame.Color(), "rg").Text("b\r\n");
  else
    Text("S\r\n");
}

void PDFPageContent::WriteShape(const ShapeView& shape) {
  const double l = double(shape.AbsLeft()), t = double(shape.AbsTop());
  const double w = double(shape.Width()), h = double(shape.Height());
  const PDFPageGeometry& g = Geometry;
  const double xl = g.X(l), xr = g.X(l + w), xc = g.X(l + w / 2);
  const double yt = g.Y(t), yb = g.Y(t + h), yc = g.Y(t + h / 2);
  DashLine(shape.Frame.Style(), double(shape.Frame.Width()));
  Color(shape.Frame.Color(), "RG");
  Numbers({pt(double(shape.Frame.Width()))}).Text("w\r\n");
  switch (shape.Shape) {
    case ShapeKind::Diagonal1: Numbers({xl, yb}).Text("m\r\n").Numbers({xr, yt}).Text("l\r\nS\r\n"); return;
    case ShapeKind::Diagonal2: Numbers({xl, yt}).Text("m\r\n").Numbers({xr, yb}).Text("l\r\nS\r\n"); return;
    default: break;
  }
  Color(shape.Color, "rg");
  switch (shape.Shape) {
    case ShapeKind::Rectangle: Numbers({xl, yb}).Text(CRLF).Numbers({pt(w), pt(h)}).Text("re\r\n"); break;
    case ShapeKind::RoundRectangle: WriteRoundRectangle(l, t, w, h, shape.Curve); break;
    case ShapeKind::Ellipse: WriteEllipse(l, t, w, h); break;
    case ShapeKind::Triangle:
      Numbers({xc, yt}).Text("m ").Numbers({xr, yb}).Text("l ").Numbers({xl, yb}).Text("l ").Numbers({xc, yt});
      Text("l\r\n");
      break;
    case ShapeKind::Diamond:
      Numbers({xc, yt}).Text("m ").Numbers({xr, yc}).Text("l ").Numbers({xc, yb}).Text("l ").Numbers({xl, yc});
      Text("l ").Numbers({xc, yt}).Text("l\r\n");
      break;
    case ShapeKind::Diagonal1:
    case ShapeKind::Diagonal2: break;
  }
  Text(shape.Color == clNone ? "S\r\n" : "B\r\n");
}

void PDFPageContent::WriteEllipse(double l, double t, double w, double h) {
  constexpr double k1 = 1.5522847498, k2 = 0.4477152502;
  const double a = w / 2, b = h / 2;
  const PDFPageGeometry& g = Geometry;
  const auto curve = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
    Numbers({g.X(x1), g.Y(y1), g.X(x2), g.Y(y2), g.X(x3), g.Y(y3)}).Text("c\r\n");
  };
  Point(l + 2 * a, t + b, "m");
  curve(l + 2 * a, t + k1 * b, l + k1 * a, t + 2 * b, l + a, t + 2 * b);
  curve(l + k2 * a, t + 2 * b, l, t + k1 * b, l, t + b);
  curve(l, t + k2 * b, l + k2 * a, t, l + a, t);
  curve(l + k1 * a, t, l + 2 * a, t + k2 * b, l + 2 * a, t + b);
}

void PDFPageContent::WriteRoundRectangle(double l, double t, double w, double h, int curve) {
  const double r = curve == 0 ? 7.48 : curve * 3.74;
  const double c = r / 2;
  const PDFPageGeometry& g = Geometry;
  const auto bezier = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
    Numbers({g.X(x1), g.Y(y1), g.X(x2), g.Y(y2), g.X(x3), g.Y(y3)}).Text("c\r\n");
  };
  Point(l + r, t + h, "m");
  Point(l + w - r, t + h, "l");
  bezier(l + w - c, t + h, l + w, t + h - c, l + w, t + h - r);
  Point(l + w, t + r, "l");
  bezier(l + w, t + c, l + w - c, t, l + w - r, t);
  Point(l + r, t, "l");
  bezier(l + c, t, l, t + c, l, t + r);
  Point(l, t + h - r, "l");
  bezier(l, t + h - c, l + c, t + h, l + r, t + h);
}

void PDFPageContent::WriteFrame(const report::Frame& frame, double left, double top, double right, double bottom) {
  if (frame.Typ == 0 || frame.Color() == clNone)
    return;
  Color(frame.Color(), "RG");
  struct Side {
    FrameType type;
    const FrameLine& line;
    double xa, ya, xb, yb;
  };
  const Side sides[] = {{FrameType::Top, frame.TopLine, left, top, right, top},
                        {FrameType::Right, frame.RightLine, right, top, right, bottom},
                        {FrameType::Bottom, frame.BottomLine, left, bottom, right, bottom},
                        {FrameType::Left, frame.LeftLine, left, top, left, bottom}};
  for (const Side& side : sides) {
    if (!(frame.Typ & side.type))
      continue;
    DashLine(side.line.Style, double(side.line.Width));
    Numbers({pt(double(side.line.Width))}).Text("w\r\n");
    Point(side.xa, side.ya, "m").Point(side.xb, side.yb, "l").Text("S\r\n");
  }
}

}  // namespace quitanza::report
