// Printed hatches: every pattern segment at every tile origin, in device units, kept to the
// parts inside the boundary by the even-odd rule.
#include <algorithm>
#include <cmath>

#include "printing/print_util.h"

namespace {

struct dpoint {
  double x, y;
};

bool inside_even_odd(const std::vector<dpoint>& poly, double x, double y) {
  bool in = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const dpoint& a = poly[i];
    const dpoint& b = poly[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

// Calls draw(p, q) for every stretch of segment a-b that lies inside the polygon.
template <class Draw>
void clip_segment(const std::vector<dpoint>& poly, dpoint a, dpoint b, std::vector<double>& ts, Draw draw) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  ts.assign({0.0, 1.0});
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const dpoint& p = poly[j];
    const dpoint& q = poly[i];
    const double ex = q.x - p.x, ey = q.y - p.y;
    const double den = dx * ey - dy * ex;
    if (den == 0) continue;
    const double t = ((p.x - a.x) * ey - (p.y - a.y) * ex) / den;
    const double u = ((p.x - a.x) * dy - (p.y - a.y) * dx) / den;
    if (t > 0 && t < 1 && u >= 0 && u <= 1) ts.push_back(t);
  }
  std::sort(ts.begin(), ts.end());
  for (size_t i = 0; i + 1 < ts.size(); ++i) {
    const double t0 = ts[i], t1 = ts[i + 1];
    if (!(t1 > t0)) continue;
    const double tm = (t0 + t1) / 2;
    if (inside_even_odd(poly, a.x + dx * tm, a.y + dy * tm))
      draw(dpoint{a.x + dx * t0, a.y + dy * t0}, dpoint{a.x + dx * t1, a.y + dy * t1});
  }
}

}  // namespace

void zaz_class_::print_hatch_(graphics_& g, float x0, float y0, float k, float dev_per_mm,
                              const print_device_map_rec_& map, const hatch_rec_& h, int32_t colour,
                              int32_t width_id) {
  const int32_t m = h.line_count;
  if (m < 1 || m > 999 || h.lines.size() < size_t(m) + 1) return;
  const int64_t origins = int64_t(std::min(h.tile_x.size(), h.tile_y.size())) - 1;
  const int64_t count = std::min<int64_t>({int64_t(h.count), int64_t(h.x.size()) - 1, int64_t(h.y.size()) - 1});
  if (origins < 1 || count < 3) return;
  auto device = [&](double x, double y) {
    return dpoint{round_even_(((x - x0) * k + map.x_offset) * map.x_scale),
                  round_even_(((y - y0) * k + map.y_offset) * map.y_scale)};
  };
  std::vector<dpoint> boundary;
  boundary.reserve(size_t(count));
  for (int64_t i = 1; i <= count; ++i) boundary.push_back(device(h.x[size_t(i)], h.y[size_t(i)]));
  for (const dpoint& p : boundary)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  const double w = round_even_(double(print_width_mm_(*this, width_id)) * dev_per_mm);
  const gp_pen_ pen{print_opaque_(colour), f32_(w), gp_dash_::solid_, gp_join_::miter_};
  // Device units for the lines; the caller puts its paper transform back.
  g.reset_transform_();
  g.set_page_unit_(gp_unit_::pixel_);
  std::vector<double> ts;
  for (int64_t i = 1; i <= origins; ++i) {
    const double ox = h.tile_x[size_t(i)], oy = h.tile_y[size_t(i)];
    for (int32_t j = 1; j <= m; ++j) {
      const hatch_segment_rec_& s = h.lines[size_t(j)];
      const dpoint a = device(f32_(ox + s.x1), f32_(oy + s.y1)), b = device(f32_(ox + s.x2), f32_(oy + s.y2));
      if (a.x == b.x && a.y == b.y) continue;
      clip_segment(boundary, a, b, ts, [&](dpoint p, dpoint q) {
        g.draw_line_(pen, f32_(p.x), f32_(p.y), f32_(q.x), f32_(q.y));
      });
    }
  }
}
