#pragma once

#include <cmath>

namespace quitanza::report {

// Alignment of a memo's text inside its box.
enum class HAlign : int { Left, Right, Center, Block };
enum class VAlign : int { Top, Bottom, Center };

// Device positions round half to even (2.5 -> 2, 3.5 -> 4), the floating
// point default, so that layouts match pixel for pixel wherever they are made.
inline int Round(double value)
{
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace quitanza::report
