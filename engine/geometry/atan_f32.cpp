// The arc tangent is worked out to about 1e-15 of its size: the argument is brought to
// [0, 1] (atan a = pi/2 - atan 1/a), then next to one of the points k/16, whose arc tangents
// the library gives once, and the short rest u = (b - c) / (1 + b c), |u| <= 1/32, goes through
// the series up to u^9. When every value within 2^-40 of the result rounds to one float, the
// library's value (good to 2^-52) rounds to it as well, and that float is the answer; otherwise
// the library is asked.
#include "engine/geometry/atan_f32.h"

#include <array>
#include <cmath>

#include "platform/core/types.h"

namespace {

constexpr int parts_ = 16;
constexpr double half_pi_ = 1.5707963267948966;

const std::array<double, parts_ + 1>& table() {
  static const std::array<double, parts_ + 1> t = [] {
    std::array<double, parts_ + 1> v{};
    for (int k = 0; k <= parts_; ++k) v[k] = std::atan(double(k) / parts_);
    return v;
  }();
  return t;
}

}  // namespace

float atan_f32_(double x) {
  const double a = std::fabs(x);
  if (!(a >= 0x1p-500 && a <= 0x1p500)) return f32_(std::atan(x));  // zero, tiny, huge, NaN
  const bool over = a > 1;
  const double b = over ? 1 / a : a;
  const int k = static_cast<int>(b * parts_ + 0.5);
  const double c = double(k) / parts_;
  const double u = (b - c) / (1 + b * c);
  const double u2 = u * u;
  const double rest = u * (1 + u2 * (-1.0 / 3 + u2 * (1.0 / 5 + u2 * (-1.0 / 7 + u2 * (1.0 / 9)))));
  double v = table()[static_cast<size_t>(k)] + rest;
  if (over) v = half_pi_ - v;
  const double m = v * 0x1p-40;
  const float f = f32_(v);
  if (f32_(v - m) != f || f32_(v + m) != f) return f32_(std::atan(x));
  return x < 0 ? -f : f;
}
