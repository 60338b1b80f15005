// Working state of the geometric calculations.
#pragma once
#include "engine/model/records.h"

inline constexpr int32_t offset_slots_ = 10001;  // entries 0..10000

struct geometry_state_ {
  // Parallel offset: callers place points 1..offset_count_ in offset_points_;
  // entry 0 and entry offset_count_ + 1 are working entries.
  std::vector<vertex_rec_> offset_points_ = std::vector<vertex_rec_>(offset_slots_);
  std::vector<vertex_rec_> offset_result_ = std::vector<vertex_rec_>(offset_slots_);
  int32_t offset_count_ = 0;
  // Sine and cosine of the negated angle of the latest rotation.
  float rot_sin_ = 0, rot_cos_ = 0;
};
