#pragma once

#include "platform/graphics/Canvas.h"

#include <QRegion>

#include <vector>

class QPainter;
class QPen;
class QBrush;

namespace quitanza::platform {

// The drawing surface on a QPainter, so one implementation paints a QImage,
// a widget, a printer page or a recorded picture. Shapes are drawn without
// antialiasing, as pixel-exact as the layout asks; text is drawn with the
// glyphs of the very face it was measured with, at the caller's positions.
class PainterCanvas : public Canvas {
public:
  // Resolution and printer flag taken from the painter's device.
  explicit PainterCanvas(QPainter& painter);
  PainterCanvas(QPainter& painter, int pixelsPerInchX, int pixelsPerInchY, bool printer);

  void FillRect(const platform::Rect& rect) override;
  void Rectangle(const platform::Rect& rect) override;
  void RoundRect(const platform::Rect& rect, int cornerWidth, int cornerHeight) override;
  void Ellipse(const platform::Rect& rect) override;
  void Polygon(const std::vector<QPoint>& points) override;
  void Polyline(const std::vector<QPoint>& points) override;

  void SaveClip() override;
  void IntersectClipRect(const platform::Rect& rect) override;
  void RestoreClip() override;
  bool RectVisible(const platform::Rect& rect) const override;

  void TextOut(int x, int y, int options, const platform::Rect& clip, QStringView text, const double* advances) override;
  void StretchDraw(const platform::Rect& target, const QImage& image, platform::Color transparentColor, bool smooth) override;

protected:
  void DrawLine(QPoint from, QPoint to) override;
  // The advance of every unit of text: the caller's, or the font's own.
  std::vector<double> AdvancesFor(QStringView text, const double* advances);

private:
  struct SavedClip {
    bool enabled;
    QRegion region;
  };

  void ApplyPenAndBrush();
  QPen MakePen(bool forLine) const;
  QBrush MakeBrush() const;

  QPainter& m_painter;
  std::vector<SavedClip> m_clipStack;
};

// Colours of the report (0x00BBGGRR) as Qt colours; system colours resolve to
// their usual light-theme values.
QColor ToQColor(Color color);

}  // namespace quitanza::platform
