// Shared pieces of the dimension and reference builders.
#pragma once
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/model/records.h"
#include "platform/core/types.h"

namespace dim_build_ {

inline constexpr float pi_f = 3.1415927f;
inline constexpr float two_pi_f = 6.2831855f;  // the 32-bit product 2 x pi_f

// Glyph code 177, the sign of a symmetric tolerance, as the UTF-8 character it stands for.
inline constexpr std::string_view plus_minus_mark = "\xC2\xB1";
// Line break inside one text part: the stroke-font layout puts the next line below.
inline constexpr std::string_view line_break = "\r";

// A text part and the points that move with it while a block of parts is laid out.
struct staging {
  std::array<dim_text_part_rec_, 8> parts;
  std::array<box_corner_rec_, 4> corners;

  template <class F>
  void each_point(F&& f) {
    for (auto& p : parts) f(p.x, p.y);
    for (auto& c : corners) f(c.x, c.y);
  }
  bool finite() const {
    for (const auto& p : parts)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    for (const auto& c : corners)
      if (!std::isfinite(c.x) || !std::isfinite(c.y)) return false;
    return true;
  }
  // The average of the four corners, about which a block is turned.
  void corner_mean(float& x, float& y) const {
    x = f32_((double(corners[0].x) + corners[1].x + corners[2].x + corners[3].x) / 4.0);
    y = f32_((double(corners[0].y) + corners[1].y + corners[2].y + corners[3].y) / 4.0);
  }
};

inline float distance(float x1, float y1, float x2, float y2) {
  return f32_(std::hypot(double(x2) - x1, double(y2) - y1));
}

}  // namespace dim_build_
