#pragma once

#include <QImage>

#include <functional>

class TfrxPDFPageContent;
class TfrxView;

// Draws a view onto a bitmap the way its own drawing does on any canvas, at
// the scale and with the offset given (device pixels). Supplied by the views'
// drawing; objects without vector form are turned into images through it.
using TfrxViewPainter =
    std::function<void(TfrxView& view, QImage& bitmap, double scale, double offsetX, double offsetY)>;

struct TfrxPDFImageOptions {
  bool PrintOptimized = false;
  int Quality = 95;
  TfrxViewPainter Painter;
};

// Writes a view as an inline baseline JPEG image over its rectangle, drawn
// at two (or, optimized for printing, three) bitmap pixels per report pixel,
// then its frame as vector lines. Nothing for an empty rectangle.
void WritePDFImage(TfrxPDFPageContent& content, TfrxView& view, const TfrxPDFImageOptions& options);
