// Shared between the read and the write of the properties by number.
#pragma once
#include <cstdint>
#include <vector>

#include "engine/model/store_state.h"

struct prop_vertices_ {
  int32_t* count;
  std::vector<float>* x;
  std::vector<float>* y;
};
prop_vertices_ prop_vertices_of_(object_tables_& t, const object_rec_& o);

inline constexpr float prop_pi_ = 3.1415927f;
inline constexpr double prop_deg_ = 180.0 / static_cast<double>(prop_pi_);
// The dimension-style property that numbers 200 to 240 address (-1 for the name).
inline constexpr int32_t prop_style_of_[41] = {-1, 0,  1,  2,  3,  4,  11, 9,  10, 16, 17, 23, 26, 25,
                                               24, 29, 28, 30, 31, 27, 33, 34, 35, 36, 37, 38, 39, 20,
                                               42, 43, 44, 45, 46, 21, 22, 49, 50, 53, 54, 51, 52};
// Keeps the current vertex within 1..|count|.
inline int32_t prop_vertex_clamp_(int32_t& vertex, int32_t count) {
  const int32_t n = count < 0 ? -count : count;
  if (vertex > n) vertex = n;
  if (vertex < 1) vertex = 1;
  return vertex;
}
inline bool prop_slot_ok_(const std::vector<float>& xs, int32_t v) {
  return v >= 1 && static_cast<size_t>(v) < xs.size();
}
// The own style copy of a dimension, angular dimension or reference; nullptr otherwise.
inline dimstyle_rec_* prop_style_copy_(object_tables_& t, const object_rec_& o) {
  const size_t ix = static_cast<size_t>(o.index);
  switch (o.type) {
    case ot_dimension_: return &t.dimensions[ix].style;
    case ot_angular_dim_: return &t.angular_dims[ix].style;
    case ot_reference_: return &t.references[ix].style;
    default: return nullptr;
  }
}
inline constexpr float prop_two_pi_ = 6.2831855f;
