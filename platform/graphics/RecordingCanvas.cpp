#include "platform/graphics/RecordingCanvas.h"

#include <QPolygonF>
#include <QTransform>

#include <numeric>

namespace quitanza::platform {

RecordingCanvas::RecordingCanvas(int pixelsPerInchX, int pixelsPerInchY, bool printer)
    : PainterCanvas(RecordedDrawing::Painter, pixelsPerInchX, pixelsPerInchY, printer)
{
}

const QPicture& RecordingCanvas::Finish()
{
  if (Painter.isActive())
    Painter.end();
  return Picture;
}

void RecordingCanvas::TextOut(int x, int y, int options, const platform::Rect& clip, QStringView text, const double* advances)
{
  TextRun run;
  run.Text = text.toString();
  run.X = x;
  run.Y = y;
  run.Font = Font();
  run.Advances = AdvancesFor(text, advances);
  const double width = std::accumulate(run.Advances.begin(), run.Advances.end(), 0.0);
  // The character cells, turned with the text about its start point.
  QTransform turn;
  turn.translate(x, y);
  turn.rotate(-Font().Orientation / 10.0);
  const QRect box = turn.map(QPolygonF(QRectF(0, 0, width, Ascent() + Descent()))).boundingRect().toAlignedRect();
  run.Bounds = {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
  m_textRuns.push_back(std::move(run));
  PainterCanvas::TextOut(x, y, options, clip, text, advances);
}

}  // namespace quitanza::platform
