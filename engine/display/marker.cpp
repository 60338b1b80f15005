// Modify marker: a small red square where break, join or extend will act on the picked
// object. Painted in copy mode; the next repaint takes it away.
#include <algorithm>
#include <cmath>

#include "engine/geometry/edit_util.h"

namespace {

using d = double;
constexpr float two_pi_f = 6.2831855f;
// A sweep of two full turns at the marker's step; longer (damaged) sweeps stop there.
constexpr int32_t sweep_samples_max = 12600;

inline float dist_f(float ax, float ay, float bx, float by) { return f32_(std::hypot(d(ax) - bx, d(ay) - by)); }

// The sample nearest to the click; the first sample is always taken, a later one only
// when strictly nearer.
struct nearest {
  float cx, cy;
  float x, y;
  float best = 0;
  bool any = false;
  void offer(float sx, float sy) {
    const float dist = dist_f(sx, sy, cx, cy);
    if (any && !(dist < best)) return;
    any = true, best = dist, x = sx, y = sy;
  }
};

}  // namespace

void zaz_class_::draw_marker_(int32_t obj_, float mx_, float my_, flag16_ cutobj_) {
  if (!paint.dc || !page_ptr_(pages.active)) return;
  if (obj_ < 1 || obj_ > records_() || size_t(obj_) >= store.live.objects.size()) return;
  const object_rec_& o = store.live.objects[size_t(obj_)];
  if (o.index < 1) return;
  auto& t = store.live;
  const bool cut = cutobj_ != false_;
  nearest near{mx_, my_, mx_, my_};

  // Samples every thousandth of each segment A -> B.
  auto segment = [&](float ax, float ay, float bx, float by) {
    const float g = calc_angle_(ax, ay, bx, by, false_, 0);
    const float len = dist_f(ax, ay, bx, by);
    const d c = std::cos(d(g)), s = std::sin(d(g));
    for (float u = 0; u <= 1.f; u = f32_(d(u) + 0.001f)) {
      const float tl = f32_(d(u) * len);
      near.offer(f32_(d(ax) + d(tl) * c), f32_(d(ay) + d(tl) * s));
    }
  };
  // Samples of a conic from a1 to a2 every thousandth of a radian.
  auto sweep = [&](const arc_rec_& r, float a1, float a2) {
    if (!std::isfinite(a1) || !std::isfinite(a2)) return;
    int32_t k = 0;
    for (float a = a1; a <= a2 && k < sweep_samples_max; a = f32_(d(a) + 0.001f), ++k) {
      float qx = 0, qy = 0;
      calc_rotate_00_deg_(r.rotation, f32_(r.rx * std::cos(d(a))), f32_(r.ry * std::sin(d(a))), qx, qy);
      near.offer(f32_(d(qx) + r.cx), f32_(d(qy) + r.cy));
    }
  };

  switch (o.type) {
    case ot_line_: {
      const line_rec_* r = edit_::entry_(t.lines, o.index);
      if (!r) return;
      if (cut) {
        float x = mx_, y = my_;
        calc_cross_lp_(r->x1, r->y1, r->x2, r->y2, mx_, my_, x, y);
        // Held inside the segment's box, axis by axis.
        auto hold = [](float v, float a, float b) { return a < b ? std::clamp(v, a, b) : std::clamp(v, b, a); };
        near.x = hold(x, r->x1, r->x2);
        near.y = hold(y, r->y1, r->y2);
      } else if (dist_f(mx_, my_, r->x1, r->y1) > dist_f(mx_, my_, r->x2, r->y2)) {
        near.x = r->x2, near.y = r->y2;
      } else {
        near.x = r->x1, near.y = r->y1;
      }
      break;
    }
    case ot_polyline_:
    case ot_polygon_: {
      const polyline_rec_* r = edit_::entry_(o.type == ot_polyline_ ? t.polylines : t.polygons, o.index);
      if (!r) return;
      const int32_t n = edit_::list_count_(r->count, r->x, r->y);
      const std::vector<float>&X = r->x, &Y = r->y;
      if (cut) {
        for (int32_t i = 1; i < n; ++i) segment(X[size_t(i)], Y[size_t(i)], X[size_t(i) + 1], Y[size_t(i) + 1]);
        if (o.type == ot_polygon_ && n >= 1) segment(X[size_t(n)], Y[size_t(n)], X[1], Y[1]);
      } else if (o.type == ot_polyline_ && n >= 1) {
        const bool last = dist_f(mx_, my_, X[1], Y[1]) > dist_f(mx_, my_, X[size_t(n)], Y[size_t(n)]);
        near.x = last ? X[size_t(n)] : X[1];
        near.y = last ? Y[size_t(n)] : Y[1];
      }
      break;
    }
    case ot_arc_:
    case ot_circle_:
    case ot_ellipse_: {
      auto& table = o.type == ot_arc_ ? t.arcs : o.type == ot_circle_ ? t.circles : t.ellipses;
      const arc_rec_* r = edit_::entry_(table, o.index);
      if (!r) return;
      if (o.type == ot_arc_) sweep(*r, r->a1, r->a2);
      else sweep(*r, 0, two_pi_f);
      break;
    }
    default: break;  // the clicked point itself
  }

  dc_& dc = *paint.dc;
  const view_transform_rec_ v = view_transform_(dc.target_().width_(), dc.target_().height_());
  const pixel_point_ p = map_px_(v, near.x, near.y);
  const pixel_point_ square[4] = {{p.x - 5, p.y - 5}, {p.x + 5, p.y - 5}, {p.x + 5, p.y + 5}, {p.x - 5, p.y + 5}};
  const pen_ old_pen = dc.current_pen_();
  const brush_ old_brush = dc.current_brush_();
  dc.set_rop_(rop_::copy_pen_);
  dc.select_brush_(null_brush_);
  // A band half-way between the background and red, under a thin pure red line: seen on
  // any background.
  const int32_t band = engine_blend_color_(selection.backcolor, int32_t(rgb_(255, 0, 0)), 0.5f);
  dc.select_pen_(pen_{pen_style_::solid_, 3, uint32_t(band)});
  dc.polygon_(square, 4);
  dc.select_pen_(pen_{pen_style_::solid_, 1, rgb_(255, 0, 0)});
  dc.polygon_(square, 4);
  dc.select_pen_(old_pen);
  dc.select_brush_(old_brush);
}
