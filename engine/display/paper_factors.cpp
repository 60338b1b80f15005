// Contrast colour and paper factors, shared by the screen painters and printing.
#include <algorithm>
#include <cmath>

#include "engine/zaz_class.h"

int32_t zaz_class_::contrast_color_(int32_t color) const {
  const uint32_t c = static_cast<uint32_t>(color < 0 ? selection.backcolor : color);
  const float m = f32_((double(c & 0xFF) + double((c >> 8) & 0xFF) + double((c >> 16) & 0xFF)) / 3.0);
  return m >= 128.f ? 0 : 0xFFFFFF;
}

float zaz_class_::unit_scale_factor_(int32_t unit, int32_t scale) {
  static constexpr double mm_per_unit[] = {1, 10, 100, 1000, 1000000, 304.8, 25.4};
  // Scale codes 0..18 are 1:n, 19..25 n:1.
  static constexpr double scale_n[] = {1,  2,   4,   5,   10,   15,   20,   30,    40,   50,
                                       75, 100, 200, 250, 500, 1000, 2000, 5000, 10000, 2,
                                       4,  5,   8,   10,  100, 1000};
  const double u = unit >= 0 && unit <= 6 ? mm_per_unit[unit] : 1.0;
  double r = 1.0;
  if (scale >= 0 && scale <= 18) r = 1.0 / scale_n[scale];
  else if (scale >= 19 && scale <= 25) r = scale_n[scale];
  return f32_(1.0 / (u * r));
}

int32_t zaz_class_::engine_blend_color_(int32_t a, int32_t b, float t) {
  const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (ua >> shift) & 0xFF, cb = (ub >> shift) & 0xFF;
    const double v = std::clamp(round_even_((1.0 - t) * ca + double(t) * cb), 0.0, 255.0);
    out |= static_cast<uint32_t>(v) << shift;
  }
  return static_cast<int32_t>(out);
}
