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

