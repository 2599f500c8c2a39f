#pragma once

#include "report/text/GraphicUtilsAlign.h"

#include <QStringView>

#include <cstdint>

namespace quitanza::report {

// Enumerations of the report tree. Each comes with the names written to
// template files, in ordinal order. Those read from files have the fixed
// underlying type int: a file may give any ordinal and it is kept as read
// (an unknown name reads as -1), which an enumeration without a fixed type
// cannot hold.

enum class Align : int { None, Left, Right, Center, Width, Bottom, Client };
inline constexpr QStringView AlignNames[] = {u"baNone", u"baLeft", u"baRight", u"baCenter",
                                                u"baWidth", u"baBottom", u"baClient"};

enum class ShiftMode : int { DontShift, Always, WhenOverlapped };
inline constexpr QStringView ShiftModeNames[] = {u"smDontShift", u"smAlways", u"smWhenOverlapped"};

enum class StretchMode : int { DontStretch, ActualHeight, MaxHeight };
inline constexpr QStringView StretchModeNames[] = {u"smDontStretch", u"smActualHeight", u"smMaxHeight"};

// Set bits: element i has value 2^i.
enum Restriction : std::uint8_t { rfDontModify = 1, rfDontSize = 2, rfDontMove = 4, rfDontDelete = 8, rfDontEdit = 16 };
using Restrictions = std::uint8_t;

enum ComponentStyle : std::uint8_t { csContainer = 1, csPreviewVisible = 2, csDefaultDiff = 4 };
using ComponentStyles = std::uint8_t;

enum class BrushStyle : int { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };
inline constexpr QStringView BrushStyleNames[] = {u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical",
                                                     u"bsFDiagonal", u"bsBDiagonal", u"bsCross", u"bsDiagCross"};

enum class FrameStyle : int { Solid, Dash, Dot, DashDot, DashDotDot, Double, AltDot, Square };
inline constexpr QStringView FrameStyleNames[] = {u"fsSolid", u"fsDash", u"fsDot", u"fsDashDot",
                                                     u"fsDashDotDot", u"fsDouble", u"fsAltDot", u"fsSquare"};

enum FrameType : std::uint8_t { ftLeft = 1, ftRight = 2, ftTop = 4, ftBottom = 8 };
using FrameTypes = std::uint8_t;

inline constexpr QStringView HAlignNames[] = {u"haLeft", u"haRight", u"haCenter", u"haBlock"};

inline constexpr QStringView VAlignNames[] = {u"vaTop", u"vaBottom", u"vaCenter"};

enum class ShapeKind : int { Rectangle, RoundRectangle, Ellipse, Triangle, Diamond, Diagonal1, Diagonal2 };
inline constexpr QStringView ShapeKindNames[] = {u"skRectangle", u"skRoundRectangle", u"skEllipse", u"skTriangle",
                                                    u"skDiamond", u"skDiagonal1", u"skDiagonal2"};

enum class PrinterOrientation : int { Portrait, Landscape };
inline constexpr QStringView OrientationNames[] = {u"poPortrait", u"poLandscape"};

enum class DuplexMode : int { None, Vertical, Horizontal, Simplex };
inline constexpr QStringView DuplexModeNames[] = {u"dmNone", u"dmVertical", u"dmHorizontal", u"dmSimplex"};

enum class SilentMode : int { MessageBoxes, Silent, ReThrow };
inline constexpr QStringView SilentModeNames[] = {u"simMessageBoxes", u"simSilent", u"simReThrow"};

enum class ZoomMode : int { Default, WholePage, PageWidth, ManyPages };
inline constexpr QStringView ZoomModeNames[] = {u"zmDefault", u"zmWholePage", u"zmPageWidth", u"zmManyPages"};

enum class PrintMode : int { Default, Split, Join, Scale };
inline constexpr QStringView PrintModeNames[] = {u"pmDefault", u"pmSplit", u"pmJoin", u"pmScale"};

enum class PrintPages : int { All, Odd, Even };
inline constexpr QStringView PrintPagesNames[] = {u"ppAll", u"ppOdd", u"ppEven"};

enum PreviewButton : std::uint16_t {
  pbPrint = 1 << 0, pbLoad = 1 << 1, pbSave = 1 << 2, pbExport = 1 << 3, pbZoom = 1 << 4, pbFind = 1 << 5,
  pbOutline = 1 << 6, pbPageSetup = 1 << 7, pbTools = 1 << 8, pbEdit = 1 << 9, pbNavigator = 1 << 10,
  pbExportQuick = 1 << 11, pbNoClose = 1 << 12, pbNoFullScreen = 1 << 13, pbNoEmail = 1 << 14
};
using PreviewButtons = std::uint16_t;
// The twelve ordinary buttons, from pbPrint to pbExportQuick.
inline constexpr PreviewButtons AllPreviewButtons = 4095;

// Date-times are days since 1899-12-30 plus the fraction of the day.
using DateTime = double;

}  // namespace quitanza::report
