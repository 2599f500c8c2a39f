#pragma once

#include "platform/graphics/PainterCanvas.h"

#include <QPainter>
#include <QPicture>
#include <QString>

#include <vector>

namespace quitanza::platform {

// What a recording surface paints into; a base of RecordingCanvas so that it
// exists before the painter canvas is built on it.
struct RecordedDrawing {
  QPicture Picture;
  QPainter Painter{&Picture};
};

// A surface that records a page's drawing (replayable QPicture) and keeps
// every text run with its bounding rectangle, in drawing order, so a page's
// text can be searched and its layout checked without pixels.
class RecordingCanvas : private RecordedDrawing, public PainterCanvas {
public:
  struct TextRun {
    QString Text;
    platform::Rect Bounds;
    int X = 0;
    int Y = 0;
    platform::Font Font;
    std::vector<double> Advances;  // one per UTF-16 unit, as drawn
  };

  explicit RecordingCanvas(int pixelsPerInchX = 96, int pixelsPerInchY = 96, bool printer = false);

  const std::vector<TextRun>& TextRuns() const { return m_textRuns; }
  // Ends recording and gives the drawing to replay with QPainter::drawPicture.
  const QPicture& Finish();

  // A recording keeps everything, whatever lies outside a later viewport.
  bool RectVisible(const platform::Rect&) const override { return true; }
  void TextOut(int x, int y, int options, const platform::Rect& clip, QStringView text, const double* advances) override;

private:
  std::vector<TextRun> m_textRuns;
};

}  // namespace quitanza::platform
