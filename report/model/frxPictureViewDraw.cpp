#include "report/model/frxPictureView.h"

#include "report/model/frxViewPainting.h"

#include <QImage>
#include <QPainter>

using namespace quitanza::platform;

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

void TfrxPictureView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
  ComputeDeviceRect(canvas, scaleX, scaleY, offsetX, offsetY);
  PaintBackground();
  if (!FPicture.IsEmpty() && !FPicture.Image().isNull()) {
    if (Stretched) {
      PaintGraphic(GraphicTarget());
    } else {
      canvas.SaveClip();
      canvas.IntersectClipRect({FX, FY, FX1, FY1});
      PaintGraphic(GraphicTarget());
      canvas.RestoreClip();
    }
  }
  PaintFrame();
}

Rect TfrxPictureView::GraphicTarget() const
{
  const double pictureWidth = FPicture.Width();
  const double pictureHeight = FPicture.Height();
  quitanza::platform::Rect target{FX, FY, FX1, FY1};
  if (!Stretched) {
    target.Right = FX + frxRound(FScaleX * pictureWidth);
    target.Bottom = FY + frxRound(FScaleY * pictureHeight);
  } else if (KeepAspectRatio) {
    const double kx = FDX / pictureWidth;
    const double ky = FDY / pictureHeight;
    if (ky > kx)
      target.Bottom = FY + frxRound(pictureHeight * kx);
    else
      target.Right = FX + frxRound(pictureWidth * ky);
  }
  if (Center) {
    const int dx = (FDX - target.Width()) / 2;
    const int dy = (FDY - target.Height()) / 2;
    target = {target.Left + dx, target.Top + dy, target.Right + dx, target.Bottom + dy};
  }
  return target;
}

void TfrxPictureView::PaintGraphic(const quitanza::platform::Rect& target)
{
  Canvas& canvas = *FCanvas;
  canvas.Brush = frxSolidBrush(clWhite);
  const QImage& image = FPicture.Image();
  const bool bitmap = FPicture.GraphicClass() == TGraphicClass::Bitmap;
  const quitanza::platform::Color transparentColor = FTransparent ? TransparentColor : clNone;
  // Printers, high quality and transparent non-bitmaps take the graphic
  // through a plain bitmap first; that one is smoothed when scaled unless
  // a colour of it is left out.
  if (canvas.IsPrinter() || HightQuality || (FTransparent && !bitmap))
    canvas.StretchDraw(target, OnWhite(image), transparentColor, !FTransparent);
  else
    canvas.StretchDraw(target, image, bitmap ? transparentColor : clNone, false);
}
