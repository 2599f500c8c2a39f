#include "report/output/PDFViewPainter.h"

#include "platform/graphics/PainterCanvas.h"
#include "report/format/Errors.h"
#include "report/model/View.h"

#include <QImage>
#include <QPainter>

namespace quitanza::report {

using namespace platform;

namespace {

// The bitmap stands for a screen surface: layout follows the scale, not a
// printer's resolution.
constexpr int ScreenPixelsPerInch = 96;

}  // namespace

void PaintViewOnBitmap(View& view, QImage& bitmap, double scale, double offsetX, double offsetY) {
  QPainter painter(&bitmap);
  PainterCanvas canvas(painter, ScreenPixelsPerInch, ScreenPixelsPerInch, false);
  try {
    view.Draw(canvas, scale, scale, offsetX, offsetY);
  } catch (const std::exception& error) {
    // The drawing's own message does not say which object of the report failed.
    throw ReportError(QStringLiteral(u"Não foi possível desenhar \"%1\" no PDF: %2").arg(view.Name(), QString::fromUtf8(error.what())));
  }
}

}  // namespace quitanza::report
