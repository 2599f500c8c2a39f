#pragma once

namespace quitanza::platform {

// An integer rectangle whose right and bottom edges are exclusive bounds:
// Width = Right - Left, as drawing and text layout count them.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const platform::Rect&) const = default;
};

}  // namespace quitanza::platform
