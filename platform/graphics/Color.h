#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR integers; values 0xFF0000nn name system colours that
// are resolved when drawing.
using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;   // transparent: nothing is painted
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGray = 0x808080;

inline constexpr int ColorRed(TColor c) { return c & 0xFF; }
inline constexpr int ColorGreen(TColor c) { return (c >> 8) & 0xFF; }
inline constexpr int ColorBlue(TColor c) { return (c >> 16) & 0xFF; }
inline constexpr TColor RGBColor(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }
