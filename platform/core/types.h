// Basic value conventions shared by every layer: 16-bit flags, rounding, 32-bit floats.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// Flags are 16-bit integers: -1 true, 0 false, in memory and in files.
using flag16_ = int16_t;
inline constexpr flag16_ true_ = -1;
inline constexpr flag16_ false_ = 0;
inline constexpr flag16_ to_flag_(bool b) { return b ? true_ : false_; }
// Any non-zero value reads as set, as the program always treated them.
inline constexpr bool is_set_(int v) { return v != 0; }

// Round half to even, the program's rule for turning a number into a whole number.
inline double round_even_(double v) { return std::nearbyint(v); }  // default FE_TONEAREST

// Whole-number conversions by the same rule. They report failure instead of overflowing:
// the result is false when the value is not finite or does not fit the target type.
template <class Int>
inline bool to_int_even_(double v, Int& out) {
  if (!std::isfinite(v)) return false;
  double r = round_even_(v);
  if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
      r > static_cast<double>(std::numeric_limits<Int>::max()))
    return false;
  out = static_cast<Int>(r);
  return true;
}

// Saturating variants for places that must produce a value whatever the input.
inline int32_t cint32_(double v) {
  if (std::isnan(v)) return 0;
  double r = round_even_(v);
  if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}
inline int16_t cint16_(double v) {
  if (std::isnan(v)) return 0;
  double r = round_even_(v);
  if (r <= -32768.0) return std::numeric_limits<int16_t>::min();
  if (r >= 32767.0) return std::numeric_limits<int16_t>::max();
  return static_cast<int16_t>(r);
}

// Coordinates are stored as 32-bit floats; every store goes through this one narrowing.
inline float f32_(double v) { return static_cast<float>(v); }

// True when a value fits a 32-bit float without becoming infinite.
inline bool fits_f32_(double v) {
  return std::isfinite(v) && std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}
