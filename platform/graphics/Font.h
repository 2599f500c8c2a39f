#pragma once

#include "platform/graphics/Color.h"

#include <QString>

#include <cmath>
#include <cstdint>

namespace quitanza::platform {

// The font every report object carries. Size and height convert at a fixed
// 96 pixels per inch, whatever the screen: Height = -round(Size * 96 / 72).
enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using FontStyles = std::uint8_t;  // bit mask of FontStyle

enum class FontPitch : int { Default, Variable, Fixed };
enum class FontQuality : int { Default, Draft, Proof, NonAntialiased, Antialiased, ClearType, ClearTypeNatural };

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;

class Font {
public:
  QString Name = QStringLiteral("Arial");
  int Height = -13;  // negative: character height in pixels at 96 per inch
  platform::Color Color = clBlack;
  FontStyles Style = 0;
  std::uint8_t Charset = DEFAULT_CHARSET;
  FontPitch Pitch = FontPitch::Default;
  int Orientation = 0;  // tenths of a degree
  FontQuality Quality = FontQuality::Default;

  static int HeightForSize(int points) { return -static_cast<int>(std::lround(points * 96.0 / 72.0)); }
  static int SizeForHeight(int height) { return static_cast<int>(std::lround(-height * 72.0 / 96.0)); }

  int Size() const { return SizeForHeight(Height); }
  void SetSize(int points) { Height = HeightForSize(points); }
  bool Has(FontStyle s) const { return (Style & s) != 0; }

  bool operator==(const platform::Font&) const = default;
};

}  // namespace quitanza::platform
