#pragma once

#include <QByteArray>
#include <QImage>

#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

namespace quitanza::report {

class PDFEncryption;
class PDFPageContent;
class PDFStreamEncoder;
class PDFWriter;
class View;

// Draws a view onto a bitmap the way its own drawing does on any canvas, at
// the scale and with the offset given (device pixels). Supplied by the views'
// drawing; objects without vector form are turned into images through it.
using ViewPainter =
    std::function<void(View& view, QImage& bitmap, double scale, double offsetX, double offsetY)>;

struct PDFImageOptions {
  bool PrintOptimized = false;
  int Quality = 95;
  ViewPainter Painter;
};

// The image objects of one document. A bitmap is encoded and written once, as
// a baseline JPEG image XObject; every later page that shows the same pixels
// at the same quality refers to that object, so a logo repeated on a thousand
// pages costs one image.
class PDFImageObjects {
public:
  PDFImageObjects(PDFWriter& writer, PDFStreamEncoder& encoder, const PDFEncryption* encryption)
      : m_writer(writer), m_encoder(encoder), m_encryption(encryption) {}

  // The resource name ("/Im0") of the image holding these pixels, writing it
  // on first use. A drawing key remembers what was drawn to give them.
  QByteArray NameOf(const QImage& bitmap, int quality, const QByteArray& drawingKey = {});
  // The name of the image an earlier drawing with this key gave, marked as
  // shown on this page; none when nothing was drawn with it yet.
  std::optional<QByteArray> NameOfDrawing(const QByteArray& drawingKey);
  // The page's /XObject entries for the images named since the last call.
  QByteArray TakePageResources();

private:
  struct Written {
    QByteArray Name;
    int Object = 0;
    bool OnThisPage = false;
  };

  PDFWriter& m_writer;
  PDFStreamEncoder& m_encoder;
  const PDFEncryption* m_encryption;
  // Keyed by a digest of the size, quality and pixels: the bitmaps themselves
  // are not kept, so a document of distinct photographs does not pile them up.
  QByteArray Use(Written& image);

  std::unordered_map<QByteArray, Written> m_written;
  std::unordered_map<QByteArray, Written*> m_drawn;  // by drawing key
  std::vector<Written*> m_onThisPage;
};

// Writes a view as an image over its rectangle, drawn at two (or, optimized
// for printing, three) bitmap pixels per report pixel, then its frame as
// vector lines. Nothing for an empty rectangle.
void WritePDFImage(PDFPageContent& content, View& view, const PDFImageOptions& options, PDFImageObjects& images);

}  // namespace quitanza::report
