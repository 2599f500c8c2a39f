#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/MeasuringSurface.h"
#include "platform/graphics/Rect.h"

#include <QPoint>
#include <QStringView>

#include <vector>

class QImage;

namespace quitanza::platform {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenCap { Round, Square, Flat };
enum class BrushKind { Solid, Clear, Hatch };
enum class HatchStyle { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

struct CanvasPen {
  platform::Color Color = clBlack;
  int Width = 1;  // device pixels; 0 draws one pixel
  PenStyle Style = PenStyle::Solid;
  PenCap Cap = PenCap::Round;
  std::vector<int> DashPattern;  // dash, gap, ... in device pixels; empty: Style decides
  // A geometric pen has the caps asked for even when one pixel wide (a square
  // cap covers both end points); a thin cosmetic line leaves its end point out.
  bool Geometric = false;
};

struct CanvasBrush {
  BrushKind Kind = BrushKind::Solid;
  platform::Color Color = clWhite;
  HatchStyle Hatch = HatchStyle::Horizontal;
};

// The drawing surface report output paints on. Rectangles exclude their right
// and bottom edges, LineTo excludes its end point, and text is placed at the
// top-left corner of its first character cell with the advances the caller
// gives, so layout decided elsewhere is reproduced pixel for pixel.
class Canvas : public MeasuringSurface {
public:
  // TextOut options.
  static constexpr int ETO_CLIPPED = 4;
  static constexpr int ETO_RTLREADING = 0x80;

  Canvas(int pixelsPerInchX, int pixelsPerInchY, bool printer)
      : MeasuringSurface(pixelsPerInchX, pixelsPerInchY), m_printer(printer)
  {
  }

  // Printers get report objects laid out for paper: no screen clipping, and
  // objects that are not printable are left out.
  bool IsPrinter() const { return m_printer; }

  CanvasPen Pen;
  CanvasBrush Brush;
  bool TransparentBackground = false;  // hatch gaps and dashed-pen gaps left unpainted

  virtual void FillRect(const platform::Rect& rect) = 0;  // with the brush, no outline
  virtual void Rectangle(const platform::Rect& rect) = 0;
  virtual void RoundRect(const platform::Rect& rect, int cornerWidth, int cornerHeight) = 0;
  virtual void Ellipse(const platform::Rect& rect) = 0;
  virtual void Polygon(const std::vector<QPoint>& points) = 0;
  virtual void Polyline(const std::vector<QPoint>& points) = 0;
  void MoveTo(int x, int y) { m_penPosition = QPoint(x, y); }
  void LineTo(int x, int y)
  {
    DrawLine(m_penPosition, QPoint(x, y));
    m_penPosition = QPoint(x, y);
  }

  virtual void SaveClip() = 0;
  virtual void IntersectClipRect(const platform::Rect& rect) = 0;
  virtual void RestoreClip() = 0;
  virtual bool RectVisible(const platform::Rect& rect) const = 0;

  // advances: one per UTF-16 unit in device pixels, fractions kept (a glyph
  // rounded to whole pixels opens gaps inside words), or null for the font's own.
  virtual void TextOut(int x, int y, int options, const platform::Rect& clip, QStringView text, const double* advances) = 0;
  // transparentColor: pixels of that colour are not painted (clNone: all are).
  virtual void StretchDraw(const platform::Rect& target, const QImage& image, platform::Color transparentColor, bool smooth) = 0;

protected:
  virtual void DrawLine(QPoint from, QPoint to) = 0;  // end point excluded

private:
  bool m_printer;
  QPoint m_penPosition;
};

}  // namespace quitanza::platform
