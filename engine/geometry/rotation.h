// The rotation and reflection formulas every rotation and mirror of the engine uses, so that a
// caller that maps many points by one angle or line gets exactly what per-point calls would give.
#pragma once
#include <cmath>
#include <cstddef>

#include "platform/core/types.h"

// Turns (px, py) by the sine s and cosine c of the negated angle. Leaves rx, ry alone
// when the result is not finite.
inline void rotate_by_sc_(float px, float py, float s, float c, float& rx, float& ry) {
  const float x = f32_(static_cast<double>(px) * c + static_cast<double>(py) * s);
  const float y = f32_(static_cast<double>(py) * c - static_cast<double>(px) * s);
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  rx = x;
  ry = y;
}

// A turn about (0, 0) by one angle, for many points: the sine and cosine of the negated angle
// rounded to float once, as every single-point rotation rounds them. When either is not
// finite the points stay unturned.
struct turn_00_ {
  float s = 0, c = 1;
  bool ok = false;

  static turn_00_ rad(float angle) {
    turn_00_ t;
    const float w = f32_(-static_cast<double>(angle));
    t.s = f32_(std::sin(static_cast<double>(w)));
    t.c = f32_(std::cos(static_cast<double>(w)));
    t.ok = std::isfinite(t.s) && std::isfinite(t.c);
    return t;
  }
  // Degrees become radians through the engine's 32-bit pi.
  static turn_00_ deg(float angle) {
    return rad(f32_(static_cast<double>(angle) / (180.0 / static_cast<double>(3.1415927f))));
  }
  void apply(float px, float py, float& rx, float& ry) const {
    rx = px;
    ry = py;
    if (ok) rotate_by_sc_(px, py, s, c, rx, ry);
  }
};

// Turns (px, py) about (cx, cy) by the sine s and cosine c of the negated angle, in the
// order the engine's rotation about a centre has always summed its terms.
inline void rotate_about_by_sc_(float px, float py, float cx, float cy, float s, float c, float& rx,
                                float& ry) {
  const double dx = static_cast<double>(px) - cx, dy = static_cast<double>(py) - cy;
  const float x = f32_((dx * c + cx) + dy * s);
  const float y = f32_((dy * c + cy) - dx * s);
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  rx = x;
  ry = y;
}

// rotate_about_by_sc_ for n points held apart (x in xs, y in ys), in place: the same
// arithmetic point by point, several points at once (rotation_batch.cpp).
void rotate_about_by_sc_n_(float* xs, float* ys, size_t n, float cx, float cy, float s, float c);

// A divisor pushed off zero (zero itself goes to the positive side), so vertical lines act
// as lines of very large slope.
inline float nonzero_divisor_(float v) {
  constexpr float eps = 0.000001f;
  if (v > -eps && v < 0) return -eps;
  if (v >= 0 && v < eps) return eps;
  return v;
}

// Reflection about the line through a and b in slope-and-intercept form. The line's slope,
// intercept and normal slope are worked out once, and so is 1 / dd: a point costs two
// multiplications where it cost two divisions.
//
// Why v * inv rounds to the same float as v / dd (v and dd floats, dd normal): v / dd is never
// a float rounding boundary, and lies at least 2^-49 (relative) away from every boundary, since
// v - m * dd, for a boundary m of 25 significant bits, is 0 or a multiple of dd's and m's last
// places. The double product v * inv is within 2^-52 (relative) of v / dd, so both sit between
// the same two boundaries and the narrowing to float gives the same value, as does the double
// quotient (a double rounding of a quotient of floats is exact).
struct mirror_line_ {
  float a = 0, b = 0, p = 0, dd = 0;
  double inv = 0;  // 1 / dd

  mirror_line_(float xa, float ya, float xb, float yb) {
    using d = double;
    a = f32_((d(ya) - yb) / nonzero_divisor_(f32_(d(xa) - xb)));
    b = f32_(d(ya) - d(a) * xa);
    p = f32_(-1.0 / nonzero_divisor_(a));
    dd = nonzero_divisor_(f32_(-d(a) + p));
    inv = 1.0 / d(dd);
  }

  // Leaves rx, ry alone when the result is not finite.
  void apply(float px, float py, float& rx, float& ry) const {
    using d = double;
    const float q = f32_(d(py) - d(p) * px);
    const float e = f32_(d(b) - q);
    const float f = f32_(-d(a) * q + d(p) * b);
    const float fx = f32_(d(e) * inv);  // = f32_(d(e) / dd), see above
    const float fy = f32_(d(f) * inv);
    const float x = f32_(d(px) - 2.0 * (d(px) - fx));
    const float y = f32_(d(py) - 2.0 * (d(py) - fy));
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    rx = x;
    ry = y;
  }

  // apply for n points held apart (x in xs, y in ys), in place, several points at once
  // (rotation_batch.cpp).
  void apply_n(float* xs, float* ys, size_t n) const;
};
