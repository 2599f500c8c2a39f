#pragma once

class QImage;

namespace quitanza::report {

class View;

// The export's default way of turning a view into an image: the view draws
// itself (its own Draw, as on screen) onto the bitmap through a painter
// canvas at the scale and offset given. Text needs a QGuiApplication; without
// one the drawing of text raises an error instead of crashing.
void PaintViewOnBitmap(View& view, QImage& bitmap, double scale, double offsetX, double offsetY);

}  // namespace quitanza::report
