#pragma once

#include "platform/graphics/PainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

// A white image of `size` that `paint` has drawn on through a PainterCanvas.
inline QImage Painted(QSize size, const std::function<void(quitanza::platform::Canvas&)>& paint, int dpi = 96)
{
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  quitanza::platform::PainterCanvas canvas(painter, dpi, dpi, false);
  paint(canvas);
  return image;
}

// Pixels that are not white, within `area` (the whole image when empty).
inline QRect InkBounds(const QImage& image, QRect area = {})
{
  if (area.isEmpty())
    area = image.rect();
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255))
        bounds |= QRect(x, y, 1, 1);
  return bounds;
}

inline bool IsInk(const QImage& image, int x, int y)
{
  return image.pixel(x, y) != qRgb(255, 255, 255);
}
