#include "engine/geometry/conic_fit.h"

#include <algorithm>
#include <cmath>

#include "engine/geometry/edit_util.h"

namespace {

float dist_f(double ax, double ay, double bx, double by) { return f32_(std::hypot(ax - bx, ay - by)); }

}  // namespace

void refit_conic_(zaz_class_& e, const std::function<void(float&, float&)>& map, double sx, double sy,
                  float end_step, float& cx, float& cy, float& rx, float& ry, float& rotation, float* a1,
                  float* a2) {
  const bool arc = a1 && a2;
  float psx = 0, psy = 0, pex = 0, pey = 0;
  auto on_figure = [&](float t, float crx, float cry, float rot, float ox, float oy, float& x, float& y) {
    float qx = 0, qy = 0;
    e.calc_rotate_00_deg_(rot, f32_(crx * std::cos(static_cast<double>(t))),
                          f32_(cry * std::sin(static_cast<double>(t))), qx, qy);
    x = f32_(static_cast<double>(ox) + qx);
    y = f32_(static_cast<double>(oy) + qy);
  };
  if (arc) {
    on_figure(*a1, rx, ry, rotation, cx, cy, psx, psy);
    on_figure(*a2, rx, ry, rotation, cx, cy, pex, pey);
    map(psx, psy);
    map(pex, pey);
  }
  float ncx = cx, ncy = cy;
  map(ncx, ncy);
  float dmax = 0, dmin = 0, fx = ncx, fy = ncy;
  bool first = true;
  for (float t = 0; t <= edit_::two_pi_f; t = f32_(static_cast<double>(t) + 0.1f)) {
    float qx = 0, qy = 0;
    e.calc_rotate_00_deg_(rotation, f32_(rx * std::cos(static_cast<double>(t))),
                          f32_(ry * std::sin(static_cast<double>(t))), qx, qy);
    const float px = f32_(ncx + sx * qx), py = f32_(ncy + sy * qy);
    const float d = dist_f(px, py, ncx, ncy);
    if (first) {
      dmax = dmin = d;
      first = false;
    } else {
      if (d > dmax) dmax = d;
      if (d < dmin) dmin = d;
    }
    if (d >= dmax) fx = px, fy = py;  // among equal maxima the last sample wins
  }
  const float nrot = e.calc_angle_(ncx, ncy, fx, fy, true_, 0);
  cx = ncx, cy = ncy, rx = dmax, ry = dmin, rotation = nrot;
  if (!arc) return;
  float bs = std::max(rx, ry), be = bs, start = *a1, end = *a2;
  for (float t = 0; t <= edit_::two_pi_f; t = f32_(static_cast<double>(t) + end_step)) {
    float qx = 0, qy = 0;
    on_figure(t, rx, ry, rotation, cx, cy, qx, qy);
    const float ds = dist_f(psx, psy, qx, qy), de = dist_f(pex, pey, qx, qy);
    if (ds < bs) bs = ds, start = t;
    if (de < be) be = de, end = t;
  }
  if (sx * sy < 0) std::swap(start, end);
  if (start > end) end = f32_(static_cast<double>(end) + edit_::two_pi_f);
  *a1 = start;
  *a2 = end;
}
