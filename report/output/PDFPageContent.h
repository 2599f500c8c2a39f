#pragma once

#include "platform/graphics/Color.h"
#include "report/model/Types.h"

#include <QByteArray>

#include <initializer_list>
#include <string>

namespace quitanza::report {

class CustomLineView;
class Frame;
class ShapeView;
class View;

// Report pixels (96 per inch, y down) to PDF points (y up) on the current page.
struct PDFPageGeometry {
  double Width = 0;       // points
  double Height = 0;      // points
  double MarginLeft = 0;  // small shifts in points, the margins' millimetres x 0.05
  double MarginTop = 0;

  double X(double x) const { return x * 0.75 + MarginLeft; }
  double Y(double y) const { return (Height - MarginTop) - y * 0.75; }
};

// A length in report pixels as points.
inline double pt(double pixels) { return pixels * 0.75; }

// The content stream of the page being exported: the operators of every
// object in page order. Vector forms are written here; memo text and images
// have files of their own.
class PDFPageContent {
public:
  PDFPageGeometry Geometry;
  // A page takes thousands of small pieces: a plain string keeps each cheap.
  std::string Data;

  // Each number with two decimals, followed by a space.
  PDFPageContent& Numbers(std::initializer_list<double> values);
  PDFPageContent& Text(QByteArrayView text) {
    Data.append(text.data(), std::size_t(text.size()));
    return *this;
  }
  // "RG" or "rg" with the colour's three numbers, then CR LF.
  PDFPageContent& Color(platform::Color color, QByteArrayView op);
  // The converted point and "m" or "l".
  PDFPageContent& Point(double x, double y, QByteArrayView op);

  // "[...] 0 d" of a frame style for a line w report pixels wide.
  void DashLine(FrameStyle style, double width);
  void WriteLine(const CustomLineView& line);
  void WriteShape(const ShapeView& shape);
  // The sides of the frame on the box, in the order top, right, bottom, left.
  void WriteFrame(const report::Frame& frame, double left, double top, double right, double bottom);

private:
  // tip and other end in points.
  void WriteArrow(const CustomLineView& line, double tx, double ty, double ox, double oy);
  void WriteEllipse(double l, double t, double w, double h);
  void WriteRoundRectangle(double l, double t, double w, double h, int curve);
};

// System colours resolved to the colour the drawing shows for them.
platform::Color ResolveColor(platform::Color color);

}  // namespace quitanza::report
