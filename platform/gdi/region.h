// Pixel regions: exact sets of pixels kept as sorted horizontal spans. Clipping, window shapes
// and every filled primitive are built from them, so what a region holds is exactly what a
// fill of the same shape paints.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/pixel_types.h"

// Pixels x0..x1-1 of row y.
struct pixel_span_ {
  int32_t y = 0;
  int32_t x0 = 0;
  int32_t x1 = 0;
  friend bool operator==(const pixel_span_&, const pixel_span_&) = default;
};

// Rows beyond +-262144 are left out of regions built from rectangles and shapes.
class region_ {
 public:
  region_() = default;
  explicit region_(const pixel_rect_& r);
  // Any spans, in any order, overlapping or not; they are sorted and merged.
  static region_ from_spans_(std::vector<pixel_span_> spans);
  // The pixels a polygon fill covers: pixel (x, y) is inside when the point (x, y) is, points
  // on left and top edges counting as inside, on right and bottom edges as outside. Each
  // polygon is closed implicitly. counts[i] points belong to polygon i.
  static region_ polygon_(const pixel_point_* points, size_t count, fill_mode_ mode);
  static region_ poly_polygon_(const pixel_point_* points, const int32_t* counts, size_t polygons,
                               fill_mode_ mode);
  // The pixels of an ellipse filling the box (right and bottom edges left out).
  static region_ ellipse_(const pixel_rect_& box);

  bool empty_() const { return spans_list_.empty(); }
  const std::vector<pixel_span_>& spans_() const { return spans_list_; }
  // Bounding rectangle; empty for an empty region.
  pixel_rect_ bounds_() const { return bounds_rect_; }
  // True when the region is exactly its bounding rectangle.
  bool is_rect_() const { return is_rect_flag_; }
  bool contains_(int32_t x, int32_t y) const;
  int64_t pixel_count_() const;

  region_ intersect_(const region_& other) const;
  region_ unite_(const region_& other) const;
  region_ subtract_(const region_& other) const;
  region_ exclusive_or_(const region_& other) const;
  // Moves every pixel; pixels that would leave the 32-bit range are dropped.
  region_ offset_(int32_t dx, int32_t dy) const;

  friend bool operator==(const region_& a, const region_& b) { return a.spans_list_ == b.spans_list_; }

 private:
  void finish_();  // computes bounds and the rectangle flag from normalised spans
  std::vector<pixel_span_> spans_list_;  // sorted by (y, x0), disjoint, non-adjacent per row
  pixel_rect_ bounds_rect_;
  bool is_rect_flag_ = false;
};
