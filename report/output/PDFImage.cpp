#include "report/output/PDFImage.h"

#include "report/format/Errors.h"
#include "report/model/View.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFPageContent.h"
#include "report/text/Placement.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>

namespace quitanza::report {

using namespace platform;

namespace {

QByteArray JpegOf(const QImage& bitmap, int quality) {
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(std::clamp(quality, 0, 100));
  if (!writer.write(bitmap))
    throw ReportError(QStringLiteral(u"Não foi possível gravar uma imagem JPEG: %1").arg(writer.errorString()));
  return jpeg;
}

// Only the tagged memos and the classes without a vector form come here; a
// barcode gets sharper edges from a finer quality and its own scale.
bool IsBarcode(const View& view) { return view.ClassName() == QLatin1String("TfrxBarCodeView"); }

}  // namespace

void WritePDFImage(PDFPageContent& content, View& view, const PDFImageOptions& options) {
  const double l = double(view.AbsLeft()), t = double(view.AbsTop());
  const double w = double(view.Width()), h = double(view.Height());
  if (w <= 0 || h <= 0)
    return;
  int scale = 2;
  int shift = 2;
  if (options.PrintOptimized) {
    scale = view.BrushStyle == BrushStyle::Solid || view.BrushStyle == BrushStyle::Clear ? 3 : 1;
    shift = 0;
  } else if (IsBarcode(view)) {
    scale = 1;
    shift = 0;
  }
  QImage bitmap(Round(scale * w) + scale, Round(scale * h) + scale, QImage::Format_RGB888);
  bitmap.fill(Qt::white);
  const double offsetX = shift - Round(l * scale), offsetY = -Round(t * scale);
  {
    // The frame is written as vector lines afterwards, not drawn twice.
    struct RestoreFrame {
      report::View& view;
      report::Frame saved;
      ~RestoreFrame() { view.Frame = saved; }
    } restore{view, view.Frame};
    view.Frame.SetWidth(0);
    options.Painter(view, bitmap, scale, offsetX, offsetY);
  }
  const int quality = IsBarcode(view) ? options.Quality + 5 : options.Quality;
  const PDFPageGeometry& g = content.Geometry;
  content.Text("q\r\n").Numbers({pt(w)}).Text("0 0 ").Numbers({pt(h), g.X(l), g.Y(t + h)}).Text("cm\r\n");
  content.Text("BI\r\n/W ").Text(PdfInt(bitmap.width())).Text("\r\n/H ").Text(PdfInt(bitmap.height()));
  content.Text("\r\n/CS /RGB\r\n/BPC 8\r\n/I true\r\n/F [/DCT]\r\nID\r\n").Text(JpegOf(bitmap, quality));
  content.Text("\r\nEI\r\nQ\r\n");
  content.WriteFrame(view.Frame, l, t, l + w, t + h);
}

}  // namespace quitanza::report
