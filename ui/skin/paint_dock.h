// Painters of the docking toolbars: the band behind a docked toolbar with its end button, the
// gripper, separators, the floating window frame, and the three kinds of toolbar buttons.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

// Band, end button (size end_size, state 1, 2 or 4) and, with round corners, corner pixels.
void draw_dock_toolbar_body_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t end_size,
                             flag16_ vertical, int32_t unused1, int32_t unused2, int32_t end_state);
// One gripper strip centred across the band: lying (-1) in vertical docks.
void draw_dock_gripper_(dc_& dc, int32_t x, int32_t y, flag16_ lying, flag16_ first_variant_off,
                        flag16_ second_variant);
void draw_dock_separator_v_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h);
void draw_dock_separator_h_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h);
// The whole frame of a floating toolbar: borders e and f, title strip g high, close box s.
void draw_float_toolbar_frame_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view caption,
                               flag16_ menu_bar, int32_t unused, flag16_ close_visible, uint8_t close_state,
                               int32_t close_size, int32_t outer_border, int32_t inner_border, int32_t title_h);

// Plain, fixed-width, text-only and embedded-window buttons. icon_x, icon_y of -1 or less mean
// the rectangle's centre. With frame_only -1 only the background is drawn.
void draw_dock_button_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t icon, std::string_view text,
                       int32_t state, flag16_ checked, flag16_ menu_bar, int32_t icon_x, int32_t icon_y,
                       flag16_ vertical, flag16_ frame_only);
// Buttons with a drop-down arrow: one part, or split (-1) with an arrow part arrow_w wide;
// hot_part 1 main part, 2 arrow part.
void draw_dock_arrow_button_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t icon, std::string_view text,
                             int32_t state, flag16_ checked, flag16_ menu_bar, int32_t icon_x, int32_t icon_y,
                             flag16_ vertical, int32_t arrow_w, int32_t hot_part, flag16_ split);
// Caller-sized drop-down boxes: frame and arrow zone, 2 pixels inside the rectangle.
void draw_dock_custom_button_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text,
                              int32_t state, flag16_ vertical);

// The colour of the pixel arrows: a quarter of the skin's background colour.
int32_t dock_arrow_color_();
