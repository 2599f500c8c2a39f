#include "app/receipt/MakerLogo.h"

#include <QPainter>
#include <QPainterPath>

namespace quitanza::app {

QImage DrawMakerLogo()
{
  // 44 x 32 pixels: a receipt slip with a folded corner and a check mark.
  QImage image(44, 32, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QPainterPath slip;
  slip.moveTo(10, 2);
  slip.lineTo(28, 2);
  slip.lineTo(34, 8);
  slip.lineTo(34, 30);
  slip.lineTo(10, 30);
  slip.closeSubpath();
  painter.setPen(QPen(QColor(0x1F, 0x4E, 0x79), 1.5));
  painter.setBrush(QColor(0xDD, 0xEB, 0xF7));
  painter.drawPath(slip);
  painter.drawLine(QPointF(28, 2), QPointF(28, 8));
  painter.drawLine(QPointF(28, 8), QPointF(34, 8));

  painter.setPen(QPen(QColor(0x1F, 0x4E, 0x79), 1));
  for (int y = 12; y <= 18; y += 3)
    painter.drawLine(QPointF(14, y), QPointF(29, y));

  painter.setPen(QPen(QColor(0x2E, 0x8B, 0x57), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  QPainterPath check;
  check.moveTo(15, 24);
  check.lineTo(19, 27);
  check.lineTo(27, 20);
  painter.drawPath(check);
  return image;
}

}  // namespace quitanza::app
