#include "report/output/PngExport.h"

#include "platform/FileError.h"
#include "platform/PainterCanvas.h"
#include "report/model/frxPageSource.h"
#include "report/model/frxDrawPage.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxUnits.h"
#include "report/output/frxGraphicUtilsRound.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cmath>
#include <stdexcept>

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

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

QImage RenderPage(TfrxPageSource& pages, int index, int dpi)
{
  CheckResolution(dpi);
  TfrxReportPage* page = pages.GetPage(index);
  if (!page)
    return {};
  const double scale = dpi / 96.0;
  // The paper as the page drawing clips it: its size in report pixels, scaled.
  QImage image(frxRound(static_cast<double>(page->PaperWidth() * fr1mm) * scale),
               frxRound(static_cast<double>(page->PaperHeight() * fr1mm) * scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi * kInchesPerMetre));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  PainterCanvas canvas(painter, dpi, dpi, false);
  frxDrawPage(pages, index, canvas, scale, scale, 0, 0);
  return image;
}

QStringList ExportPagesToPng(TfrxPageSource& pages, const QString& prefix, int dpi)
{
  CheckResolution(dpi);
  QStringList written;
  for (int index = 0; index < pages.Count(); ++index) {
    const QImage image = RenderPage(pages, index, dpi);
    if (image.isNull())
      continue;
    const QString fileName = QStringLiteral("%1-%2.png").arg(prefix).arg(index + 1);
    // Written beside and renamed into place, so a failed write leaves no half file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
      throw TFileError::UnableToWrite(fileName, file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(image))
      throw TFileError::UnableToWrite(fileName, writer.errorString());
    if (!file.commit())
      throw TFileError::UnableToWrite(fileName, file.errorString());
    written << fileName;
  }
  return written;
}
