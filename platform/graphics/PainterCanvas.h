#pragma once

#include "platform/graphics/Canvas.h"

#include <QRegion>

#include <vector>

class QPainter;
class QPen;
class QBrush;

// The drawing surface on a QPainter, so one implementation paints a QImage,
// a widget, a printer page or a recorded picture. Shapes are drawn without
// antialiasing, as pixel-exact as the layout asks; text is drawn with the
// glyphs of the very face it was measured with, at the caller's positions.
class PainterCanvas : public Canvas {
public:
  // Resolution and printer flag taken from the painter's device.
  explicit PainterCanvas(QPainter& painter);
  PainterCanvas(QPainter& painter, int pixelsPerInchX, int pixelsPerInchY, bool printer);

  void FillRect(const TRect& rect) override;
  void Rectangle(const TRect& rect) override;
  void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) override;
  void Ellipse(const TRect& rect) override;
  void Polygon(const std::vector<QPoint>& points) override;
  void Polyline(const std::vector<QPoint>& points) override;

  void SaveClip() override;
  void IntersectClipRect(const TRect& rect) override;
  void RestoreClip() override;
  bool RectVisible(const TRect& rect) const override;

  void TextOut(int x, int y, int options, const TRect& clip, QStringView text, const double* advances) override;
  void StretchDraw(const TRect& target, const QImage& image, TColor transparentColor, bool smooth) override;

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

  QPainter& painter_;
  std::vector<SavedClip> clipStack_;
};

// Colours of the report (0x00BBGGRR) as Qt colours; system colours resolve to
// their usual light-theme values.
QColor ToQColor(TColor color);
