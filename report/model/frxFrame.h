#pragma once

#include "platform/graphics/Color.h"
#include "report/model/frxPropTable.h"
#include "report/model/frxTypes.h"

class TfrxFrame;

// One side of a frame. Each value is written only where it differs from the
// frame's own, so a uniform frame costs no line attributes.
class TfrxFrameLine {
public:
  explicit TfrxFrameLine(const TfrxFrame& frame) : FFrame(&frame) {}

  // Widest members first: every view holds four lines, and padding between
  // them would be a tenth of a view's size.
  long double Width = 1;
  quitanza::platform::Color Color = quitanza::platform::clBlack;
  TfrxFrameStyle Style = fsSolid;

  const TfrxFrame& Frame() const { return *FFrame; }
  static const TfrxPropTable& Props();

private:
  friend class TfrxFrame;
  const TfrxFrame* FFrame;
};

// Border of a view. Setting the frame's colour, style or width sets the four
// lines' too.
class TfrxFrame {
public:
  TfrxFrame() = default;
  TfrxFrame(const TfrxFrame& other) { *this = other; }
  TfrxFrame& operator=(const TfrxFrame& other);

  long double ShadowWidth = 4;
  quitanza::platform::Color ShadowColor = quitanza::platform::clBlack;
  bool DropShadow = false;
  TfrxFrameTypes Typ = 0;
  TfrxFrameLine LeftLine{*this};
  TfrxFrameLine TopLine{*this};
  TfrxFrameLine RightLine{*this};
  TfrxFrameLine BottomLine{*this};

  quitanza::platform::Color Color() const { return FColor; }
  void SetColor(quitanza::platform::Color color);
  TfrxFrameStyle Style() const { return FStyle; }
  void SetStyle(TfrxFrameStyle style);
  long double Width() const { return FWidth; }
  void SetWidth(long double width);

  static const TfrxPropTable& Props();

private:
  long double FWidth = 1;
  quitanza::platform::Color FColor = quitanza::platform::clBlack;
  TfrxFrameStyle FStyle = fsSolid;
};
