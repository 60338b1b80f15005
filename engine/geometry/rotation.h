// The rotation and reflection formulas every rotation and mirror of the engine uses, so that a
// caller that maps many points by one angle or line gets exactly what per-point calls would give.
#pragma once
#include <cmath>

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

// A divisor pushed off zero (zero itself goes to the positive side), so vertical lines act
// as lines of very large slope.
inline float nonzero_divisor_(float v) {
  constexpr float eps = 0.000001f;
  if (v > -eps && v < 0) return -eps;
  if (v >= 0 && v < eps) return eps;
  return v;
}

// Reflection about the line through a and b in slope-and-intercept form. The line's slope,
// intercept and normal slope are worked out once, so many points cost one division pair each.
struct mirror_line_ {
  float a = 0, b = 0, p = 0, dd = 0;

  mirror_line_(float xa, float ya, float xb, float yb) {
    using d = double;
    a = f32_((d(ya) - yb) / nonzero_divisor_(f32_(d(xa) - xb)));
    b = f32_(d(ya) - d(a) * xa);
    p = f32_(-1.0 / nonzero_divisor_(a));
    dd = nonzero_divisor_(f32_(-d(a) + p));
  }

  // Leaves rx, ry alone when the result is not finite.
  void apply(float px, float py, float& rx, float& ry) const {
    using d = double;
    const float q = f32_(d(py) - d(p) * px);
    const float e = f32_(d(b) - q);
    const float f = f32_(-d(a) * q + d(p) * b);
    const float fx = f32_(d(e) / dd);
    const float fy = f32_(d(f) / dd);
    const float x = f32_(d(px) - 2.0 * (d(px) - fx));
    const float y = f32_(d(py) - 2.0 * (d(py) - fy));
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    rx = x;
    ry = y;
  }
};
