// Cutting a figure between two picked points. The figure is walked in small parameter
// steps; the sample nearest each pick point marks where the part to remove starts and ends.
// New figures are added before the old one is flagged deleted, and a refused add takes the
// others back, so a failed cut leaves the drawing as it was.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/geometry/edit_util.h"

namespace {

constexpr float step = 0.001f;
using d = double;

// The best sample for one cut point: earliest of equal minima wins.
struct best_ {
  float x = 0, y = 0, dist = 0, t = 0;
  int32_t number = 0, segment = 0;
};

struct sampler_ {
  float c1x, c1y, c2x, c2y;
  best_ b1, b2;
  int32_t count = 0;
  void add(float x, float y, int32_t segment, float t) {
    ++count;
    const float e1 = f32_(std::hypot(d(x) - c1x, d(y) - c1y));
    const float e2 = f32_(std::hypot(d(x) - c2x, d(y) - c2y));
    if (count == 1 || e1 < b1.dist) b1 = {x, y, e1, t, count, segment};
    if (count == 1 || e2 < b2.dist) b2 = {x, y, e2, t, count, segment};
  }
  // a: the best met first along the walk, b: the other.
  const best_& a() const { return b1.number <= b2.number ? b1 : b2; }
  const best_& b() const { return b1.number <= b2.number ? b2 : b1; }
};

struct pt_ {
  float x, y;
};

}  // namespace

namespace {

// Samples of segment k from p to q, t = 0 .. 1 in float steps.
void sample_segment(const zaz_class_& e, sampler_& s, int32_t k, pt_ p, pt_ q) {
  const float th = e.calc_angle_(p.x, p.y, q.x, q.y, false_, 0);
  const float len = f32_(std::hypot(d(q.x) - p.x, d(q.y) - p.y));
  const d c = std::cos(d(th)), sn = std::sin(d(th));
  for (float t = 0; t <= 1.0f; t += step)
    s.add(f32_(p.x + d(t) * len * c), f32_(p.y + d(t) * len * sn), k, t);
}

void sample_conic(zaz_class_& e, sampler_& s, const arc_rec_& r, float from, float to) {
  to = std::min(to, f32_(d(from) + d(edit_::two_pi_f)));  // a damaged arc: one turn at most
  for (float t = from; t <= to; t += step) {
    float rx = 0, ry = 0;
    e.calc_rotate_00_deg_(r.rotation, f32_(r.rx * std::cos(d(t))), f32_(r.ry * std::sin(d(t))), rx, ry);
    s.add(f32_(d(r.cx) + rx), f32_(d(r.cy) + ry), 0, t);
    if (t + step == t) break;  // a damaged arc far from zero: the counter stands still
  }
}

float to_degrees(float rad) { return f32_(d(rad) * (180.0 / d(edit_::pi_f))); }

}  // namespace

flag16_ zaz_class_::mod_objcut_(int32_t obj1_, float px1_, float py1_, int32_t obj2_, float px2_,
                                float py2_) {
  if (obj1_ < 1 || obj2_ != obj1_ || !edit_::valid_record_(*this, obj1_)) return false_;
  const object_rec_ o = object_(obj1_);  // a copy: adds may move the tables
  const int32_t col = o.draw_color, layer = o.layer;
  const int16_t sty = o.line_style, wid = o.line_width;
  std::vector<int32_t> added;
  auto keep = [&](int32_t rec) {
    if (rec > 0) added.push_back(rec);
    return rec > 0;
  };
  auto add_pl = [&](const std::vector<pt_>& pts) {
    vertex_clear_();
    for (const pt_& p : pts) vertex_add_(p.x, p.y);
    return keep(add_polyline_(col, sty, wid, layer, 0));
  };
  auto undo_adds = [&] {
    for (int32_t rec : added) object_(rec).deleted = true_;
    return false_;
  };
  auto replace = [&] {
    object_(obj1_).deleted = true_;
    return true_;
  };
  sampler_ s{px1_, py1_, px2_, py2_, {}, {}, 0};

  switch (o.type) {
    case ot_line_: {
      line_rec_* l = edit_::entry_(store.live.lines, o.index);
      if (!l) return false_;
      const line_rec_ ln = *l;
      auto foot = [&](float px, float py) {
        pt_ c{px, py};
        calc_cross_lp_(ln.x1, ln.y1, ln.x2, ln.y2, px, py, c.x, c.y);
        c.x = std::clamp(c.x, std::min(ln.x1, ln.x2), std::max(ln.x1, ln.x2));
        c.y = std::clamp(c.y, std::min(ln.y1, ln.y2), std::max(ln.y1, ln.y2));
        return c;
      };
      const pt_ c1 = foot(px1_, py1_), c2 = foot(px2_, py2_);
      const float d1 = f32_(std::hypot(d(ln.x1) - c1.x, d(ln.y1) - c1.y));
      const float d2 = f32_(std::hypot(d(ln.x1) - c2.x, d(ln.y1) - c2.y));
      const pt_ near = d1 <= d2 ? c1 : c2, far = d1 <= d2 ? c2 : c1;
      if (!keep(add_line_(far.x, far.y, ln.x2, ln.y2, col, sty, wid, layer, 0))) return false_;
      line_rec_& cut = store.live.lines[o.index];
      cut.x2 = near.x;
      cut.y2 = near.y;
      calc_orect_(obj1_);
      return true_;
    }
    case ot_polyline_:
    case ot_polygon_: {
      polyline_rec_* r = edit_::entry_(o.type == ot_polyline_ ? store.live.polylines : store.live.polygons, o.index);
      if (!r) return false_;
      const int32_t n = edit_::list_count_(r->count, r->x, r->y);
      if (n < 2) return false_;
      std::vector<pt_> p(n + 2);
      for (int32_t i = 1; i <= n; ++i) p[i] = {r->x[i], r->y[i]};
      p[n + 1] = p[1];  // the closing side of a polygon
      const int32_t segments = o.type == ot_polyline_ ? n - 1 : n;
      for (int32_t k = 1; k <= segments; ++k) sample_segment(*this, s, k, p[k], p[k + 1]);
      const best_ a = s.a(), b = s.b();
      const pt_ sa{a.x, a.y}, sb{b.x, b.y};
      if (o.type == ot_polyline_) {
        std::vector<pt_> first(p.begin() + 1, p.begin() + a.segment + 1), second{sb};
        first.push_back(sa);
        for (int32_t i = b.segment + 1; i <= n; ++i) second.push_back(p[i]);
        if (!add_pl(first) || !add_pl(second)) return undo_adds();
        return replace();
      }
      std::vector<pt_> rest;
      if (std::abs(b.number - a.number) < s.count / 2.0) {
        rest.push_back(sb);
        for (int32_t i = b.segment + 1; i <= n; ++i) rest.push_back(p[i]);
        for (int32_t i = 1; i <= a.segment; ++i) rest.push_back(p[i]);
        rest.push_back(sa);
      } else {
        rest.push_back(sa);
        for (int32_t i = a.segment + 1; i <= b.segment; ++i) rest.push_back(p[i]);
        rest.push_back(sb);
      }
      if (!add_pl(rest)) return undo_adds();
      return replace();
    }
    case ot_arc_:
    case ot_circle_:
    case ot_ellipse_: {
      auto& table = o.type == ot_arc_ ? store.live.arcs : o.type == ot_circle_ ? store.live.circles : store.live.ellipses;
      const arc_rec_* r = edit_::entry_(table, o.index);
      if (!r) return false_;
      const arc_rec_ c = *r;
      const bool arc = o.type == ot_arc_;
      sample_conic(*this, s, c, arc ? c.a1 : 0.f, arc ? c.a2 : edit_::two_pi_f);
      if (s.count == 0) return false_;  // an arc whose end lies before its start
      const float ta = s.a().t, tb = s.b().t;
      auto add_a = [&](float from, float to) {
        return keep(add_arc_(c.cx, c.cy, c.rx, c.ry, c.rotation, to_degrees(from), to_degrees(to), col,
                             o.fill_color, sty, wid, layer));
      };
      if (arc) {
        if (!add_a(c.a1, ta) || !add_a(tb, c.a2)) return undo_adds();
      } else if (std::abs(s.b().number - s.a().number) < s.count / 2.0) {
        if (!add_a(tb, ta)) return undo_adds();
      } else if (!add_a(ta, tb)) {
        return undo_adds();
      }
      return replace();
    }
    default:
      return false_;
  }
}
