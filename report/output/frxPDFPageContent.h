#pragma once

#include "platform/graphics/Color.h"
#include "report/model/frxTypes.h"

#include <QByteArray>

#include <initializer_list>

class TfrxCustomLineView;
class TfrxFrame;
class TfrxShapeView;
class TfrxView;

// Report pixels (96 per inch, y down) to PDF points (y up) on the current page.
struct TfrxPDFPageGeometry {
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
class TfrxPDFPageContent {
public:
  TfrxPDFPageGeometry Geometry;
  QByteArray Data;

  // Each number with two decimals, followed by a space.
  TfrxPDFPageContent& Numbers(std::initializer_list<double> values);
  TfrxPDFPageContent& Text(QByteArrayView text) {
    Data += text;
    return *this;
  }
  // "RG" or "rg" with the colour's three numbers, then CR LF.
  TfrxPDFPageContent& Color(quitanza::platform::Color color, QByteArrayView op);
  // The converted point and "m" or "l".
  TfrxPDFPageContent& Point(double x, double y, QByteArrayView op);

  // "[...] 0 d" of a frame style for a line w report pixels wide.
  void DashLine(TfrxFrameStyle style, double width);
  void WriteLine(const TfrxCustomLineView& line);
  void WriteShape(const TfrxShapeView& shape);
  // The sides of the frame on the box, in the order top, right, bottom, left.
  void WriteFrame(const TfrxFrame& frame, double left, double top, double right, double bottom);

private:
  // tip and other end in points.
  void WriteArrow(const TfrxCustomLineView& line, double tx, double ty, double ox, double oy);
  void WriteEllipse(double l, double t, double w, double h);
  void WriteRoundRectangle(double l, double t, double w, double h, int curve);
};

// System colours resolved to the colour the drawing shows for them.
quitanza::platform::Color frxResolveColor(quitanza::platform::Color color);
