#include "report/preview/ZoomText.h"

#include <QLocale>

#include <cmath>

namespace quitanza::report {

std::optional<double> ParseZoomText(const QString& text)
{
  QString number = text;
  const qsizetype percent = number.indexOf(QLatin1Char('%'));
  if (percent >= 0)
    number[percent] = QLatin1Char(' ');
  number.remove(QLatin1Char(' '));
  if (number.isEmpty())
    return std::nullopt;
  // A decimal comma is what a Brazilian operator types; a point is accepted too.
  number.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = QLocale::c().toDouble(number, &ok);
  if (!ok)
    return std::nullopt;
  return value / 100;
}

QString ZoomText(double zoom)
{
  return QString::number(std::lround(zoom * 100)) + QLatin1Char('%');
}

}  // namespace quitanza::report
