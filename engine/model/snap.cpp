// Cursor conversion: a pixel of the drawing window becomes a drawing point, then snaps in
// a fixed order to the grid, to object points, to 45-degree rays from the last point taken,
// and to tracking lines.
#include <cmath>

#include "engine/geometry/edit_util.h"

namespace {

using d = double;
constexpr float pi_f = 3.1415927f;

}  // namespace

float zaz_class_::snap_to_grid_(float v, float g) {
  // The nearest multiple of the grid, halves to the even multiple, for every grid size.
  const d q = round_even_(d(v) / g);
  const float s = f32_(q * g);
  return std::isfinite(s) ? s : v;
}

void zaz_class_::mxy2cxy_(int32_t mx_, int32_t my_, flag16_ snap_, flag16_ an45_) {
  if (pick.locked == true_) {
    pick.cursor_x = pick.lock_x;
    pick.cursor_y = pick.lock_y;
    return;
  }
  const view_rec_& vr = active_view_();
  const view_transform_rec_ t = view_transform_(views.window_width, views.window_height);
  float x = f32_((d(t.offset_x) + mx_) / clamp_nonzero_(vr.zoom));
  float y = f32_((d(t.offset_y) + my_) / clamp_nonzero_(f32_(-d(vr.zoom))));
  if (snap_ != true_) {
    pick.cursor_x = x, pick.cursor_y = y;
    return;
  }
  if (vr.snap_grid == true_ && vr.grid_size >= 0.000001f && vr.zoom >= 0.000001f) {
    x = snap_to_grid_(x, vr.grid_size);
    y = snap_to_grid_(y, vr.grid_size);
  }
  if (vr.snap_points == true_) {
    float sx = 0, sy = 0;
    if (snap_nearest_(x, y, 15.f, sx, sy)) x = sx, y = sy;
  }
  bool on_ray = false;
  const float rx = pick.ref_x, ry = pick.ref_y;
  if (vr.snap_ang45 == true_ && an45_ == true_) {
    float a = calc_angle_(rx, ry, x, y, false_, 0);
    if (a > 6.2831855f) a = f32_(d(a) - 6.2831855f);
    if (a < 0) a = f32_(d(a) + 6.2831855f);
    const float deg = f32_(d(a) * 180.0 / pi_f);
    for (int32_t c = 0; c <= 360 && !on_ray; c += 45) {
      if (deg < c - 5 || deg > c + 5) continue;
      const d r = std::hypot(d(x) - rx, d(y) - ry);
      const d ca = c * d(pi_f) / 180.0;
      x = f32_(rx + r * std::cos(ca));
      y = f32_(ry + r * std::sin(ca));
      on_ray = true;
    }
  }
  if (vr.snap_track == true_) {
    pick.cursor_x = x, pick.cursor_y = y;  // the lines are found around the point so far
    flag16_ vl = false_, hl = false_;
    float tx = x, ty = y;
    find_tracking_lines_(vl, hl, tx, ty);
    if (!on_ray) {
      if (vl == true_) x = tx;
      if (hl == true_) y = ty;
    } else if (vl == true_ && hl == true_) {
      x = tx, y = ty;
    } else {
      // Where the ray meets the tracking line.
      float bx = 0, by = 0, ax = 0, ay = 0;
      flag16_ bok = false_, aok = false_;
      calc_cross_2l_(rx, ry, x, y, tx, ty, tx, f32_(d(ty) + 1), bx, by, bok);
      calc_cross_2l_(rx, ry, x, y, tx, ty, f32_(d(tx) + 1), ty, ax, ay, aok);
      if (std::fabs(d(x) - rx) >= 0.0001 && vl == true_ && bok == true_) x = bx, y = by;
      else if (std::fabs(d(y) - ry) >= 0.0001 && hl == true_ && aok == true_) x = ax, y = ay;
    }
  }
  pick.cursor_x = x, pick.cursor_y = y;
}

value_ zaz_class_::get_cxy_(float& cx_, float& cy_, flag16_ offset_, int16_t /*nohp_*/) const {
  const bool locked = pick.locked == true_;
  if (locked && offset_ == true_) {  // exactly what was locked, without a round trip
    cx_ = pick.lock_given_x, cy_ = pick.lock_given_y;
    return value_{};
  }
  cx_ = locked ? pick.lock_x : pick.cursor_x;
  cy_ = locked ? pick.lock_y : pick.cursor_y;
  if (offset_ == true_) {
    cx_ = f32_(d(cx_) + store.origin_x);
    cy_ = f32_(d(cy_) + store.origin_y);
  }
  return value_{};
}

void zaz_class_::lock_xy_(float cx_, float cy_) {
  pick.locked = true_;
  pick.lock_given_x = cx_, pick.lock_given_y = cy_;
  pick.lock_x = f32_(d(cx_) - store.origin_x);
  pick.lock_y = f32_(d(cy_) - store.origin_y);
}

void zaz_class_::unlock_xy_() {
  pick.locked = false_;
  pick.lock_x = pick.lock_y = pick.lock_given_x = pick.lock_given_y = 0;
}

void zaz_class_::set_posxy_(float posx_, float posy_) {
  pick.ref_x = posx_;
  pick.ref_y = posy_;
}
