#pragma once

#include <cstdint>

namespace quitanza::platform {

// Colours are 0x00BBGGRR integers; values 0xFF0000nn name system colours that
// are resolved when drawing.
using Color = std::int32_t;

inline constexpr Color clNone = 0x1FFFFFFF;   // transparent: nothing is painted
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clGray = 0x808080;

inline constexpr int ColorRed(Color c) { return c & 0xFF; }
inline constexpr int ColorGreen(Color c) { return (c >> 8) & 0xFF; }
inline constexpr int ColorBlue(Color c) { return (c >> 16) & 0xFF; }
inline constexpr Color RGBColor(int r, int g, int b) { return Color(r | (g << 8) | (b << 16)); }

}  // namespace quitanza::platform
