#pragma once

// Pens and brushes of the report's frame and fill styles, shared by the views'
// drawing steps.
#include "platform/graphics/Canvas.h"
#include "report/model/Types.h"
#include "report/text/Placement.h"

namespace quitanza::report {

// A one-pixel pen of the frame style's dash kind; the styles without a dash
// kind of their own draw like their nearest one (double: solid, alt-dot:
// dotted, square: dashed).
platform::CanvasPen ThinPen(platform::Color color, FrameStyle style);
// Solid fill in `color`, or no fill when the colour is none.
platform::CanvasBrush SolidBrush(platform::Color color);
// The hatch of a brush style in `color`; Solid and Clear give no fill.
platform::CanvasBrush HatchBrush(BrushStyle style, platform::Color color);
// A line w device pixels thick as w one-pixel lines with the current pen,
// offset across the line's main direction; w = 0 counts as 1.
void PaintStrokeBand(platform::Canvas& canvas, int x, int y, int x1, int y1, int w);

}  // namespace quitanza::report
