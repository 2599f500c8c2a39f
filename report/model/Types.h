#pragma once

#include "report/text/Placement.h"

#include <QFlags>
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
enum class Restriction : std::uint8_t { DontModify = 1, DontSize = 2, DontMove = 4, DontDelete = 8, DontEdit = 16 };
Q_DECLARE_FLAGS(Restrictions, Restriction)
Q_DECLARE_OPERATORS_FOR_FLAGS(Restrictions)

enum class ComponentStyle : std::uint8_t { Container = 1, PreviewVisible = 2, DefaultDiff = 4 };
Q_DECLARE_FLAGS(ComponentStyles, ComponentStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(ComponentStyles)

enum class BrushStyle : int { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };
inline constexpr QStringView BrushStyleNames[] = {u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical",
                                                     u"bsFDiagonal", u"bsBDiagonal", u"bsCross", u"bsDiagCross"};

enum class FrameStyle : int { Solid, Dash, Dot, DashDot, DashDotDot, Double, AltDot, Square };
inline constexpr QStringView FrameStyleNames[] = {u"fsSolid", u"fsDash", u"fsDot", u"fsDashDot",
                                                     u"fsDashDotDot", u"fsDouble", u"fsAltDot", u"fsSquare"};

enum class FrameType : std::uint8_t { Left = 1, Right = 2, Top = 4, Bottom = 8 };
Q_DECLARE_FLAGS(FrameTypes, FrameType)
Q_DECLARE_OPERATORS_FOR_FLAGS(FrameTypes)

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

enum class PreviewButton : std::uint16_t {
  Print = 1 << 0, Load = 1 << 1, Save = 1 << 2, Export = 1 << 3, Zoom = 1 << 4, Find = 1 << 5,
  Outline = 1 << 6, PageSetup = 1 << 7, Tools = 1 << 8, Edit = 1 << 9, Navigator = 1 << 10,
  ExportQuick = 1 << 11, NoClose = 1 << 12, NoFullScreen = 1 << 13, NoEmail = 1 << 14
};
Q_DECLARE_FLAGS(PreviewButtons, PreviewButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(PreviewButtons)
// The twelve ordinary buttons, from Print to ExportQuick.
inline constexpr PreviewButtons AllPreviewButtons = PreviewButtons::fromInt(4095);

// Date-times are days since 1899-12-30 plus the fraction of the day.
using DateTime = double;

}  // namespace quitanza::report
