#include "report/output/PDFColors.h"

#include "report/output/PDFNumbers.h"

#include <array>
#include <stdexcept>

namespace quitanza::report {

using namespace platform;

namespace {

std::array<int, 3> Components(Color color) {
  if ((quint32(color) & 0xFF000000u) == 0xFF000000u)
    throw std::invalid_argument("system colours must be resolved before they are written to PDF");
  return {ColorRed(color), ColorGreen(color), ColorBlue(color)};
}

QByteArray PageComponent(int value) {
  if (value == 0)
    return QByteArrayLiteral("0");
  if (value == 255)
    return QByteArrayLiteral("1");
  return QByteArrayLiteral("0.") + QByteArray::number(value * 100 / 256).rightJustified(2, '0');
}

}  // namespace

QByteArray PdfColorText(Color color) {
  if (color == clBlack)
    return QByteArrayLiteral("0 0 0");
  if (color == clWhite)
    return QByteArrayLiteral("1 1 1");
  const auto [red, green, blue] = Components(color);
  return PdfFloat(red / 255.0) + ' ' + PdfFloat(green / 255.0) + ' ' + PdfFloat(blue / 255.0);
}

QByteArray PdfPageColorText(Color color) {
  const auto [red, green, blue] = Components(color);
  return PageComponent(red) + ' ' + PageComponent(green) + ' ' + PageComponent(blue);
}

}  // namespace quitanza::report
