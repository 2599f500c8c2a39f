#pragma once

// Pens and brushes of the report's frame and fill styles, shared by the views'
// drawing steps.
#include "platform/graphics/Canvas.h"
#include "report/model/frxTypes.h"
#include "report/text/frxGraphicUtilsRound.h"

// A one-pixel pen of the frame style's dash kind; the styles without a dash
// kind of their own draw like their nearest one (double: solid, alt-dot:
// dotted, square: dashed).
quitanza::platform::CanvasPen frxThinPen(quitanza::platform::Color color, TfrxFrameStyle style);
// Solid fill in `color`, or no fill when the colour is none.
quitanza::platform::CanvasBrush frxSolidBrush(quitanza::platform::Color color);
// The hatch of a brush style in `color`; bsSolid and bsClear give no fill.
quitanza::platform::CanvasBrush frxHatchBrush(TBrushStyle style, quitanza::platform::Color color);
// A line w device pixels thick as w one-pixel lines with the current pen,
// offset across the line's main direction; w = 0 counts as 1.
void frxPaintStrokeBand(quitanza::platform::Canvas& canvas, int x, int y, int x1, int y1, int w);
