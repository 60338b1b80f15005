// Adding points, lines, rectangles, polylines, polygons and curves.
#include <algorithm>
#include <cmath>

#include "engine/zaz_class.h"

namespace {

// Coordinates of 10,000,000 or more are refused; so is anything not finite.
bool in_range(float v) { return std::fabs(v) < coord_limit_; }

void box_start(object_rec_& o, float x, float y) {
  o.x1 = o.x2 = x;
  o.y1 = o.y2 = y;
}

void box_widen(object_rec_& o, float x, float y) {
  o.x1 = std::min(o.x1, x);
  o.x2 = std::max(o.x2, x);
  o.y1 = std::min(o.y1, y);
  o.y2 = std::max(o.y2, y);
}

}  // namespace

int32_t zaz_class_::add_point_(float x_, float y_, uint8_t p_type_, uint8_t p_size_,
                               int32_t color_, int16_t style_, double width_, int32_t layer_) {
  if (!in_range(x_) || !in_range(y_)) return 0;
  int16_t width = 0;
  if (!to_int_even_(width_, width)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_point_, color_, color_none_, style_, width, layer_, s)) return 0;
  box_start(object_(s.record), x_, y_);
  point_rec_& p = store.live.points[s.entry];
  p.x = x_;
  p.y = y_;
  p.p_type = p_type_;
  p.p_size = p_size_;
  return add_commit_(s);
}

int32_t zaz_class_::add_line_(float x1_, float y1_, float X2_, float y2_, int32_t color_,
                              int16_t style_, int16_t width_, int32_t layer_, float shift_val_) {
  if (!in_range(x1_) || !in_range(y1_) || !in_range(X2_) || !in_range(y2_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_line_, color_, color_none_, style_, width_, layer_, s)) return 0;
  if (shift_val_ != 0) {
    geometry.offset_count_ = 2;
    geometry.offset_points_[1].x = x1_;
    geometry.offset_points_[1].y = y1_;
    geometry.offset_points_[2].x = X2_;
    geometry.offset_points_[2].y = y2_;
    if (!calc_shift_pline_(shift_val_, false_)) return 0;
    x1_ = geometry.offset_result_[1].x;
    y1_ = geometry.offset_result_[1].y;
    X2_ = geometry.offset_result_[2].x;
    y2_ = geometry.offset_result_[2].y;
  }
  object_rec_& o = object_(s.record);
  box_start(o, x1_, y1_);
  box_widen(o, X2_, y2_);
  store.live.lines[s.entry] = line_rec_{x1_, y1_, X2_, y2_};
  return add_commit_(s);
}

int32_t zaz_class_::add_rect_(float x1_, float y1_, float X2_, float y2_, int32_t color_,
                              int32_t fill_, int16_t style_, int16_t width_, int32_t layer_,
                              float shift_val_) {
  if (!in_range(x1_) || !in_range(y1_) || !in_range(X2_) || !in_range(y2_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_polygon_, color_, fill_, style_, width_, layer_, s)) return 0;
  if (shift_val_ != 0) {
    // Offset the outline as a closed figure and read the corners back, so the
    // rectangle stays axis-parallel.
    auto& src = geometry.offset_points_;
    geometry.offset_count_ = 4;
    src[1].x = x1_, src[1].y = y2_;
    src[2].x = X2_, src[2].y = y2_;
    src[3].x = X2_, src[3].y = y1_;
    src[4].x = x1_, src[4].y = y1_;
    if (!calc_shift_pline_(shift_val_, true_)) return 0;
    const auto& res = geometry.offset_result_;
    x1_ = res[1].x;
    y2_ = res[1].y;
    X2_ = res[2].x;
    y1_ = res[3].y;
  }
  polygon_rec_& p = store.live.polygons[s.entry];
  try {
    p.x.assign({0.0f, x1_, X2_, X2_, x1_});
    p.y.assign({0.0f, y1_, y1_, y2_, y2_});
  } catch (const std::bad_alloc&) {
    return 0;
  }
  p.count = 4;
  object_rec_& o = object_(s.record);
  box_start(o, x1_, y1_);
  box_widen(o, X2_, y2_);
  return add_commit_(s);
}

// Fills a point-list entry from the main vertex buffer (points 1..n, n >= 2) and its
// box; false when the buffer holds fewer than two points or a point that is not finite.
static bool fill_from_buffer(const std::vector<vertex_rec_>& buf, polyline_rec_& p,
                             object_rec_& o) {
  const size_t n = buf.size();
  if (n < 2) return false;
  for (const vertex_rec_& v : buf)
    if (!std::isfinite(v.x) || !std::isfinite(v.y)) return false;
  try {
    p.x.resize(n + 1);
    p.y.resize(n + 1);
  } catch (const std::bad_alloc&) {
    return false;
  }
  p.count = static_cast<int32_t>(n);
  box_start(o, buf[0].x, buf[0].y);
  for (size_t i = 1; i <= n; ++i) {
    p.x[i] = buf[i - 1].x;
    p.y[i] = buf[i - 1].y;
    box_widen(o, p.x[i], p.y[i]);
  }
  return true;
}

// Offsets the main vertex buffer in place (its a values stay); false when the figure
// does not fit the offset buffers or the offset fails.
static bool shift_buffer(zaz_class_& e, float shift, flag16_ closed) {
  auto& buf = e.vertices.main;
  if (buf.size() < 2 || buf.size() > static_cast<size_t>(offset_slots_ - 2)) return false;
  const int32_t n = static_cast<int32_t>(buf.size());
  e.geometry.offset_count_ = n;
  for (int32_t i = 1; i <= n; ++i) {
    e.geometry.offset_points_[i].x = buf[i - 1].x;
    e.geometry.offset_points_[i].y = buf[i - 1].y;
  }
  if (!e.calc_shift_pline_(shift, closed)) return false;
  for (int32_t i = 1; i <= n; ++i) {
    buf[i - 1].x = e.geometry.offset_result_[i].x;
    buf[i - 1].y = e.geometry.offset_result_[i].y;
  }
  return true;
}

int32_t zaz_class_::add_polyline_(int32_t color_, int16_t style_, int16_t width_,
                                  int32_t layer_, float shift_val_) {
  add_slot_ s;
  if (!add_begin_(ot_polyline_, color_, color_none_, style_, width_, layer_, s)) return 0;
  if (vertices.main.size() < 2) return 0;
  if (shift_val_ != 0 && !shift_buffer(*this, shift_val_, false_)) return 0;
  if (!fill_from_buffer(vertices.main, store.live.polylines[s.entry], object_(s.record)))
    return 0;
  return add_commit_(s);
}

int32_t zaz_class_::add_polygon_(int32_t color_, int32_t fill_, int16_t style_, int16_t width_,
                                 int32_t layer_, float shift_val_) {
  add_slot_ s;
  if (!add_begin_(ot_polygon_, color_, fill_, style_, width_, layer_, s)) return 0;
  if (vertices.main.size() < 2) return 0;
  if (shift_val_ != 0 && !shift_buffer(*this, shift_val_, true_)) return 0;
  if (!fill_from_buffer(vertices.main, store.live.polygons[s.entry], object_(s.record)))
    return 0;
  return add_commit_(s);
}

int32_t zaz_class_::add_curve_(flag16_ close_, int32_t color_, int32_t fill_, int16_t style_,
                               int16_t width_, int32_t layer_) {
  add_slot_ s;
  if (!add_begin_(ot_curve_, color_, fill_, style_, width_, layer_, s)) return 0;
  curve_rec_& c = store.live.curves[s.entry];
  if (!fill_from_buffer(vertices.main, c, object_(s.record))) return 0;
  if (close_ == true_) c.count = -c.count;
  return add_commit_(s);
}
