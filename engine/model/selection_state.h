// Selection frame handles, the drawing-wide display switches and the last extents.
#pragma once
#include <array>
#include <cstdint>

#include "platform/core/types.h"

struct handle_rect_ {
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // window pixels, edges included
};

struct selection_state_ {
  // Handles 1..9 of the last painted selection frame (slot 0 unused); the frame painter
  // stores them, the handle hit test reads them.
  std::array<handle_rect_, 10> handles{};
  flag16_ attrib_color = true_;  // -1: objects show their own colours
  flag16_ attrib_style = true_;  // -1: their own line styles
  flag16_ attrib_width = true_;  // -1: their own line widths
  int32_t backcolor = 0;         // 0x00BBGGRR
};

struct extents_state_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // result of the last extents calculation
};
