// Building references: the one line of text at the end of the leader, placed by the last
// leader segment and turned so that it never reads upside down.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/dimensions/dim_build.h"
#include "engine/zaz_class.h"

using namespace dim_build_;

bool zaz_class_::ref_build_(reference_rec_& r, std::string text) {
  const dimstyle_rec_& st = r.style;
  // Never read past the stored points, whatever the count says.
  const int32_t n = std::max<int32_t>(
      0, std::min<int64_t>({r.count, int64_t(r.x.size()) - 1, int64_t(r.y.size()) - 1}));
  const bool horizontal = st.text_inside == true_;
  const bool above = st.text_adj_v == 1;
  // Both placements need the segment before the end point.
  if (n < 2 && n > 0 && (horizontal || above)) return false;

  const float h = f32_(double(st.text_height) * st.size_factor);
  float a0 = 0;
  if (n >= 2) a0 = calc_angle_(r.x[size_t(n - 1)], r.y[size_t(n - 1)], r.x[size_t(n)], r.y[size_t(n)], false_, 0);
  const float an = f32_(double(a0) + pi_f / 2.0);
  float a = horizontal ? 0.0f : a0;

  staging s;
  dim_text_part_rec_& p0 = s.parts[0];
  p0.visible = true_;
  p0.text = std::move(text);
  p0.height = h;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  measure_text_(st.font, p0.text, 0, 0, h, 1, 0, x1, y1, x2, y2);

  const float m = st.text_frame == true_ ? f32_(std::fabs(0.2 * h)) : 0.0f;
  const float l = f32_(double(x1) - m), b = f32_(double(y1) - m);
  const float rt = f32_(double(x2) + m), t = f32_(double(y2) + m);
  s.corners = {box_corner_rec_{l, b}, {l, t}, {rt, t}, {rt, b}};
  const float cx = f32_((double(x1) + x2) / 2), cy = f32_((double(y1) + y2) / 2);

  s.each_point([&](float& x, float& y) {
    float rx = 0, ry = 0;
    calc_rotate_00_rad_(a, f32_(double(x) - cx), f32_(double(y) - cy), rx, ry);
    x = rx, y = ry;
  });

  float d = 1;
  const float lo = f32_(pi_f / 2.0), hi = f32_(3.0 * pi_f / 2.0);
  if (!(a <= lo || a >= hi)) {
    float mx = 0, my = 0;
    s.corner_mean(mx, my);
    s.each_point([&](float& x, float& y) { rotate_about_rad_(pi_f, x, y, mx, my, x, y); });
    a = f32_(double(a) - pi_f);
    d = -1;
  }

  const float w = f32_(double(cx) + m), v = f32_(double(cy) + m);
  const float ux = f32_(d * std::cos(double(a))), uy = f32_(d * std::sin(double(a)));
  float px = 0, py = 0;
  if (n >= 1) {
    const float xn = r.x[size_t(n)], yn = r.y[size_t(n)];
    if (horizontal) {
      const float xp = r.x[size_t(n - 1)], yp = r.y[size_t(n - 1)];
      px = xn > xp ? f32_(double(xn) + w) : f32_(double(xn) - w);
      py = yn > yp ? f32_(double(yn) + v) : f32_(double(yn) - v);
    } else if (above) {
      const float xp = r.x[size_t(n - 1)], yp = r.y[size_t(n - 1)];
      const float L = distance(xp, yp, xn, yn);
      const float W = f32_(2.0 * std::fabs(w));
      const float H = distance(s.corners[0].x, s.corners[0].y, s.corners[1].x, s.corners[1].y);
      float qx = 0, qy = 0;
      if (W >= L) {  // a wide text starts at the segment's start and may overhang its end
        qx = f32_(xp + double(w) * ux), qy = f32_(yp + double(w) * uy);
      } else {
        qx = f32_(xn - std::fabs(double(w)) * ux), qy = f32_(yn - std::fabs(double(w)) * uy);
      }
      const double up = (double(H) / 2 + m) * d;
      px = f32_(qx + up * std::cos(double(an))), py = f32_(qy + up * std::sin(double(an)));
    } else {
      px = f32_(xn + double(w) * ux), py = f32_(yn + double(w) * uy);
    }
  }
  s.each_point([&](float& x, float& y) { x = f32_(double(x) + px), y = f32_(double(y) + py); });
  if (!s.finite() || !std::isfinite(h) || !std::isfinite(a)) return false;

  r.parts = std::move(s.parts);
  r.text_box = s.corners;
  r.text_height = h;
  r.text_angle = a;
  return true;
}
