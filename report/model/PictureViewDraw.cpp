#include "report/model/PictureView.h"

#include "report/model/ViewPainting.h"

#include <QImage>
#include <QPainter>

namespace quitanza::report {

using namespace platform;

namespace {

// The graphic at its own size on white, as a plain bitmap: transparent areas
// become white, which the transparent colour (white by default) then leaves out.
QImage OnWhite(const QImage& image)
{
  QImage bitmap(image.size(), QImage::Format_RGB32);
  bitmap.fill(Qt::white);
  QPainter painter(&bitmap);
  painter.drawImage(0, 0, image);
  return bitmap;
}

}  // namespace

void PictureView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintBackground();
  if (!m_picture.IsEmpty() && !m_picture.Image().isNull()) {
    if (Stretched) {
      PaintGraphic(GraphicTarget());
    } else {
      canvas.SaveClip();
      canvas.IntersectClipRect({m_x, m_y, m_x1, m_y1});
      PaintGraphic(GraphicTarget());
      canvas.RestoreClip();
    }
  }
  PaintFrame();
}

Rect PictureView::GraphicTarget() const
{
  const double pictureWidth = m_picture.Width();
  const double pictureHeight = m_picture.Height();
  platform::Rect target{m_x, m_y, m_x1, m_y1};
  if (!Stretched) {
    target.Right = m_x + report::Round(m_scaleX * pictureWidth);
    target.Bottom = m_y + report::Round(m_scaleY * pictureHeight);
  } else if (KeepAspectRatio) {
    const double kx = m_dx / pictureWidth;
    const double ky = m_dy / pictureHeight;
    if (ky > kx)
      target.Bottom = m_y + report::Round(pictureHeight * kx);
    else
      target.Right = m_x + report::Round(pictureWidth * ky);
  }
  if (Center) {
    const int dx = (m_dx - target.Width()) / 2;
    const int dy = (m_dy - target.Height()) / 2;
    target = {target.Left + dx, target.Top + dy, target.Right + dx, target.Bottom + dy};
  }
  return target;
}

void PictureView::PaintGraphic(const platform::Rect& target)
{
  Canvas& canvas = *m_canvas;
  canvas.Brush = SolidBrush(clWhite);
  const QImage& image = m_picture.Image();
  const bool bitmap = m_picture.GraphicClass() == report::GraphicClass::Bitmap;
  const platform::Color transparentColor = m_transparent ? TransparentColor : clNone;
  // Printers, high quality and transparent non-bitmaps take the graphic
  // through a plain bitmap first; that one is smoothed when scaled unless
  // a colour of it is left out.
  if (canvas.IsPrinter() || HightQuality || (m_transparent && !bitmap))
    canvas.StretchDraw(target, OnWhite(image), transparentColor, !m_transparent);
  else
    canvas.StretchDraw(target, image, bitmap ? transparentColor : clNone, false);
}

}  // namespace quitanza::report
