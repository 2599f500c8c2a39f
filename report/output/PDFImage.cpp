#include "report/output/PDFImage.h"

#include "report/format/Errors.h"
#include "report/model/View.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFPageContent.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFWriter.h"
#include "report/text/Placement.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageWriter>

#include <algorithm>
#include <utility>

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

// Row by row: the padding at the end of each row is not part of the picture
// and holds whatever the allocation left there.
QByteArray DigestOf(const QImage& bitmap, int quality) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  hash.addData(PdfInt(bitmap.width()) + ' ' + PdfInt(bitmap.height()) + ' ' + PdfInt(quality) + ' ' +
               PdfInt(int(bitmap.format())));
  const qsizetype rowBytes = (qsizetype(bitmap.width()) * bitmap.depth() + 7) / 8;
  for (int y = 0; y < bitmap.height(); ++y)
    hash.addData(QByteArrayView(bitmap.constScanLine(y), rowBytes));
  return hash.result();
}

}  // namespace

QByteArray PDFImageObjects::NameOf(const QImage& bitmap, int quality) {
  auto [at, isNew] = m_written.try_emplace(DigestOf(bitmap, quality));
  Written& image = at->second;
  if (isNew) {
    image.Name = "/Im" + PdfInt(int(m_written.size()) - 1);
    image.Object = m_writer.NewObject();
    const QByteArray jpeg = m_encoder.Encode(JpegOf(bitmap, quality), false, m_encryption, image.Object);
    m_writer.Write(PdfInt(image.Object) + " 0 obj\r\n<< /Type /XObject /Subtype /Image /Width " +
                   PdfInt(bitmap.width()) + " /Height " + PdfInt(bitmap.height()) +
                   " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode /Length " + PdfInt(jpeg.size()) +
                   " >>\r\nstream\r\n");
    m_writer.Write(jpeg);
    m_writer.Write("\r\nendstream\r\nendobj\r\n");
  }
  if (!image.OnThisPage) {
    image.OnThisPage = true;
    m_onThisPage.push_back(&image);
  }
  return image.Name;
}

QByteArray PDFImageObjects::TakePageResources() {
  QByteArray entries;
  for (Written* image : std::exchange(m_onThisPage, {})) {
    image->OnThisPage = false;
    entries += image->Name + ' ' + PdfInt(image->Object) + " 0 R\r\n";
  }
  return entries;
}

void WritePDFImage(PDFPageContent& content, View& view, const PDFImageOptions& options, PDFImageObjects& images) {
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
  // The view lands on the bitmap's own pixel grid wherever it stands on the
  // page, so the same object drawn at two places (a receipt's two copies)
  // gives the same pixels and one image.
  const double offsetX = shift - l * scale, offsetY = -t * scale;
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
  content.Text(images.NameOf(bitmap, quality)).Text(" Do\r\nQ\r\n");
  content.WriteFrame(view.Frame, l, t, l + w, t + h);
}

}  // namespace quitanza::report
