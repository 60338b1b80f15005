// Paint state of one engine: where it paints, the mapping of the last repaint, the mapping
// the block-insert painters read, and the snap points collected by the last repaint.
#pragma once
#include <cstdint>
#include <vector>

#include "engine/fonts/view_transform.h"
#include "platform/gdi/dc.h"
#include "platform/gdiplus/graphics.h"

// Snap candidates of the visible objects. They belong to the page and mapping they were
// collected for: a reader with another page or view finds the cache stale and ignores it.
struct snap_point_rec_ {
  std::vector<float> x{0.f}, y{0.f};  // 1..count (slot 0 unused)
  int32_t count = 0;
  int32_t capacity = 0;
  int32_t page = 0;  // 0: never built
  view_transform_rec_ view{};
  int32_t width = 0, height = 0;
};

// Visible area of a mapping, in drawing units.
struct view_area_rec_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct paint_state_ {
  dc_* dc = nullptr;              // the host's device context; nullptr: no window
  graphics_* gfx = nullptr;       // antialiased graphics, only while a repaint runs
  view_transform_rec_ view{};     // mapping of the last repaint
  view_area_rec_ area{};          // its visible area
  // The mapping and client rectangle the block-insert painters read; every caller sets
  // both right before the call.
  view_transform_rec_ insert_view{};
  pixel_rect_ insert_view_rect{};
  snap_point_rec_ snap;
  // Point buffers reused between figures; they grow to the largest figure seen.
  std::vector<pixel_point_> points;
  std::vector<gp_point_> float_points;
};
