// One view per page number 0..255, and the size of the window the engine paints into.
#pragma once
#include "engine/model/records.h"

struct view_state_ {
  std::array<view_rec_, views_count_> views{};
  // Client area of the drawing window in pixels, 0 before a window is handed over;
  // set by the display code when it is given a window.
  int32_t window_width = 0, window_height = 0;
};
