// State of picking, cursor conversion and the tracking-line display.
#pragma once
#include <array>
#include <cstdint>

#include "platform/core/types.h"

// Hits of the last collecting pick, entries 1..32; the count may read 33 when the pick
// stopped at a 33rd distinct record.
inline constexpr int32_t pick_hits_max_ = 32;
struct pick_hit_list_rec_ {
  std::array<int32_t, pick_hits_max_ + 1> hits{};
  int32_t count = 0;
};

struct pick_state_ {
  pick_hit_list_rec_ hit_list;
  // Cursor conversion: all in drawing units without the origin offset.
  float cursor_x = 0, cursor_y = 0;
  flag16_ locked = false_;
  float lock_x = 0, lock_y = 0;
  float lock_given_x = 0, lock_given_y = 0;  // as handed in, origin offset included
  float ref_x = 0, ref_y = 0;  // the last point taken, for 45-degree and tracking snaps
  // Tracking lines on screen: pixel position, -99 while not shown.
  flag16_ vline_shown = false_, hline_shown = false_;
  float vline_x = -99, hline_y = -99;
};
