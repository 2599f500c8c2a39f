#pragma once

namespace quitanza::report {

// Where a report page lands on a printer's canvas: device pixels per report
// pixel and the shift that puts report coordinate 0 on the paper's edge (the
// canvas itself starts at the printable area, inside the unprintable margins).
struct DeviceTransform {
  double ScaleX;
  double ScaleY;
  double OffsetX;
  double OffsetY;
};

// kx and ky scale the page to a sheet of another size (1 when printed as is);
// margins are the printer's unprintable margins in millimetres.
DeviceTransform PageTransform(int dpiX, int dpiY, double leftMargin, double topMargin, double kx = 1,
                              double ky = 1);

// How many sheets of `sheet` millimetres one page of `page` millimetres needs
// along one axis: a part of less than 11 mm past a whole sheet is dropped.
int SheetsAlong(double page, double sheet);

// Sheets or pages across and down, and whether the sheet is turned.
struct SheetGrid {
  int Across;
  int Down;
  bool Landscape;
  int Count() const { return Across * Down; }
};

// Sizes in millimetres. Splitting: the sheets one big page is printed on;
// along an axis with more than one sheet each sheet shows less by the
// overlap and the two unprintable margins of that axis.
struct SplitSheet {
  double Width;
  double Height;
  double SplicingLine;
  double MarginLeft;
  double MarginTop;
  double MarginRight;
  double MarginBottom;
};
SheetGrid SplitGrid(double pageWidth, double pageHeight, const SplitSheet& sheet);

// Joining: how many small pages fit on one sheet, the sheet turned when
// that fits more; at least one.
SheetGrid JoinGrid(double pageWidth, double pageHeight, double sheetWidth, double sheetHeight);

}  // namespace quitanza::report
