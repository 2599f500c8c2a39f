#include "report/print/PrintGeometry.h"

#include <algorithm>
#include <cmath>

namespace quitanza::report {

namespace {

constexpr double kDropBelowMillimetres = 11;

// Along one axis, how many pages of `page` fit on `sheet`; a page that
// overhangs by less than the dropped part still counts.
int FitAlong(double sheet, double page)
{
  const int n = static_cast<int>(sheet / page);
  if ((n + 1) * page - sheet < kDropBelowMillimetres)
    return n + 1;
  return std::max(1, n);
}

}  // namespace

DeviceTransform PageTransform(int dpiX, int dpiY, double leftMargin, double topMargin, double kx, double ky)
{
  return {kx * dpiX / 96.0, ky * dpiY / 96.0, -leftMargin * dpiX / 25.4, -topMargin * dpiY / 25.4};
}

int SheetsAlong(double page, double sheet)
{
  const int n = static_cast<int>(page / sheet);
  if (std::abs(n * sheet - page) >= kDropBelowMillimetres)
    return n + 1;
  return std::max(1, static_cast<int>(std::nearbyint(page / sheet)));
}

SheetGrid SplitGrid(double pageWidth, double pageHeight, const SplitSheet& sheet)
{
  const SheetGrid upright{SheetsAlong(pageWidth, sheet.Width), SheetsAlong(pageHeight, sheet.Height), false};
  const SheetGrid turned{SheetsAlong(pageWidth, sheet.Height), SheetsAlong(pageHeight, sheet.Width), true};
  const bool landscape = turned.Count() < upright.Count();
  const SheetGrid& first = landscape ? turned : upright;
  double width = landscape ? sheet.Height : sheet.Width;
  double height = landscape ? sheet.Width : sheet.Height;
  // Turned, the left and right margins lie along the sheet's height.
  const double marginsAcross = landscape ? sheet.MarginTop + sheet.MarginBottom : sheet.MarginLeft + sheet.MarginRight;
  const double marginsDown = landscape ? sheet.MarginLeft + sheet.MarginRight : sheet.MarginTop + sheet.MarginBottom;
  if (first.Across > 1)
    width -= sheet.SplicingLine + marginsAcross;
  if (first.Down > 1)
    height -= sheet.SplicingLine + marginsDown;
  return {SheetsAlong(pageWidth, width), SheetsAlong(pageHeight, height), landscape};
}

SheetGrid JoinGrid(double pageWidth, double pageHeight, double sheetWidth, double sheetHeight)
{
  const SheetGrid upright{FitAlong(sheetWidth, pageWidth), FitAlong(sheetHeight, pageHeight), false};
  const SheetGrid turned{FitAlong(sheetHeight, pageWidth), FitAlong(sheetWidth, pageHeight), true};
  return turned.Count() > upright.Count() ? turned : upright;
}

}  // namespace quitanza::report
