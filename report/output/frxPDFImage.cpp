#include "report/output/frxPDFImage.h"

#include "platform/PainterCanvas.h"
#include "report/model/frxErrors.h"
#include "report/model/frxPictureView.h"
#include "report/output/frxGraphicUtilsRound.h"
#include "report/output/frxPDFNumbers.h"
#include "report/output/frxPDFPageContent.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>

namespace {

QByteArray JpegOf(const QImage& bitmap, int quality) {
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(std::clamp(quality, 0, 100));
  if (!writer.write(bitmap))
    throw EfrxError(QStringLiteral("Cannot write a JPEG image: %1").arg(writer.errorString()));
  return jpeg;
}

struct DeviceRect {
  int x, y, x1, y1;
};

DeviceRect DeviceRectOf(const TfrxView& view, double scale, double offsetX, double offsetY) {
  const double l = double(view.AbsLeft()), t = double(view.AbsTop());
  return {frxRound(offsetX + scale * l), frxRound(offsetY + scale * t),
          frxRound(offsetX + scale * (l + double(view.Width()))), frxRound(offsetY + scale * (t + double(view.Height())))};
}

void PaintBackground(const TfrxView& view, QImage& bitmap, double scale, double offsetX, double offsetY) {
  if (view.Color == clNone)
    return;
  const DeviceRect r = DeviceRectOf(view, scale, offsetX, offsetY);
  QPainter painter(&bitmap);
  painter.fillRect(QRect(r.x, r.y, r.x1 - r.x, r.y1 - r.y), ToQColor(view.Color));
}

// Only the tagged memos and the classes without a vector form come here; a
// barcode gets sharper edges from a finer quality and its own scale.
bool IsBarcode(const TfrxView& view) { return view.ClassName() == QLatin1String("TfrxBarCodeView"); }

}  // namespace

void DrawPictureBitmap(const TfrxPictureView& view, QImage& bitmap, double scale, double offsetX, double offsetY) {
  PaintBackground(view, bitmap, scale, offsetX, offsetY);
  const QImage& image = view.Picture().Image();
  if (image.isNull() || image.width() == 0 || image.height() == 0)
    return;
  const DeviceRect r = DeviceRectOf(view, scale, offsetX, offsetY);
  const int dx = r.x1 - r.x, dy = r.y1 - r.y;
  QRect target;
  QPainter painter(&bitmap);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (view.Stretched) {
    target = QRect(r.x, r.y, dx, dy);
    if (view.KeepAspectRatio) {
      const double kx = double(dx) / image.width(), ky = double(dy) / image.height();
      if (ky > kx)
        target.setHeight(frxRound(image.height() * kx));
      else
        target.setWidth(frxRound(image.width() * ky));
    }
  } else {
    painter.setClipRect(QRect(r.x, r.y, dx, dy));
    target = QRect(r.x, r.y, frxRound(scale * image.width()), frxRound(scale * image.height()));
  }
  if (view.Center)
    target.translate((dx - target.width()) / 2, (dy - target.height()) / 2);
  painter.drawImage(target, image);
}

void WritePDFImage(TfrxPDFPageContent& content, TfrxView& view, const TfrxPDFImageOptions& options) {
  const double l = double(view.AbsLeft()), t = double(view.AbsTop());
  const double w = double(view.Width()), h = double(view.Height());
  if (w <= 0 || h <= 0)
    return;
  int scale = 2;
  int shift = 2;
  if (options.PrintOptimized) {
    scale = view.BrushStyle == bsSolid || view.BrushStyle == bsClear ? 3 : 1;
    shift = 0;
  } else if (IsBarcode(view)) {
    scale = 1;
    shift = 0;
  }
  QImage bitmap(frxRound(scale * w) + scale, frxRound(scale * h) + scale, QImage::Format_RGB888);
  bitmap.fill(Qt::white);
  const double offsetX = shift - frxRound(l * scale), offsetY = -frxRound(t * scale);
  {
    // The frame is written as vector lines afterwards, not drawn twice.
    struct RestoreFrame {
      TfrxView& view;
      TfrxFrame saved;
      ~RestoreFrame() { view.Frame = saved; }
    } restore{view, view.Frame};
    view.Frame.SetWidth(0);
    if (options.Painter)
      options.Painter(view, bitmap, scale, offsetX, offsetY);
    else if (auto* picture = dynamic_cast<TfrxPictureView*>(&view))
      DrawPictureBitmap(*picture, bitmap, scale, offsetX, offsetY);
    else
      PaintBackground(view, bitmap, scale, offsetX, offsetY);
  }
  const int quality = IsBarcode(view) ? options.Quality + 5 : options.Quality;
  const TfrxPDFPageGeometry& g = content.Geometry;
  content.Text("q\r\n").Numbers({pt(w)}).Text("0 0 ").Numbers({pt(h), g.X(l), g.Y(t + h)}).Text("cm\r\n");
  content.Text("BI\r\n/W ").Text(PdfInt(bitmap.width())).Text("\r\n/H ").Text(PdfInt(bitmap.height()));
  content.Text("\r\n/CS /RGB\r\n/BPC 8\r\n/I true\r\n/F [/DCT]\r\nID\r\n").Text(JpegOf(bitmap, quality));
  content.Text("\r\nEI\r\nQ\r\n");
  content.WriteFrame(view.Frame, l, t, l + w, t + h);
}
