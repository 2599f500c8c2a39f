#pragma once

#include "platform/graphics/Color.h"
#include "report/model/PropTable.h"
#include "report/model/Types.h"

namespace quitanza::report {

class Frame;

// One side of a frame. Each value is written only where it differs from the
// frame's own, so a uniform frame costs no line attributes.
class FrameLine {
public:
  explicit FrameLine(const report::Frame& frame) : m_frame(&frame) {}

  // Widest members first: every view holds four lines, and padding between
  // them would be a tenth of a view's size.
  long double Width = 1;
  platform::Color Color = platform::clBlack;
  FrameStyle Style = FrameStyle::Solid;

  const report::Frame& Frame() const { return *m_frame; }
  static const PropTable& Props();

private:
  friend class Frame;
  const report::Frame* m_frame;
};

// Border of a view. Setting the frame's colour, style or width sets the four
// lines' too.
class Frame {
public:
  Frame() = default;
  Frame(const report::Frame& other) { *this = other; }
  report::Frame& operator=(const report::Frame& other);

  long double ShadowWidth = 4;
  platform::Color ShadowColor = platform::clBlack;
  bool DropShadow = false;
  FrameTypes Typ;
  FrameLine LeftLine{*this};
  FrameLine TopLine{*this};
  FrameLine RightLine{*this};
  FrameLine BottomLine{*this};

  platform::Color Color() const { return m_color; }
  void SetColor(platform::Color color);
  FrameStyle Style() const { return m_style; }
  void SetStyle(FrameStyle style);
  long double Width() const { return m_width; }
  void SetWidth(long double width);

  static const PropTable& Props();

private:
  long double m_width = 1;
  platform::Color m_color = platform::clBlack;
  FrameStyle m_style = FrameStyle::Solid;
};

}  // namespace quitanza::report
