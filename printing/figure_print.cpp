// Printed figures: the kinds drawn from their own points alone, shared by the page's objects and
// the members of block inserts, which differ only in how a drawing point reaches paper.
#include <cmath>

#include "engine/geometry/smooth.h"
#include "printing/print_util.h"

namespace {

constexpr float two_pi_f = 6.2831855f;  // 2 pi in single precision

template <class Rec>
const Rec* entry(const chunk_table_<Rec>& table, int32_t index) {
  return index >= 1 && size_t(index) < table.size() ? &table[size_t(index)] : nullptr;
}

}  // namespace

bool zaz_class_::print_figure_(graphics_& g, const object_rec_& o, const gp_pen_& pen, uint32_t brush, bool filled,
                               const std::function<gp_point_(float, float)>& to_paper) {
  const auto& live = store.live;
  std::vector<gp_point_> pts;
  // Paper points of a stored point list 1..count; none when the lists are shorter.
  auto list = [&](const std::vector<float>& xs, const std::vector<float>& ys, int64_t count) {
    pts.clear();
    if (count < 1 || xs.size() < size_t(count) + 1 || ys.size() < size_t(count) + 1) return false;
    pts.reserve(size_t(count));
    for (int64_t i = 1; i <= count; ++i) pts.push_back(to_paper(xs[size_t(i)], ys[size_t(i)]));
    return true;
  };
  auto outline = [&](bool closed) {
    if (pts.empty()) return;
    if (closed) {
      if (filled) g.fill_polygon_(brush, pts.data(), pts.size(), fill_mode_::alternate_);
      g.draw_polygon_(pen, pts.data(), pts.size());
    } else {
      g.draw_lines_(pen, pts.data(), pts.size());
    }
  };
  auto conic = [&](const arc_rec_& c, float a1, float a2, bool arc) {
    auto at = [&](float t) {
      float rx = 0, ry = 0;
      calc_rotate_00_deg_(c.rotation, f32_(double(c.rx) * std::cos(double(t))), f32_(double(c.ry) * std::sin(double(t))),
                          rx, ry);
      return to_paper(f32_(double(rx) + c.cx), f32_(double(ry) + c.cy));
    };
    print_arc_points_(a1, a2, 0.05f, arc, at, pts);
    if (arc && filled) pts.push_back(to_paper(c.cx, c.cy));
    outline(!arc || filled);
  };
  switch (o.type) {
    case ot_point_:
      if (const point_rec_* p = entry(live.points, o.index)) {
        const gp_point_ c = to_paper(p->x, p->y);
        g.draw_line_(pen, c.x - 1, c.y, c.x + 1, c.y);
        g.draw_line_(pen, c.x, c.y - 1, c.x, c.y + 1);
      }
      return true;
    case ot_line_:
      if (const line_rec_* l = entry(live.lines, o.index)) {
        const gp_point_ p = to_paper(l->x1, l->y1), q = to_paper(l->x2, l->y2);
        g.draw_line_(pen, p.x, p.y, q.x, q.y);
      }
      return true;
    case ot_curve_:
      // As the screen shows them: the smooth Bezier chain through the stored points.
      if (const curve_rec_* c = entry(live.curves, o.index);
          c && c->count != 0 && list(c->x, c->y, std::abs(int64_t(c->count)))) {
        std::vector<gp_point_> chain;
        auto at = [&](int32_t i) { return pts[size_t(i - 1)]; };
        auto mid = [](gp_point_ p, gp_point_ q) {
          return gp_point_{f32_((double(p.x) + q.x) * 0.5), f32_((double(p.y) + q.y) * 0.5)};
        };
        curve_segments_(c->count, at, mid, [&](gp_point_ b0, gp_point_ b1, gp_point_ b2, gp_point_ b3) {
          if (chain.empty()) chain.push_back(b0);
          chain.push_back(b1), chain.push_back(b2), chain.push_back(b3);
        });
        if (chain.size() >= 4) g.draw_beziers_(pen, chain.data(), chain.size());
      }
      return true;
    case ot_polyline_:
      if (const polyline_rec_* p = entry(live.polylines, o.index); p && list(p->x, p->y, p->count)) outline(false);
      return true;
    case ot_polygon_:
      if (const polygon_rec_* p = entry(live.polygons, o.index); p && list(p->x, p->y, p->count)) outline(true);
      return true;
    case ot_arc_:
      if (const arc_rec_* c = entry(live.arcs, o.index)) conic(*c, c->a1, c->a2, true);
      return true;
    case ot_circle_:
      if (const arc_rec_* c = entry(live.circles, o.index)) conic(*c, 0.0f, two_pi_f, false);
      return true;
    case ot_ellipse_:
      if (const arc_rec_* c = entry(live.ellipses, o.index)) conic(*c, 0.0f, two_pi_f, false);
      return true;
    default:
      return false;
  }
}
