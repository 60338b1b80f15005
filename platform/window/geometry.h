// Pixel points and rectangles of the window layer. A rectangle holds its left and top edges
// and excludes its right and bottom ones, as the classic desktop does.
#pragma once
#include <cstdint>

struct point_px_ {
  int32_t x = 0, y = 0;
  friend bool operator==(const point_px_&, const point_px_&) = default;
};

struct rect_px_ {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const rect_px_&, const rect_px_&) = default;
};
