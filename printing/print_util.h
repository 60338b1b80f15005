// Helpers shared by the printers of each kind. Internal to printing/.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/zaz_class.h"

// The print transform: drawing units to paper millimetres from the sheet's lower-left corner.
struct print_map_ {
  float x0 = 0, y0 = 0, k = 1;
  gp_point_ operator()(float x, float y) const {
    return {f32_((double(x) - x0) * k), f32_((double(y) - y0) * k)};
  }
};

// A program colour as an opaque graphics colour.
inline uint32_t print_opaque_(int32_t colour) { return gp_colour_(uint32_t(colour), 255); }

inline gp_dash_ print_dash_(int32_t style) {
  return style >= 0 && style <= 4 ? gp_dash_(style) : gp_dash_::solid_;
}

// Paper millimetres of a width id; ids outside the table print at the thinnest line.
inline float print_width_mm_(const zaz_class_& e, int32_t id) {
  const float w = e.line_width_(id);
  return std::isfinite(w) && w > 0 ? w : 0.0f;
}

// Points of an arc, circle or ellipse at a fixed angular step: a = a1, a1 + step, ... while
// a <= a2 (single precision), then a2 itself when `close_at_end`. Each point goes through
// `place` (drawing units in, paper out). A sweep that would not end is cut short.
template <class Place>
void print_arc_points_(float a1, float a2, float step, bool close_at_end, Place place,
                       std::vector<gp_point_>& out) {
  out.clear();
  if (!std::isfinite(a1) || !std::isfinite(a2)) return;
  constexpr size_t max_points = 1000000;
  float a = a1;
  while (a <= a2 && out.size() < max_points) {
    out.push_back(place(a));
    const float next = f32_(double(a) + step);
    if (!(next > a)) break;
    a = next;
  }
  if (close_at_end) out.push_back(place(a2));
}

bool print_finite_(const gp_point_& p);
