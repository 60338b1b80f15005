// Chamfer and fillet at the polyline or polygon vertex nearest a picked point. Both add a
// figure of their own across the corner and leave the picked object as it is. A corner
// that has no proper angle (a coincident neighbour, straight-through or folded-back edges)
// gets nothing, and the result says whether the new figure was really added.
#include <cmath>

#include "engine/geometry/edit_util.h"

namespace {

using d = double;
const float half_pi = f32_(double(3.1415927f) * 0.5);

struct corner_ {
  float vx = 0, vy = 0;  // the vertex
  float a1 = 0, a2 = 0;  // directions towards the previous and the next vertex
  int32_t color = 0, layer = 0;
  int16_t style = 0, width = 0;
};

// Finds the treated vertex and its edge directions; false for a refused record or a
// degenerate corner.
bool find_corner(const zaz_class_& e, int32_t record, float px, float py, corner_& c) {
  if (!edit_::valid_record_(e, record)) return false;
  const object_rec_& o = e.object_(record);
  if (o.type != ot_polyline_ && o.type != ot_polygon_) return false;
  const auto& table = o.type == ot_polyline_ ? e.store.live.polylines : e.store.live.polygons;
  if (o.index < 1 || static_cast<size_t>(o.index) >= table.size()) return false;
  const polyline_rec_& p = table[static_cast<size_t>(o.index)];
  const int32_t n = edit_::list_count_(p.count, p.x, p.y);
  if (n < 3) return false;
  int32_t k = 1;
  d best = std::hypot(d(px) - p.x[1], d(py) - p.y[1]);
  for (int32_t i = 2; i <= n; ++i) {
    const d di = std::hypot(d(px) - p.x[i], d(py) - p.y[i]);
    if (di < best) best = di, k = i;
  }
  int32_t prev = k - 1, next = k + 1;
  if (o.type == ot_polyline_) {
    if (k == 1 || k == n) return false;
  } else {
    if (prev < 1) prev = n;
    if (next > n) next = 1;
  }
  c.vx = p.x[k], c.vy = p.y[k];
  const d ux = d(p.x[prev]) - c.vx, uy = d(p.y[prev]) - c.vy;
  const d wx = d(p.x[next]) - c.vx, wy = d(p.y[next]) - c.vy;
  const d lu = std::hypot(ux, uy), lw = std::hypot(wx, wy);
  if (!(lu > 0) || !(lw > 0)) return false;  // a neighbour on the vertex
  if (std::fabs(ux * wy - uy * wx) <= 1e-6 * lu * lw) return false;  // edges on one line
  c.a1 = e.calc_angle_(c.vx, c.vy, p.x[prev], p.y[prev], false_, 0);
  c.a2 = e.calc_angle_(c.vx, c.vy, p.x[next], p.y[next], false_, 0);
  c.color = o.draw_color, c.layer = o.layer, c.style = o.line_style, c.width = o.line_width;
  return true;
}

float along(float from, float dist, float angle, bool y) {
  return f32_(d(from) + d(dist) * (y ? std::sin(d(angle)) : std::cos(d(angle))));
}

}  // namespace

flag16_ zaz_class_::mod_vslash_(int32_t obj_id_, float px_, float py_, float val_) {
  corner_ c;
  if (!find_corner(*this, obj_id_, px_, py_, c)) return false_;
  const float x1 = along(c.vx, val_, c.a1, false), y1 = along(c.vy, val_, c.a1, true);
  const float x2 = along(c.vx, val_, c.a2, false), y2 = along(c.vy, val_, c.a2, true);
  return to_flag_(add_line_(x1, y1, x2, y2, c.color, c.style, c.width, c.layer, 0) > 0);
}

flag16_ zaz_class_::mod_vround_(int32_t obj_id_, float px_, float py_, float val_) {
  if (!(val_ != 0) || !std::isfinite(val_)) return false_;  // no arc of radius 0
  corner_ c;
  if (!find_corner(*this, obj_id_, px_, py_, c)) return false_;
  // The corner circle at 100 units along the edges, scaled to the radius afterwards.
  const float ax = along(c.vx, 100, c.a1, false), ay = along(c.vy, 100, c.a1, true);
  const float bx = along(c.vx, 100, c.a2, false), by = along(c.vy, 100, c.a2, true);
  const float mx = f32_((d(ax) + bx) / 2), my = f32_((d(ay) + by) / 2);
  const float b = calc_angle_(c.vx, c.vy, mx, my, false_, 0);
  const float a2p = f32_(d(c.a2) + half_pi), a1p = f32_(d(c.a1) + half_pi);
  const float qx = along(bx, 100, a2p, false), qy = along(by, 100, a2p, true);
  float rx = 0, ry = 0;
  flag16_ ok = false_;
  calc_cross_2l_(c.vx, c.vy, mx, my, bx, by, qx, qy, rx, ry, ok);
  if (ok != true_) return false_;
  const float r0 = f32_(std::hypot(d(bx) - rx, d(by) - ry));
  const float d0 = f32_(std::hypot(d(c.vx) - rx, d(c.vy) - ry));
  if (!(r0 > 0)) return false_;
  const float dist = f32_(d(d0) * val_ / r0);
  const float cx = along(c.vx, dist, b, false), cy = along(c.vy, dist, b, true);
  const float e1x = along(cx, dist, a1p, false), e1y = along(cy, dist, a1p, true);
  const float e2x = along(cx, dist, a2p, false), e2y = along(cy, dist, a2p, true);
  float t1x = 0, t1y = 0, t2x = 0, t2y = 0;
  flag16_ ok1 = false_, ok2 = false_;
  calc_cross_2l_(c.vx, c.vy, ax, ay, cx, cy, e1x, e1y, t1x, t1y, ok1);
  calc_cross_2l_(c.vx, c.vy, bx, by, cx, cy, e2x, e2y, t2x, t2y, ok2);
  if (ok1 != true_ || ok2 != true_) return false_;
  const float m2x = along(cx, -val_, b, false), m2y = along(cy, -val_, b, true);
  const float nan = std::nanf("");
  float acx = nan, acy = nan, rad = nan, ang1 = nan, ang2 = nan;
  calc_arc3p_(t1x, t1y, m2x, m2y, t2x, t2y, acx, acy, rad, ang1, ang2);
  if (!std::isfinite(acx) || !std::isfinite(acy) || !std::isfinite(rad) || !std::isfinite(ang1) ||
      !std::isfinite(ang2))
    return false_;
  const d to_deg = 180.0 / d(edit_::pi_f);
  return to_flag_(add_arc_(acx, acy, rad, rad, 0, f32_(ang1 * to_deg), f32_(ang2 * to_deg), c.color,
                           color_none_, c.style, c.width, c.layer) > 0);
}
