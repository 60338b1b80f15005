// Adding arcs, circles and ellipses; their boxes come from points sampled along them.
#include <algorithm>
#include <cmath>

#include "engine/geometry/conic_box.h"
#include "engine/geometry/conic_sampler.h"
#include "engine/geometry/rotation.h"
#include "engine/zaz_class.h"

namespace {

constexpr float pi_f = 3.1415927f;
constexpr float two_pi_f = 6.2831855f;
constexpr double deg2rad = static_cast<double>(pi_f) / 180.0;

bool in_range(float v) { return std::fabs(v) < coord_limit_; }

}  // namespace

bool zaz_class_::conic_box_(const arc_rec_& c, float step, object_rec_& obj) {
  // Beyond two turns further samples only repeat the figure; stopping there keeps a
  // huge sweep from running for ever.
  const double end = std::min(static_cast<double>(c.a2), static_cast<double>(c.a1) + 2.0 * two_pi_f);
  // The turn is the same for every sample: take its sine and cosine once. A zero turn (most
  // conics) leaves what the rotation would, the sine of the negated angle and cosine 1, and a
  // few samples give the box.
  if (c.rotation == 0) {
    geometry.rot_sin_ = -c.rotation;
    geometry.rot_cos_ = 1.0f;
    edit_::box_ b;
    switch (unturned_conic_box_(c.cx, c.cy, c.rx, c.ry, geometry.rot_sin_, c.a1, end, step, b)) {
      case conic_box_result_::box: obj.x1 = b.x1, obj.y1 = b.y1, obj.x2 = b.x2, obj.y2 = b.y2; return true;
      case conic_box_result_::empty: return false;
      case conic_box_result_::undecided: break;
    }
  } else {
    float unused_x, unused_y;
    calc_rotate_00_deg_(c.rotation, 0, 0, unused_x, unused_y);
  }
  const float rs = geometry.rot_sin_, rc = geometry.rot_cos_;
  const bool turned = std::isfinite(c.rotation);  // else the samples stay unturned
  conic_points_ sampler(c.a1, step, c.rx, c.ry);
  size_t k = 0;
  const float cx = c.cx, cy = c.cy;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the box, written back at the end
  bool any = false;
  for (float t = c.a1; t <= end;) {
    float px, py;
    sampler.at(k++, t, px, py);
    float rx = px, ry = py;
    if (turned) rotate_by_sc_(px, py, rs, rc, rx, ry);
    const float x = f32_(static_cast<double>(rx) + cx);
    const float y = f32_(static_cast<double>(ry) + cy);
    if (!any) {
      x1 = x2 = x;
      y1 = y2 = y;
      any = true;
    } else {
      if (x < x1) x1 = x;
      if (y < y1) y1 = y;
      if (x > x2) x2 = x;
      if (y > y2) y2 = y;
    }
    const float next = f32_(static_cast<double>(t) + step);
    if (!(next > t)) break;  // the step no longer moves t
    t = next;
  }
  if (any) obj.x1 = x1, obj.y1 = y1, obj.x2 = x2, obj.y2 = y2;
  return any;
}

int32_t zaz_class_::add_arc_(float x_, float y_, float rx_, float ry_, float rot_, float a1_,
                             float a2_, int32_t color_, int32_t fill_, int16_t style_,
                             int16_t width_, int32_t layer_) {
  if (!in_range(x_) || !in_range(y_) || !in_range(rx_) || !in_range(ry_)) return 0;
  if (!std::isfinite(rot_) || !std::isfinite(a1_) || !std::isfinite(a2_)) return 0;
  if (a1_ > a2_) a1_ = f32_(static_cast<double>(a1_) - 360.0);
  if (a1_ > a2_) {
    // Still past the end after one turn: take as many turns off as it needs.
    const double turns = std::ceil((static_cast<double>(a1_) - a2_) / 360.0);
    a1_ = f32_(static_cast<double>(a1_) - turns * 360.0);
    if (a1_ > a2_) a1_ = f32_(static_cast<double>(a1_) - 360.0);  // rounding at the edge
  }
  add_slot_ s;
  if (!add_begin_(ot_arc_, color_, fill_, style_, width_, layer_, s)) return 0;
  arc_rec_& a = store.live.arcs[s.entry];
  a = arc_rec_{x_, y_, rx_, ry_, rot_, f32_(deg2rad * a1_), f32_(deg2rad * a2_), 0};
  if (!conic_box_(a, 0.05f, object_(s.record))) return 0;
  return add_commit_(s);
}

int32_t zaz_class_::add_circle_(float x_, float y_, float rad_, int32_t color_, int32_t fill_,
                                int16_t style_, int16_t width_, int32_t layer_) {
  if (!in_range(x_) || !in_range(y_) || !in_range(rad_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_circle_, color_, fill_, style_, width_, layer_, s)) return 0;
  circle_rec_& c = store.live.circles[s.entry];
  c = circle_rec_{x_, y_, rad_, rad_, 0, 0, two_pi_f, 0};
  if (!conic_box_(c, 0.1f, object_(s.record))) return 0;
  return add_commit_(s);
}

int32_t zaz_class_::add_ellipse_(float x_, float y_, float rx_, float ry_, float rot_,
                                 int32_t color_, int32_t fill_, int16_t style_, int16_t width_,
                                 int32_t layer_) {
  if (!in_range(x_) || !in_range(y_) || !in_range(rx_) || !in_range(ry_)) return 0;
  if (!std::isfinite(rot_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_ellipse_, color_, fill_, style_, width_, layer_, s)) return 0;
  ellipse_rec_& e = store.live.ellipses[s.entry];
  const uint8_t flag = e.flag;  // not written by this add
  e = ellipse_rec_{x_, y_, rx_, ry_, rot_, 0, two_pi_f, flag};
  if (!conic_box_(e, 0.1f, object_(s.record))) return 0;
  return add_commit_(s);
}
