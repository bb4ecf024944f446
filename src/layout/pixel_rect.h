#pragma once
// Rectangles and points in pixels, shared by the board and game-tree geometries. Pixels grow right and down.

namespace meridax {

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }    // one past the last column
  int bottom() const { return y + height; }  // one past the last row
  bool contains(int px, int py) const { return px >= x && py >= y && px < right() && py < bottom(); }
  PixelRect inflated(int by) const { return {x - by, y - by, width + 2 * by, height + 2 * by}; }
  PixelRect translated(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelPoint {
  int x = 0, y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

}  // namespace meridax
