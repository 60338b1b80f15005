// Plane-geometry calculations in slope-and-intercept form: every divisor is pushed off
// zero first, so vertical lines act as lines of very large slope. A calculation whose
// result is not finite writes nothing to its out arguments.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/geometry/rotation.h"
#include "engine/zaz_class.h"

namespace {

constexpr float pi_f = 3.1415927f;
constexpr double pi = pi_f;

using d = double;

bool finite2(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

}  // namespace

void zaz_class_::calc_mirror_(float mxp_, float myp_, float mxa_, float mya_, float mxb_,
                              float myb_, float& mirx_, float& miry_) const {
  mirror_line_(mxa_, mya_, mxb_, myb_).apply(mxp_, myp_, mirx_, miry_);
}

void zaz_class_::calc_cross_lp_(float cx1_, float cy1_, float cx2_, float cy2_, float cxp_,
                                float cyp_, float& crx_, float& cry_) const {
  const float a = f32_((d(cy2_) - cy1_) / clamp_nonzero_(f32_(d(cx2_) - cx1_)));
  const float b = f32_(-d(a) * cx1_ + cy1_);
  const float p = f32_(-1.0 / clamp_nonzero_(a));
  const float q = f32_(-d(p) * cxp_ + cyp_);
  const float dd = f32_(-d(a) + p);
  const float e = f32_(d(b) - q);
  const float f = f32_(-d(a) * q + d(p) * b);
  const float x = f32_(d(e) / clamp_nonzero_(dd));
  const float y = f32_(d(f) / clamp_nonzero_(dd));
  if (!finite2(x, y)) return;
  crx_ = x;
  cry_ = y;
}

void zaz_class_::calc_cross_2l_(float cx1_, float cy1_, float cx2_, float cy2_, float cx3_,
                                float cy3_, float cx4_, float cy4_, float& crx_, float& cry_,
                                flag16_& ok_) const {
  ok_ = false_;
  if ((cx1_ == cx2_ && cx3_ == cx4_) || (cy1_ == cy2_ && cy3_ == cy4_)) {
    crx_ = cry_ = 0;
    return;
  }
  if (cy1_ == cy2_ && cx3_ == cx4_) {
    crx_ = cx3_, cry_ = cy1_, ok_ = true_;
    return;
  }
  if (cx1_ == cx2_ && cy3_ == cy4_) {
    crx_ = cx1_, cry_ = cy3_, ok_ = true_;
    return;
  }
  const float a1 = f32_((d(cy2_) - cy1_) / clamp_nonzero_(f32_(d(cx2_) - cx1_)));
  const float a2 = f32_((d(cy4_) - cy3_) / clamp_nonzero_(f32_(d(cx4_) - cx3_)));
  const float b1 = f32_(-d(a1) * cx1_ + cy1_);
  const float b2 = f32_(-d(a2) * cx3_ + cy3_);
  if (std::fabs(clamp_nonzero_(f32_(d(a1) - a2))) < 0.00001f) {  // parallel
    crx_ = cry_ = 0;
    return;
  }
  const float dd = f32_(d(a2) - a1);
  const float e = f32_(d(b1) - b2);
  const float f = f32_(d(a2) * b1 - d(a1) * b2);
  const float x = f32_(d(e) / clamp_nonzero_(dd));
  const float y = f32_(d(f) / clamp_nonzero_(dd));
  if (!finite2(x, y)) return;  // reported as no intersection
  crx_ = x;
  cry_ = y;
  ok_ = true_;
}

bool zaz_class_::calc_shift_pline_(float shift_, flag16_ close_) {
  const int32_t n = geometry.offset_count_;
  if (n < 2) return false;
  if (n > offset_slots_ - 2) return false;  // entry n + 1 must exist
  auto& P = geometry.offset_points_;
  const bool closed = close_ == true_ && n >= 3;
  if (closed) {
    P[0] = P[n];
    P[n + 1] = P[1];
  } else {
    P[0].x = f32_(d(P[1].x) - (d(P[2].x) - P[1].x));
    P[0].y = f32_(d(P[1].y) - (d(P[2].y) - P[1].y));
    P[n + 1].x = f32_(d(P[n].x) + (d(P[n].x) - P[n - 1].x));
    P[n + 1].y = f32_(d(P[n].y) + (d(P[n].y) - P[n - 1].y));
  }
  // Moves the segment from u to v sideways by shift_ (to its left for a positive shift).
  auto moved = [&](vertex_rec_ u, vertex_rec_ v, vertex_rec_& mu, vertex_rec_& mv) {
    const float g = calc_angle_(u.x, u.y, v.x, v.y, true_, 0);
    const float r = f32_((d(g) + 90.0) * (pi / 180.0));
    const float dx = f32_(d(shift_) * std::cos(d(r)));
    const float dy = f32_(d(shift_) * std::sin(d(r)));
    mu = u, mv = v;
    mu.x = f32_(d(u.x) + dx), mu.y = f32_(d(u.y) + dy);
    mv.x = f32_(d(v.x) + dx), mv.y = f32_(d(v.y) + dy);
  };
  std::vector<vertex_rec_> out(static_cast<size_t>(n) + 1);
  for (int32_t i = 1; i <= n; ++i) {
    vertex_rec_ A, B, C, D;
    moved(P[i], P[i + 1], A, B);
    moved(P[i - 1], P[i], C, D);
    vertex_rec_ r = P[i];
    r.x = A.x, r.y = A.y;
    if (closed || (i != 1 && i != n)) {
      float x = 0, y = 0;
      flag16_ ok = false_;
      calc_cross_2l_(A.x, A.y, B.x, B.y, C.x, C.y, D.x, D.y, x, y, ok);
      if (ok == true_) {
        r.x = std::clamp(x, -1e9f, 1e9f);
        r.y = std::clamp(y, -1e9f, 1e9f);
      }
    }
    if (!finite2(r.x, r.y)) return false;
    out[i] = r;
  }
  std::copy(out.begin() + 1, out.end(), geometry.offset_result_.begin() + 1);
  return true;
}

float zaz_class_::calc_length_() const {
  const int32_t n = vertex_count_(false_);
  float sum = 0;
  for (int32_t i = 1; i < n; ++i) {
    const d dx = d(vertex_px_(i + 1)) - vertex_px_(i);
    const d dy = d(vertex_py_(i + 1)) - vertex_py_(i);
    sum = f32_(d(sum) + f32_(std::sqrt(dx * dx + dy * dy)));
  }
  return std::isfinite(sum) ? std::fabs(sum) : 0.0f;
}

float zaz_class_::calc_area_() const {
  const int32_t n = vertex_count_(false_);
  float sum = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const int32_t j = i >= n ? 1 : i + 1;
    const float x1 = vertex_px_(i), y1 = vertex_py_(i);
    const float x2 = vertex_px_(j), y2 = vertex_py_(j);
    const float term = f32_((d(x2) - x1) * ((d(y1) + y2) * 0.5));
    sum = f32_(d(sum) + term);
  }
  return std::isfinite(sum) ? std::fabs(sum) : 0.0f;
}

void zaz_class_::calc_arc3p_(float x1_, float y1_, float X2_, float y2_, float x3_, float y3_,
                             float& cx_, float& cy_, float& rad_, float& ang1_,
                             float& ang2_) const {
  auto slope = [](float xa, float ya, float xb, float yb) {
    return f32_(d(xb) - xa) != 0 ? f32_((d(yb) - ya) / (d(xb) - xa)) : 1e10f;
  };
  auto normal = [&](float s) { return s != 0 ? f32_(-1.0 / clamp_nonzero_(s)) : 1e10f; };
  const float s12 = slope(x1_, y1_, X2_, y2_);
  const float s23 = slope(X2_, y2_, x3_, y3_);
  const float m12x = f32_((d(x1_) + X2_) / 2), m12y = f32_((d(y1_) + y2_) / 2);
  const float m23x = f32_((d(X2_) + x3_) / 2), m23y = f32_((d(y2_) + y3_) / 2);
  const float p12 = normal(s12), p23 = normal(s23);
  const float b12 = f32_(d(m12y) - d(p12) * m12x);
  const float b23 = f32_(d(m23y) - d(p23) * m23x);
  const float dd = f32_(-d(p12) + p23);
  if (dd == 0) return;  // collinear: the bisectors never meet
  const float cx = f32_((d(b12) - b23) / dd);
  const float cy = f32_((-d(p12) * b23 + d(p23) * b12) / dd);
  const float rad = f32_(std::sqrt((d(cx) - x1_) * (d(cx) - x1_) + (d(cy) - y1_) * (d(cy) - y1_)));
  if (!finite2(cx, cy) || !std::isfinite(rad)) return;
  cx_ = cx, cy_ = cy, rad_ = rad;
  const float a1 = calc_angle_(cx, cy, x1_, y1_, false_, 0);
  float a2 = calc_angle_(cx, cy, X2_, y2_, false_, 0);
  float a3 = calc_angle_(cx, cy, x3_, y3_, false_, 0);
  const double two_pi = 2.0 * pi;
  if (a3 < a1) a3 = f32_(a3 + two_pi);
  if (a1 < a2 + two_pi && a2 + two_pi < a3) a2 = f32_(a2 + two_pi);
  if (a3 > a1 && a1 < a2 && a2 < a3) {
    ang1_ = a1, ang2_ = a3;
  } else if (a3 > a1 && (a2 < a1 || a2 > a3)) {
    ang1_ = a3, ang2_ = a1;
  }
}
