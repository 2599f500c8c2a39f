#pragma once

#include <QImage>

#include <functional>

namespace quitanza::report {

class PDFPageContent;
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

// Writes a view as an inline baseline JPEG image over its rectangle, drawn
// at two (or, optimized for printing, three) bitmap pixels per report pixel,
// then its frame as vector lines. Nothing for an empty rectangle.
void WritePDFImage(PDFPageContent& content, View& view, const PDFImageOptions& options);

}  // namespace quitanza::report
