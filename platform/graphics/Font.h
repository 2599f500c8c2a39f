#pragma once

#include "platform/graphics/Color.h"

#include <QFlags>
#include <QString>

#include <cmath>
#include <cstdint>

namespace quitanza::platform {

// The font every report object carries. Size and height convert at a fixed
// 96 pixels per inch, whatever the screen: Height = -round(Size * 96 / 72).
enum class FontStyle : std::uint8_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

enum class FontPitch : int { Default, Variable, Fixed };
enum class FontQuality : int { Default, Draft, Proof, NonAntialiased, Antialiased, ClearType, ClearTypeNatural };

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;

class Font {
public:
  QString Name = QStringLiteral("Arial");
  int Height = -13;  // negative: character height in pixels at 96 per inch
  platform::Color Color = clBlack;
  FontStyles Style;
  std::uint8_t Charset = DEFAULT_CHARSET;
  FontPitch Pitch = FontPitch::Default;
  int Orientation = 0;  // tenths of a degree
  FontQuality Quality = FontQuality::Default;

  static int HeightForSize(int points) { return -static_cast<int>(std::lround(points * 96.0 / 72.0)); }
  static int SizeForHeight(int height) { return static_cast<int>(std::lround(-height * 72.0 / 96.0)); }

  int Size() const { return SizeForHeight(Height); }
  void SetSize(int points) { Height = HeightForSize(points); }
  bool Has(FontStyle s) const { return Style.testFlag(s); }

  bool operator==(const platform::Font&) const = default;
};

}  // namespace quitanza::platform
