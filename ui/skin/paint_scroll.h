// The skinned scroll bars: one algorithm along either axis. Besides drawing, the painter tells
// which part a press hits, turns a thumb drag into a value and reports where the thumb centre is.
#pragma once
#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

class window_;

// 0 nothing, 1 first arrow, 2 thumb, 3 second arrow, 4 track before the thumb, 5 track after it.
using scroll_part_code_ = int32_t;

// Horizontal bar (arrows left and right) from the lying box sets.
scroll_part_code_ draw_skin_box_scroll_(flag16_ list_style, window_* hwnd, dc_& hdc, int32_t x, int32_t y,
                                        int32_t width, int32_t height, int32_t value_min, int32_t value_max,
                                        int32_t value, int32_t thumb_length, int32_t mouse_x, int32_t mouse_y,
                                        flag16_ pressed, flag16_ hot, scroll_part_code_ pressed_part,
                                        int32_t& new_value, int32_t& thumb_centre);
// Vertical bar (arrows top and bottom) from the upright box sets.
scroll_part_code_ draw_skin_box_(flag16_ list_style, window_* hwnd, dc_& hdc, int32_t x, int32_t y, int32_t width,
                                 int32_t height, int32_t value_min, int32_t value_max, int32_t value,
                                 int32_t thumb_length, int32_t mouse_x, int32_t mouse_y, flag16_ pressed,
                                 flag16_ hot, scroll_part_code_ pressed_part, int32_t& new_value,
                                 int32_t& thumb_centre);
