#include "report/output/PngExport.h"

#include "platform/files/FileError.h"
#include "platform/files/FileReplacement.h"
#include "platform/graphics/PainterCanvas.h"
#include "report/model/DrawPage.h"
#include "report/model/PageSource.h"
#include "report/model/ReportPage.h"
#include "report/model/Units.h"
#include "report/text/Placement.h"

#include <QImageWriter>
#include <QPainter>

#include <cmath>
#include <stdexcept>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;
// Larger bitmaps take gigabytes and minutes for one page. An A4 page at the
// highest resolution (9,921 x 14,031 pixels) stays within both limits.
constexpr int kMaxPixelsPerSide = 20000;
constexpr double kMaxPixels = 150e6;

void CheckResolution(int dpi)
{
  if (dpi < kPngMinDpi || dpi > kPngMaxDpi)
    throw std::out_of_range(QStringLiteral("The resolution must be from %1 to %2 dpi, not %3")
                                .arg(kPngMinDpi)
                                .arg(kPngMaxDpi)
                                .arg(dpi)
                                .toStdString());
}

}  // namespace

QImage RenderPage(PageSource& pages, int index, int dpi)
{
  CheckResolution(dpi);
  ReportPage* page = pages.GetPage(index);
  if (!page)
    return {};
  const double scale = dpi / 96.0;
  // The paper as the page drawing clips it: its size in report pixels, scaled.
  const double width = std::round(static_cast<double>(page->PaperWidth() * fr1mm) * scale);
  const double height = std::round(static_cast<double>(page->PaperHeight() * fr1mm) * scale);
  if (!(width >= 1 && height >= 1 && width <= kMaxPixelsPerSide && height <= kMaxPixelsPerSide &&
        width * height <= kMaxPixels))
    throw std::runtime_error(QStringLiteral(u"A página %1 teria %2 x %3 pixels a %4 dpi; uma imagem tem de 1 a %5 "
                                            u"pixels de lado e até %6 milhões de pixels.")
                                 .arg(index + 1)
                                 .arg(width)
                                 .arg(height)
                                 .arg(dpi)
                                 .arg(kMaxPixelsPerSide)
                                 .arg(kMaxPixels / 1e6)
                                 .toStdString());
  QImage image(Round(width), Round(height), QImage::Format_RGB32);
  if (image.isNull())
    throw std::runtime_error(
        QStringLiteral(u"Falta memória para a imagem da página %1 (%2 x %3 pixels).").arg(index + 1).arg(width).arg(height).toStdString());
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi * kInchesPerMetre));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  PainterCanvas canvas(painter, dpi, dpi, false);
  DrawPage(pages, index, canvas, scale, scale, 0, 0);
  return image;
}

QString PngPageFileName(const QString& prefix, int page)
{
  return QStringLiteral("%1-%2.png").arg(prefix).arg(page);
}

QStringList ExportPagesToPng(PageSource& pages, const QString& prefix, int dpi)
{
  CheckResolution(dpi);
  QStringList written;
  for (int index = 0; index < pages.Count(); ++index) {
    const QImage image = RenderPage(pages, index, dpi);
    if (image.isNull())
      throw std::runtime_error(QStringLiteral(u"A página %1 não pôde ser lida.").arg(index + 1).toStdString());
    const QString fileName = PngPageFileName(prefix, index + 1);
    FileReplacement file(fileName);
    QImageWriter writer(&file.Device(), "png");
    if (!writer.write(image))
      throw FileError::UnableToWrite(fileName, file.Device().errorString());
    file.Commit();
    written << fileName;
  }
  return written;
}

}  // namespace quitanza::report
