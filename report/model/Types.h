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

enum Align : int { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
inline constexpr QStringView AlignNames[] = {u"baNone", u"baLeft", u"baRight", u"baCenter",
                                                u"baWidth", u"baBottom", u"baClient"};

enum ShiftMode : int { smDontShift, smAlways, smWhenOverlapped };
inline constexpr QStringView ShiftModeNames[] = {u"smDontShift", u"smAlways", u"smWhenOverlapped"};

enum StretchMode : int { smDontStretch, smActualHeight, smMaxHeight };
inline constexpr QStringView StretchModeNames[] = {u"smDontStretch", u"smActualHeight", u"smMaxHeight"};

// Set bits: element i has value 2^i.
enum Restriction : std::uint8_t { rfDontModify = 1, rfDontSize = 2, rfDontMove = 4, rfDontDelete = 8, rfDontEdit = 16 };
using Restrictions = std::uint8_t;

enum ComponentStyle : std::uint8_t { csContainer = 1, csPreviewVisible = 2, csDefaultDiff = 4 };
using ComponentStyles = std::uint8_t;

enum BrushStyle : int { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
inline constexpr QStringView BrushStyleNames[] = {u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical",
                                                     u"bsFDiagonal", u"bsBDiagonal", u"bsCross", u"bsDiagCross"};

enum FrameStyle : int { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };
inline constexpr QStringView FrameStyleNames[] = {u"fsSolid", u"fsDash", u"fsDot", u"fsDashDot",
                                                     u"fsDashDotDot", u"fsDouble", u"fsAltDot", u"fsSquare"};

enum FrameType : std::uint8_t { ftLeft = 1, ftRight = 2, ftTop = 4, ftBottom = 8 };
using FrameTypes = std::uint8_t;

inline constexpr QStringView HAlignNames[] = {u"haLeft", u"haRight", u"haCenter", u"haBlock"};

inline constexpr QStringView VAlignNames[] = {u"vaTop", u"vaBottom", u"vaCenter"};

enum ShapeKind : int { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };
inline constexpr QStringView ShapeKindNames[] = {u"skRectangle", u"skRoundRectangle", u"skEllipse", u"skTriangle",
                                                    u"skDiamond", u"skDiagonal1", u"skDiagonal2"};

enum PrinterOrientation : int { poPortrait, poLandscape };
inline constexpr QStringView OrientationNames[] = {u"poPortrait", u"poLandscape"};

enum DuplexMode : int { dmNone, dmVertical, dmHorizontal, dmSimplex };
inline constexpr QStringView DuplexModeNames[] = {u"dmNone", u"dmVertical", u"dmHorizontal", u"dmSimplex"};

enum SilentMode : int { simMessageBoxes, simSilent, simReThrow };
inline constexpr QStringView SilentModeNames[] = {u"simMessageBoxes", u"simSilent", u"simReThrow"};

enum ZoomMode : int { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
inline constexpr QStringView ZoomModeNames[] = {u"zmDefault", u"zmWholePage", u"zmPageWidth", u"zmManyPages"};

enum PrintMode : int { pmDefault, pmSplit, pmJoin, pmScale };
inline constexpr QStringView PrintModeNames[] = {u"pmDefault", u"pmSplit", u"pmJoin", u"pmScale"};

enum PrintPages : int { ppAll, ppOdd, ppEven };
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
