#include "platform/gdi/raster.h"

#include <algorithm>
#include <cmath>

namespace {

struct edge_ {
  int32_t top, bottom;  // rows top..bottom-1
  int64_t xa, ya, dx, dy;  // upper end point and direction (dy > 0)
  int32_t dir;             // +1 downwards in the original order, -1 upwards
  // Running crossing: x = xa + q with q = ceil(num / dy), r = q * dy - num, 0 <= r < dy.
  int64_t q, r, whole, frac;
};

int64_t floor_div_(int64_t a, int64_t b) {  // b > 0
  int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

void start_edge_(edge_& e, int32_t row) {
  __int128 num = static_cast<__int128>(row - e.ya) * e.dx;
  __int128 q = num / e.dy;
  if (q * e.dy < num) ++q;
  e.q = static_cast<int64_t>(q);
  e.r = static_cast<int64_t>(q * e.dy - num);
  e.whole = floor_div_(e.dx, e.dy);
  e.frac = e.dx - e.whole * e.dy;
}

void step_edge_(edge_& e) {
  e.q += e.whole;
  e.r -= e.frac;
  if (e.r < 0) { e.r += e.dy; ++e.q; }
}

}  // namespace

void polygon_spans_(const pixel_point_* points, const int32_t* counts, size_t polygons, fill_mode_ mode,
                    int32_t y_lo, int32_t y_hi, std::vector<pixel_span_>& out) {
  std::vector<edge_> edges;
  size_t base = 0;
  for (size_t p = 0; p < polygons; ++p) {
    const int32_t n = counts[p];
    if (n <= 0) continue;
    for (int32_t i = 0; i < n; ++i) {
      pixel_point_ a = points[base + i], b = points[base + (i + 1) % n];
      if (a.y == b.y) continue;
      edge_ e{};
      e.dir = b.y > a.y ? 1 : -1;
      if (a.y > b.y) std::swap(a, b);
      e.top = std::max(a.y, y_lo);
      e.bottom = std::min(b.y, y_hi);
      if (e.top >= e.bottom) continue;
      e.xa = a.x; e.ya = a.y; e.dx = int64_t(b.x) - a.x; e.dy = int64_t(b.y) - a.y;
      edges.push_back(e);
    }
    base += static_cast<size_t>(n);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const edge_& a, const edge_& b) { return a.top < b.top; });
  int32_t y_end = 0;
  for (const edge_& e : edges) y_end = std::max(y_end, e.bottom);
  std::vector<edge_> active;
  std::vector<std::pair<int64_t, int32_t>> xs;
  size_t next = 0;
  for (int32_t y = edges.front().top; y < y_end; ++y) {
    active.erase(std::remove_if(active.begin(), active.end(), [y](const edge_& e) { return e.bottom <= y; }),
                 active.end());
    while (next < edges.size() && edges[next].top <= y) {
      start_edge_(edges[next], y);
      active.push_back(edges[next++]);
    }
    if (active.empty()) {
      if (next >= edges.size()) break;
      y = edges[next].top - 1;  // jump over an empty gap
      continue;
    }
    xs.clear();
    for (edge_& e : active) {
      xs.emplace_back(e.xa + e.q, e.dir);
      step_edge_(e);
    }
    std::sort(xs.begin(), xs.end());
    if (mode == fill_mode_::alternate_) {
      for (size_t i = 0; i + 1 < xs.size(); i += 2)
        if (xs[i + 1].first > xs[i].first)
          out.push_back({y, int32_t(xs[i].first), int32_t(xs[i + 1].first)});
    } else {
      int32_t wind = 0;
      for (size_t i = 0; i + 1 < xs.size(); ++i) {
        wind += xs[i].second;
        if (wind != 0 && xs[i + 1].first > xs[i].first)
          out.push_back({y, int32_t(xs[i].first), int32_t(xs[i + 1].first)});
      }
    }
  }
}

void ellipse_spans_(const pixel_rect_& box, double grow, int32_t y_lo, int32_t y_hi,
                    std::vector<pixel_span_>& out) {
  if (box.empty_()) return;
  const double cx = (double(box.left) + double(box.right) - 1.0) / 2.0;
  const double cy = (double(box.top) + double(box.bottom) - 1.0) / 2.0;
  const double a = double(box.width_()) / 2.0 + grow;
  const double b = double(box.height_()) / 2.0 + grow;
  if (a <= 0.0 || b <= 0.0) return;
  const double first = std::max(std::ceil(cy - b), double(y_lo));
  const double last = std::min(std::floor(cy + b), double(y_hi) - 1.0);
  for (double yy = first; yy <= last; yy += 1.0) {
    const double t = (yy - cy) / b;
    const double k = 1.0 - t * t;
    if (k < 0.0) continue;
    const double half = a * std::sqrt(k);
    const double x0 = std::ceil(cx - half), x1 = std::floor(cx + half);
    if (x1 < x0) continue;
    out.push_back({int32_t(yy), int32_t(std::max(x0, -2147483648.0)), int32_t(std::min(x1 + 1.0, 2147483647.0))});
  }
}

void flatten_bezier_(const pixel_point_* p, std::vector<pixel_point_>& out) {
  auto len = [](pixel_point_ a, pixel_point_ b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); };
  const double length = len(p[0], p[1]) + len(p[1], p[2]) + len(p[2], p[3]);
  // Chords about three pixels long keep the curve within a fraction of a pixel of its true course.
  int32_t n = std::isfinite(length) ? int32_t(std::min(std::ceil(length / 3.0), 1024.0)) : 1024;
  if (n < 1) n = 1;
  pixel_point_ prev = p[0];
  for (int32_t i = 1; i <= n; ++i) {
    pixel_point_ q = p[3];
    if (i < n) {
      const double t = double(i) / n, u = 1.0 - t;
      const double b0 = u * u * u, b1 = 3.0 * u * u * t, b2 = 3.0 * u * t * t, b3 = t * t * t;
      const double x = b0 * p[0].x + b1 * p[1].x + b2 * p[2].x + b3 * p[3].x;
      const double y = b0 * p[0].y + b1 * p[1].y + b2 * p[2].y + b3 * p[3].y;
      q = {int32_t(std::clamp(std::floor(x + 0.5), -2147483648.0, 2147483647.0)),
           int32_t(std::clamp(std::floor(y + 0.5), -2147483648.0, 2147483647.0))};
    }
    if (q == prev) continue;
    out.push_back(q);
    prev = q;
  }
}

bool dash_pattern_::on_at_(int64_t pos) const {
  if (count == 0) return true;
  int64_t m = pos % period;
  if (m < 0) m += period;
  for (int32_t i = 0; i < count; ++i) {
    if (m < lengths[i]) return (i % 2) == 0;
    m -= lengths[i];
  }
  return true;
}

dash_pattern_ dash_pattern_of_(pen_style_ style) {
  dash_pattern_ d;
  auto set = [&d](std::initializer_list<int32_t> l) {
    for (int32_t v : l) { d.lengths[d.count++] = v; d.period += v; }
  };
  switch (style) {
    case pen_style_::dash_: set({18, 6}); break;
    case pen_style_::dot_: set({3, 3}); break;
    case pen_style_::dash_dot_: set({9, 6, 3, 6}); break;
    case pen_style_::dash_dot_dot_: set({9, 3, 3, 3, 3, 3}); break;
    default: break;
  }
  return d;
}

namespace {

// Pixels whose sample point lies in a stroke run from a to b of half width h, row by row.
// Even widths sample pixel centres at +0.5 so that the stroke is exactly width pixels thick.
void stroke_run_spans_(double ax, double ay, double bx, double by, double h, double off, bool round_caps,
                  const pixel_rect_& bounds, std::vector<pixel_span_>& out) {
  const double lo_y = std::max(std::ceil(std::min(ay, by) - h - off), double(bounds.top));
  const double hi_y = std::min(std::floor(std::max(ay, by) + h - off), double(bounds.bottom) - 1.0);
  const double ux = bx - ax, uy = by - ay;
  const double l2 = ux * ux + uy * uy;
  for (double row = lo_y; row <= hi_y; row += 1.0) {
    const double sy = row + off;
    double lo = INFINITY, hi = -INFINITY;
    auto take = [&](double a, double b) {
      if (a <= b) { lo = std::min(lo, a); hi = std::max(hi, b); }
    };
    auto circle = [&](double cx, double cy) {
      const double d = h * h - (sy - cy) * (sy - cy);
      if (d >= 0.0) take(cx - std::sqrt(d), cx + std::sqrt(d));
    };
    if (round_caps) { circle(ax, ay); circle(bx, by); }
    if (l2 > 0.0) {
      // Band: |cross(u, P - A)| <= h * |u| and 0 <= dot(u, P - A) <= |u|^2, both linear in x.
      const double len = std::sqrt(l2);
      double a0 = -INFINITY, a1 = INFINITY;
      auto clamp_linear = [&](double k, double c, double lo_v, double hi_v) {  // lo_v <= k*x + c <= hi_v
        if (k == 0.0) {
          if (c < lo_v || c > hi_v) { a0 = INFINITY; a1 = -INFINITY; }
          return;
        }
        double p = (lo_v - c) / k, q = (hi_v - c) / k;
        if (p > q) std::swap(p, q);
        a0 = std::max(a0, p);
        a1 = std::min(a1, q);
      };
      // cross = ux*(sy-ay) - uy*(x-ax)
      clamp_linear(-uy, ux * (sy - ay) + uy * ax, -h * len, h * len);
      // dot = ux*(x-ax) + uy*(sy-ay)
      clamp_linear(ux, uy * (sy - ay) - ux * ax, 0.0, l2);
      take(a0, a1);
    } else if (!round_caps) {
      circle(ax, ay);
    }
    if (!(lo <= hi)) continue;
    const double x0 = std::max(std::ceil(lo - off), double(bounds.left));
    const double x1 = std::min(std::floor(hi - off), double(bounds.right) - 1.0);
    if (x1 >= x0) out.push_back({int32_t(row), int32_t(x0), int32_t(x1) + 1});
  }
}

}  // namespace

void wide_stroke_spans_(const pixel_point_* points, size_t count, bool closed, int32_t width, pen_style_ style,
                        const pixel_rect_& bounds, std::vector<pixel_span_>& out) {
  if (count == 0 || bounds.empty_()) return;
  const double h = width / 2.0;
  const double off = (width % 2 == 0) ? 0.5 : 0.0;
  const dash_pattern_ dash = dash_pattern_of_(style);
  const size_t segments = closed ? count : count - 1;
  if (segments == 0 || (count == 1)) {
    if (dash.count == 0) stroke_run_spans_(points[0].x, points[0].y, points[0].x, points[0].y, h, off, true, bounds, out);
    return;
  }
  double pos = 0.0;  // distance along the path, for dashes
  for (size_t i = 0; i < segments; ++i) {
    const pixel_point_ a = points[i], b = points[(i + 1) % count];
    // Skip segments wholly outside the bounds (their pixels cannot reach them).
    const double reach = h + 1.0;
    if (std::max(a.x, b.x) + reach < bounds.left || std::min(a.x, b.x) - reach > bounds.right ||
        std::max(a.y, b.y) + reach < bounds.top || std::min(a.y, b.y) - reach > bounds.bottom) {
      pos += std::hypot(double(b.x) - a.x, double(b.y) - a.y);
      continue;
    }
    const double seg = std::hypot(double(b.x) - a.x, double(b.y) - a.y);
    if (dash.count == 0) {
      stroke_run_spans_(a.x, a.y, b.x, b.y, h, off, true, bounds, out);
      continue;
    }
    // Dashes scaled by the width; each dash is a flat-ended run.
    const double scale = double(width);
    double t = 0.0;
    while (t < seg) {
      double m = std::fmod(pos + t, dash.period * scale);
      int32_t k = 0;
      double start_k = 0.0;
      while (k < dash.count && m >= start_k + dash.lengths[k] * scale) start_k += dash.lengths[k++] * scale;
      if (k >= dash.count) k = dash.count - 1;
      const double run_end = std::min(seg, t + (start_k + dash.lengths[k] * scale - m));
      if (k % 2 == 0 && seg > 0.0) {
        const double f0 = t / seg, f1 = run_end / seg;
        stroke_run_spans_(a.x + (b.x - a.x) * f0, a.y + (b.y - a.y) * f0, a.x + (b.x - a.x) * f1,
                     a.y + (b.y - a.y) * f1, h, off, false, bounds, out);
      }
      if (run_end <= t) break;
      t = run_end;
    }
    pos += seg;
  }
}
