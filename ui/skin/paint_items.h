// Painters of button-like items (ribbon buttons, panel items, list rows) and of rows of joined
// segment buttons.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

// Item types: 1 row highlight or plain button, 2 drop-down button, 3 split button, 4 framed
// field with an arrow part, 5 segmented group (caption is the segment code), 6 separator.
// States: 0 normal, 1 hover, 2 pressed, -1 highlighted. Heights above 33 take the large
// frames, 33 or more the large caption layout.
struct item_button_args_ {
  int32_t x = 0, y = 0, w = 0, h = 0;
  int32_t item_type = 1;
  std::string_view caption;
  int32_t split_low_h = 0;
  int32_t seg_w_b = 0, seg_w_c = 0;
  int16_t state = 0;
  int32_t icon = 0;
  flag16_ enabled = true_;
  flag16_ checked = 0;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ seg_pressed = 0;
};
void draw_item_button_(int32_t unused, dc_& hdc, const item_button_args_& a);

// A row of joined buttons: "b"/"B" plain segments, "c"/"C" split segments (upper case checked);
// any other character draws nothing but counts in the icon numbering.
void draw_button_segments_(dc_& hdc, int32_t x, int32_t y, int32_t h, int32_t seg_w_b, int32_t seg_w_c,
                           std::string_view codes, int32_t first_icon, int32_t mouse_x, int32_t mouse_y,
                           flag16_ pressed);

// The two caption lines of a large item: broken at the first space, underscores shown as
// spaces, each line trimmed; a caption without a space stays one line as it is.
std::string large_item_caption_(std::string_view caption);
