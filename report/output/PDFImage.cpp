#include "report/output/PDFImage.h"

#include "report/format/Errors.h"
#include "report/model/PictureView.h"
#include "report/model/PropTable.h"
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
#include <cmath>
#include <initializer_list>
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


// Every property a table publishes, sub-objects included, in the table's
// order; `skipped` names properties of the object itself that are left out.
// Values go in as raw bytes, each text after its length: this runs for every
// picture of every page.
void AppendProperties(QByteArray& key, const PropTable& table, const void* object,
                      std::initializer_list<QStringView> skipped = {}) {
  const auto appendRaw = [&key](const auto& value) { key.append(reinterpret_cast<const char*>(&value), sizeof value); };
  const auto appendText = [&](const QString& text) {
    appendRaw(text.size());
    key.append(reinterpret_cast<const char*>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
  };
  for (const PropInfo& prop : table.Props()) {
    if (std::find(skipped.begin(), skipped.end(), prop.Name) != skipped.end())
      continue;
    if (prop.Sub && prop.SubTable)
      AppendProperties(key, *prop.SubTable, prop.Sub(const_cast<void*>(object)));
    else if (prop.GetOrd)
      appendRaw(prop.GetOrd(object));
    else if (prop.GetFloat)
      appendRaw(static_cast<double>(prop.GetFloat(object)));
    else if (prop.GetStr)
      appendText(prop.GetStr(object));
    else if (prop.GetVariant)
      appendText(prop.GetVariant(object).toString());
    else if (prop.GetRef)
      appendText(prop.GetRef(object) ? prop.GetRef(object)->Name() : QString());
  }
}

// What a picture view's bitmap depends on besides where it stands on the
// page: its properties, its picture, its bitmap's scale and quality and where
// it falls within a bitmap pixel. The logo every receipt shows is then drawn
// and encoded once per document instead of once per page. Other views are
// drawn every time (empty key): their looks may depend on more than their
// published properties.
QByteArray DrawingKey(const View& view, int scale, double offsetX, double offsetY, int quality) {
  const auto* picture = dynamic_cast<const PictureView*>(&view);
  if (!picture)
    return {};
  QByteArray key = view.ClassName().toUtf8() + '\n';
  // The picture's place in the prepared pages' image list is not what it shows.
  AppendProperties(key, view.Props(), static_cast<const Component*>(&view),
                   {u"Left", u"Top", u"Name", u"ImageIndex"});
  const struct {
    qint64 Picture;
    int Scale;
    int Quality;
    double PhaseX;
    double PhaseY;
  } drawing{picture->Picture().Image().cacheKey(), scale, quality, offsetX - std::floor(offsetX),
            offsetY - std::floor(offsetY)};
  static_assert(sizeof drawing == 32, "no padding: every byte of the key is a value");
  key.append(reinterpret_cast<const char*>(&drawing), sizeof drawing);
  return key;
}
}  // namespace

QByteArray PDFImageObjects::NameOf(const QImage& bitmap, int quality, const QByteArray& drawingKey) {
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
  if (!drawingKey.isEmpty())
    m_drawn.insert_or_assign(drawingKey, &image);
  return Use(image);
}

std::optional<QByteArray> PDFImageObjects::NameOfDrawing(const QByteArray& drawingKey) {
  const auto drawn = m_drawn.find(drawingKey);
  if (drawn == m_drawn.end())
    return std::nullopt;
  return Use(*drawn->second);
}

QByteArray PDFImageObjects::Use(Written& image) {
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
  // The view lands on the bitmap's own pixel grid wherever it stands on the
  // page, so the same object drawn at two places (a receipt's two copies)
  // gives the same pixels and one image.
  const double offsetX = shift - l * scale, offsetY = -t * scale;
  const int quality = IsBarcode(view) ? options.Quality + 5 : options.Quality;
  const QByteArray drawingKey = DrawingKey(view, scale, offsetX, offsetY, quality);
  const PDFPageGeometry& g = content.Geometry;
  const auto place = [&](const QByteArray& name) {
    content.Text("q\r\n").Numbers({pt(w)}).Text("0 0 ").Numbers({pt(h), g.X(l), g.Y(t + h)}).Text("cm\r\n");
    content.Text(name).Text(" Do\r\nQ\r\n");
    content.WriteFrame(view.Frame, l, t, l + w, t + h);
  };
  if (const std::optional<QByteArray> drawn = drawingKey.isEmpty() ? std::nullopt : images.NameOfDrawing(drawingKey)) {
    place(*drawn);
    return;
  }
  QImage bitmap(Round(scale * w) + scale, Round(scale * h) + scale, QImage::Format_RGB888);
  bitmap.fill(Qt::white);
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
  place(images.NameOf(bitmap, quality, drawingKey));
}

}  // namespace quitanza::report
