// What the drawing tools share besides view_input_'s members: the rubber band's arguments as
// one record, the constants the tools compute with, and small point helpers.
#pragma once
#include <cstdint>
#include <string>

#include "engine/zaz_class.h"

namespace view_draw {

// pi as the single-precision number the tools are specified with, and its derived steps.
inline constexpr float pi_f = 3.1415927f;
inline constexpr float two_pi_f = 6.2831855f;
inline constexpr float half_pi_f = 1.5707964f;
inline constexpr float degrees_per_radian = 180 / pi_f;

// The arguments of the engine's draw_preview_ that a kind uses; the others stay 0.
struct preview_rec {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
  float rad = 0, rx = 0, ry = 0, aa1 = 0, aa2 = 0, th = 0, ts = 0, rot = 0;
  int32_t font = 0;
  std::string text;
  flag16_ shift_ok = false_;
  float shift_val = 0;
  flag16_ close = false_;
};

// Draws preview kind (preview_kind_code_) over the last one; kind 0 only erases.
inline void preview(zaz_class_& e, int32_t kind, const preview_rec& p = {}) {
  e.draw_preview_(kind, p.x1, p.y1, p.x2, p.y2, p.x3, p.y3, p.rad, p.rx, p.ry, p.aa1, p.aa2, p.th, p.ts, p.font,
                  p.text, p.rot, p.shift_ok, p.shift_val, p.x4, p.y4, p.close);
}

// A text without leading and trailing blanks.
inline std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace view_draw
