#pragma once

#include "report/text/frxGraphicUtilsAlign.h"

#include <QStringView>

#include <cstdint>

// Enumerations of the report tree. Each comes with the names written to
// template files, in ordinal order. Those read from files have the fixed
// underlying type int: a file may give any ordinal and it is kept as read
// (an unknown name reads as -1), which an enumeration without a fixed type
// cannot hold.

enum TfrxAlign : int { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
inline constexpr QStringView frxAlignNames[] = {u"baNone", u"baLeft", u"baRight", u"baCenter",
                                                u"baWidth", u"baBottom", u"baClient"};

enum TfrxShiftMode : int { smDontShift, smAlways, smWhenOverlapped };
inline constexpr QStringView frxShiftModeNames[] = {u"smDontShift", u"smAlways", u"smWhenOverlapped"};

enum TfrxStretchMode : int { smDontStretch, smActualHeight, smMaxHeight };
inline constexpr QStringView frxStretchModeNames[] = {u"smDontStretch", u"smActualHeight", u"smMaxHeight"};

// Set bits: element i has value 2^i.
enum TfrxRestriction : std::uint8_t { rfDontModify = 1, rfDontSize = 2, rfDontMove = 4, rfDontDelete = 8, rfDontEdit = 16 };
using TfrxRestrictions = std::uint8_t;

enum TfrxComponentStyle : std::uint8_t { csContainer = 1, csPreviewVisible = 2, csDefaultDiff = 4 };
using TfrxComponentStyles = std::uint8_t;

enum TBrushStyle : int { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
inline constexpr QStringView frxBrushStyleNames[] = {u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical",
                                                     u"bsFDiagonal", u"bsBDiagonal", u"bsCross", u"bsDiagCross"};

enum TfrxFrameStyle : int { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };
inline constexpr QStringView frxFrameStyleNames[] = {u"fsSolid", u"fsDash", u"fsDot", u"fsDashDot",
                                                     u"fsDashDotDot", u"fsDouble", u"fsAltDot", u"fsSquare"};

enum TfrxFrameType : std::uint8_t { ftLeft = 1, ftRight = 2, ftTop = 4, ftBottom = 8 };
using TfrxFrameTypes = std::uint8_t;

inline constexpr QStringView frxHAlignNames[] = {u"haLeft", u"haRight", u"haCenter", u"haBlock"};

inline constexpr QStringView frxVAlignNames[] = {u"vaTop", u"vaBottom", u"vaCenter"};

enum TfrxShapeKind : int { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };
inline constexpr QStringView frxShapeKindNames[] = {u"skRectangle", u"skRoundRectangle", u"skEllipse", u"skTriangle",
                                                    u"skDiamond", u"skDiagonal1", u"skDiagonal2"};

enum TPrinterOrientation : int { poPortrait, poLandscape };
inline constexpr QStringView frxOrientationNames[] = {u"poPortrait", u"poLandscape"};

enum TfrxDuplexMode : int { dmNone, dmVertical, dmHorizontal, dmSimplex };
inline constexpr QStringView frxDuplexModeNames[] = {u"dmNone", u"dmVertical", u"dmHorizontal", u"dmSimplex"};

enum TfrxSilentMode : int { simMessageBoxes, simSilent, simReThrow };
inline constexpr QStringView frxSilentModeNames[] = {u"simMessageBoxes", u"simSilent", u"simReThrow"};

enum TfrxZoomMode : int { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
inline constexpr QStringView frxZoomModeNames[] = {u"zmDefault", u"zmWholePage", u"zmPageWidth", u"zmManyPages"};

enum TfrxPrintMode : int { pmDefault, pmSplit, pmJoin, pmScale };
inline constexpr QStringView frxPrintModeNames[] = {u"pmDefault", u"pmSplit", u"pmJoin", u"pmScale"};

enum TfrxPrintPages : int { ppAll, ppOdd, ppEven };
inline constexpr QStringView frxPrintPagesNames[] = {u"ppAll", u"ppOdd", u"ppEven"};

enum TfrxPreviewButton : std::uint16_t {
  pbPrint = 1 << 0, pbLoad = 1 << 1, pbSave = 1 << 2, pbExport = 1 << 3, pbZoom = 1 << 4, pbFind = 1 << 5,
  pbOutline = 1 << 6, pbPageSetup = 1 << 7, pbTools = 1 << 8, pbEdit = 1 << 9, pbNavigator = 1 << 10,
  pbExportQuick = 1 << 11, pbNoClose = 1 << 12, pbNoFullScreen = 1 << 13, pbNoEmail = 1 << 14
};
using TfrxPreviewButtons = std::uint16_t;
// The twelve ordinary buttons, from pbPrint to pbExportQuick.
inline constexpr TfrxPreviewButtons frxAllPreviewButtons = 4095;

// Date-times are days since 1899-12-30 plus the fraction of the day.
using TDateTime = double;
