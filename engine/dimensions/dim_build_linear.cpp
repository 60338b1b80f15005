// Building linear, radius and diameter dimensions: the texts, their block and where the
// block sits on the dimension line. The painter derives the lines from the points.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/dimensions/dim_build.h"
#include "engine/dimensions/format.h"
#include "engine/zaz_class.h"

using namespace dim_build_;

namespace {

struct measured_box {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

bool is_on(flag16_ f) { return f == true_; }

}  // namespace

void zaz_class_::dim_build_linear_(dimension_rec_& r, const std::string& user_text) {
  const dimstyle_rec_& st = r.style;
  const float th = f32_(double(st.text_height) * st.size_factor);
  const float dist = f32_(double(st.text_gap) * st.size_factor);
  const float a = st.arrow_size;  // deliberately not scaled by the size factor
  const float V = f32_(double(r.length) * st.length_factor);
  const float V2 = f32_(double(V) * st.alt_factor);
  // Tolerances are given in displayed main units: the length factor does not apply.
  const float U = st.tol_upper, L = st.tol_lower;
  const float U2 = f32_(double(U) * st.alt_factor), L2 = f32_(double(L) * st.alt_factor);
  const float D = distance(r.x3, r.y3, r.x4, r.y4);
  const float angD = calc_angle_(r.x3, r.y3, r.x4, r.y4, false_, 0);
  const float angE = calc_angle_(r.x1, r.y1, r.x3, r.y3, false_, 0);
  const int16_t dia = r.kind == 2 ? true_ : false_;

  auto F = [](float v, uint8_t unit, uint8_t acc, int16_t d) {
    return dim_format_length_(v, unit, acc, d);
  };
  auto S = [&](const std::string& value) { return dim_text_substitute_(value, user_text); };
  auto M = [&](float v) { return st.prefix + S(F(v, st.unit, st.accuracy, dia)) + st.suffix; };
  auto M2 = [&](float v) {
    return st.alt_prefix + S(F(v, st.alt_unit, st.alt_accuracy, dia)) + st.alt_suffix;
  };
  // Deviation stack; the signs follow the main tolerances in both units.
  auto T = [&](float u, float l, uint8_t unit, uint8_t acc) {
    return std::string(U >= 0 ? "+" : "-") + F(std::fabs(u), unit, acc, false_) +
           std::string(line_break) + (L >= 0 ? "-" : "+") + F(std::fabs(l), unit, acc, false_);
  };
  auto P = [&](float u, uint8_t unit, uint8_t acc) {
    return " " + std::string(plus_minus_mark) + F(u, unit, acc, false_);
  };

  // Step 1: the texts, each measured where it is put before the next one is placed.
  staging s;
  std::array<measured_box, 8> box{};
  auto put = [&](int i, std::string text, float h, float x, float y) {
    dim_text_part_rec_& p = s.parts[size_t(i)];
    p.visible = true_;
    p.text = std::move(text);
    p.height = h;
    p.x = x;
    p.y = y;
    measured_box& b = box[size_t(i)];
    measure_text_(st.font, p.text, x, y, h, 1, 0, b.x1, b.y1, b.x2, b.y2);
  };
  auto right = [&](int i, double gap) { return f32_(double(box[size_t(i)].x2) + gap * th); };
  const float th3 = f32_(3.0 * th), th2 = f32_(2.0 * th), th34 = f32_(0.75 * th);
  const bool tol = is_on(st.tol_show), lim = is_on(st.tol_limits), alt = is_on(st.alt_show);
  const std::string cr(line_break);
  if (tol && lim) {
    put(0, M(f32_(double(V) + U)) + cr + M(f32_(double(V) - L)), th, 0, 0);
    if (alt) {
      put(1, "[", th3, right(0, 0.75), f32_(-1.75 * th));
      put(2, M2(f32_(double(V2) + U2)) + cr + M2(f32_(double(V2) - L2)), th, right(1, 0.25), 0);
      put(3, "]", th3, right(2, 0.25), f32_(-1.75 * th));
    }
  } else if (tol && U == L) {
    std::string t = M(V) + P(U, st.unit, st.tol_accuracy);
    if (alt) t += " [" + M2(V2) + P(U2, st.alt_unit, st.alt_tol_accuracy) + "]";
    put(0, t, th, 0, 0);
  } else if (tol) {
    put(0, M(V), th, 0, 0);
    put(1, T(U, L, st.unit, st.tol_accuracy), th34, right(0, 0.25), th34);
    if (alt) {
      put(2, "[", th2, right(1, 0.75), f32_(-0.5 * th));
      put(3, M2(V2), th, right(2, 0), 0);
      put(4, T(U2, L2, st.alt_unit, st.alt_tol_accuracy), th34, right(3, 0.25), th34);
      put(5, "]", th2, right(4, 0.25), f32_(-0.5 * th));
    }
  } else {
    put(0, M(V), th, 0, 0);
    if (alt) put(1, "[" + M2(V2) + "]", th, right(0, 0.75), 0);
  }
  if (!s.finite()) s = staging{};  // a step that cannot be computed leaves its values unset

  // Step 2: one block of the visible parts, framed, centred on the origin.
  float W = 0, H = 0;
  {
    bool any = false;
    measured_box u;
    for (size_t i = 0; i < 8; ++i) {
      if (s.parts[i].visible != true_) continue;
      const measured_box& b = box[i];
      if (!any) u = b, any = true;
      u.x1 = std::min(u.x1, b.x1), u.y1 = std::min(u.y1, b.y1);
      u.x2 = std::max(u.x2, b.x2), u.y2 = std::max(u.y2, b.y2);
    }
    const float m = is_on(st.text_frame) ? f32_(std::fabs(0.2 * th)) : 0.0f;
    staging t = s;
    const float fx1 = f32_(double(u.x1) - m), fy1 = f32_(double(u.y1) - m);
    const float fx2 = f32_(double(u.x2) + m), fy2 = f32_(double(u.y2) + m);
    t.corners = {box_corner_rec_{fx1, fy1}, {fx1, fy2}, {fx2, fy2}, {fx2, fy1}};
    const float cx = f32_((double(fx1) + fx2) / 2), cy = f32_((double(fy1) + fy2) / 2);
    t.each_point([&](float& x, float& y) { x = f32_(double(x) - cx), y = f32_(double(y) - cy); });
    const float w = f32_(double(fx2) - fx1), h = f32_(double(fy2) - fy1);
    if (t.finite() && std::isfinite(w) && std::isfinite(h)) s = t, W = w, H = h;
  }

  // Step 3: offset in the text's own frame, angle and anchor.
  float text_angle = r.text_angle;
  {
    float dx = 0, dy = 0, theta = text_angle, ax = 0, ay = 0;
    const float mx = f32_((double(r.x3) + r.x4) / 2), my = f32_((double(r.y3) + r.y4) / 2);
    const uint8_t h28 = st.text_adj_h, v29 = st.text_adj_v;
    const float raise = f32_(double(H) / 2 + dist);
    if (r.kind == 0) {
      if ((v29 == 1 && angD == 0) || v29 == 2 || v29 == 3) dy = raise;
      theta = angD;
      ax = mx, ay = my;
      switch (h28) {
        case 1: dx = f32_(double(W) / 2 - std::fabs(a) / 2.0), ax = r.x3, ay = r.y3; break;
        case 2: dx = f32_(-(double(W) / 2 - std::fabs(a) / 2.0)), ax = r.x4, ay = r.y4; break;
        case 3: theta = angE, dx = f32_(double(W) / 2 + dist), dy = 0, ax = r.x3, ay = r.y3; break;
        case 4: theta = angE, dx = f32_(double(W) / 2 + dist), dy = 0, ax = r.x4, ay = r.y4; break;
        default: break;
      }
    } else if (r.kind == 1 || r.kind == 2) {
      theta = angD;
      if (v29 >= 2) {
        dx = f32_(-(double(W) / 2 + a)), ax = r.x1, ay = r.y1;  // outside, beyond the picked point
      } else {
        if (v29 == 1 && h28 == 0) dy = raise;
        if (h28 == 1 || h28 == 3) dx = f32_(-(double(W) / 2 + a / 2.0)), ax = r.x1, ay = r.y1;
        else if (h28 == 2 || h28 == 4) dx = f32_(double(W) / 2 + a / 2.0), ax = r.x2, ay = r.y2;
        else ax = mx, ay = my;
      }
    }
    staging t = s;
    t.each_point([&](float& x, float& y) {
      float rx = 0, ry = 0;
      calc_rotate_00_rad_(theta, f32_(double(x) + dx), f32_(double(y) + dy), rx, ry);
      x = f32_(double(rx) + ax), y = f32_(double(ry) + ay);
    });
    if (t.finite() && std::isfinite(theta)) s = t, text_angle = theta;
  }

  // Step 4: horizontal text, only for placements along the dimension line.
  if (is_on(st.text_inside) && st.text_adj_h < 3) {
    float cx = 0, cy = 0;
    s.corner_mean(cx, cy);
    staging t = s;
    t.each_point([&](float& x, float& y) { rotate_about_rad_(-text_angle, x, y, cx, cy, x, y); });
    if (t.finite()) s = t, text_angle = 0;
  }

  // Step 5: is the line long enough for the text and the arrowheads?
  auto box_length = [&] {
    return f32_(double(distance(s.corners[0].x, s.corners[0].y, s.corners[3].x, s.corners[3].y)) +
                std::fabs(0.25 * th));
  };
  const float Lf = box_length();
  const float three_a = f32_(3.0 * a);
  const bool short_line = st.text_adj_h >= 3 ? D <= three_a : f32_(double(D) - Lf) <= three_a;

  // Step 6: shifts along the dimension line, for text on the line only.
  if (st.text_adj_v == 0) {
    const float ex = f32_(std::cos(double(angD))), ey = f32_(std::sin(double(angD)));
    float k = 0;
    const float q = f32_(std::fabs(0.25 * th)), half = f32_(std::fabs(0.5 * th));
    if (short_line) {
      if (st.text_adj_h == 1) k = q;
      else if (st.text_adj_h == 2) k = -q;
    } else if (r.kind == 0) {
      if (st.text_adj_h == 1) k = is_on(st.dimline_show1) ? -box_length() : half;
      else if (st.text_adj_h == 2) k = is_on(st.dimline_show2) ? box_length() : -half;
    }
    if (k != 0) {
      staging t = s;
      t.each_point([&](float& x, float& y) {
        x = f32_(double(x) + double(k) * ex), y = f32_(double(y) + double(k) * ey);
      });
      if (t.finite()) s = t;
    }
  }

  // Step 7: turn texts that would read upside down; straight up or down reads upwards.
  const float lo = f32_(0.501 * pi_f), hi = f32_(1.501 * pi_f);
  if (lo < text_angle && text_angle <= hi) {
    float cx = 0, cy = 0;
    s.corner_mean(cx, cy);
    staging t = s;
    t.each_point([&](float& x, float& y) { rotate_about_rad_(pi_f, x, y, cx, cy, x, y); });
    if (t.finite()) s = t, text_angle = f32_(double(text_angle) - pi_f);
  }

  // Step 8: store.
  if (std::isfinite(th)) r.text_height = th;
  r.arrows_outside = short_line ? true_ : false_;
  r.text_angle = text_angle;
  r.parts = std::move(s.parts);
  r.text_box = s.corners;
}

void zaz_class_::dim_build_linear_(int32_t record_) {
  if (record_ < 1 || record_ > store.counts[0] || size_t(record_) >= store.live.objects.size())
    return;
  object_rec_& o = store.live.objects[size_t(record_)];
  if (o.type != ot_dimension_ || o.index < 1 || size_t(o.index) >= store.live.dimensions.size())
    return;
  dimension_rec_& r = store.live.dimensions[size_t(o.index)];
  dim_build_linear_(r, {});
  extent_dimension_(r, o.x1, o.y1, o.x2, o.y2);
}
