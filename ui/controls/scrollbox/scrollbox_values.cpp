// The scroll box's values, steps and thumb length. Steps saturate at the 32-bit limits rather
// than wrapping, so a range near the limits still ends at its ends.
#include <cmath>
#include <cstdlib>
#include <limits>

#include "ui/controls/scrollbox/scrollbox.h"

namespace {

int32_t clamp_to(int64_t x, int32_t lo, int32_t hi) {
  if (x < lo) return lo;
  if (x > hi) return hi;
  return static_cast<int32_t>(x);
}

}  // namespace

void scroll_set_max_(scroll_values_& v, int32_t value) {
  v.maximum = value;
  if (value < v.minimum) v.minimum = value;
  if (v.maximum < v.value) v.value = v.maximum;
}

void scroll_set_min_(scroll_values_& v, int32_t value) {
  v.minimum = value;
  if (v.maximum < value) v.maximum = value;
  if (v.value < v.minimum) v.value = v.minimum;
}

void scroll_set_current_(scroll_values_& v, int32_t value) { v.value = clamp_to(value, v.minimum, v.maximum); }

void scroll_set_small_(scroll_values_& v, int32_t value) {
  v.small_step = value;
  if (v.small_step > v.large_step) v.large_step = v.small_step;
  if (v.small_step < 1) v.small_step = 1;
}

void scroll_set_large_(scroll_values_& v, int32_t value) {
  int64_t large = value;
  const int64_t span = std::llabs(int64_t(v.maximum) - v.minimum) + 1;
  if (span < large) large = span;
  if (large < v.small_step) large = v.small_step;
  if (large < 1) large = 1;
  v.large_step = clamp_to(large, 1, std::numeric_limits<int32_t>::max());
}

void scroll_set_fraction_(scroll_values_& v, float value) {
  if (!(value >= 0)) value = 0;  // NaN counts as 0
  if (value > 1) value = 1;
  v.thumb_fraction = value;
}

int32_t scroll_step_(const scroll_values_& v, int64_t delta) {
  return clamp_to(int64_t(v.value) + delta, v.minimum, v.maximum);
}

bool scroll_command_(scroll_values_& v, int32_t code) {
  switch (code) {
    case 1: v.value = scroll_step_(v, -int64_t(v.small_step)); return true;
    case 2: v.value = scroll_step_(v, v.small_step); return true;
    case 3: v.value = scroll_step_(v, -int64_t(v.large_step)); return true;
    case 4: v.value = scroll_step_(v, v.large_step); return true;
    case 5: v.value = v.minimum; return true;
    case 6: v.value = v.maximum; return true;
    default: return false;
  }
}

int32_t scroll_thumb_length_(const scroll_values_& v, int32_t length_px) {
  const double track = double(length_px) - 34;
  int32_t length;
  if (v.thumb_fraction > 0) {
    length = cint32_(double(v.thumb_fraction) * track);
  } else {
    double r = std::fabs(double(v.maximum) - double(v.minimum));
    const double g = std::fabs(double(v.large_step));
    if (r < g) r = g;
    double f = r < 1 ? 0 : g / r;
    if (f > 1) f = 1;
    length = cint32_(f * track);
  }
  return length < 17 ? 17 : length;
}

int32_t scroll_painted_thumb_(int32_t length_px, int32_t thumb_length) {
  return int64_t(length_px) - 34 < 17 ? 0 : thumb_length;
}
