// Painters of the ribbon's frame parts: application button, tabs, body and bands, group frames
// with their launcher, key tips, the application menu's frame and buttons, separator lines and
// one glyph; and the sprite sizes the ribbon's layout needs.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

class window_;

void draw_ribbon_menu_button_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view caption,
                              int32_t state);
// Tab states 0-4 (0 the caption only); first_style -1 picks the first sprite members.
void draw_ribbon_tab_(window_* hwnd, dc_& hdc, int32_t x, int32_t w, int32_t h, uint8_t state,
                      std::string_view caption, int32_t y, flag16_ first_style);
// The tab-panel body over the window's client width from top to its bottom (null window: the
// surface).
void draw_ribbon_body_(window_* hwnd, dc_& hdc, int32_t unused, int32_t header_h, int32_t top, flag16_ first_style);
void draw_ribbon_band_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, flag16_ first_style);
void draw_header_band_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, flag16_ first_band);

// A group frame in states 0-4 with caption and, in states 0 and 1, the dialog launcher.
struct ribbon_group_args_ {
  int32_t group_id = 0;
  int32_t x = 0, y = 0, w = 0, h = 0;
  std::string_view caption;
  int32_t caption_h = 0;
  int32_t launcher_margin = 0;
  uint8_t state = 0;
  flag16_ show_launcher = 0;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ mouse_down = 0;
  int32_t hot_control = 0;    // nonzero while a ribbon control is under the mouse
  int32_t hot_group = 0;      // group under the mouse, 0 none
  int32_t pressed_group = 0;  // group whose launcher was pressed, 0 none
  int32_t top_offset = 0;
  flag16_ narrow_right = 0;
};
void draw_ribbon_group_(window_* hwnd, dc_& hdc, const ribbon_group_args_& a);

// Launcher size and the drop-part sizes of split buttons, from the skin.
void get_ribbon_metrics_(int32_t& launcher_w, int32_t& launcher_h, int32_t& split_drop_w, int32_t& split_drop_h);

void draw_key_tip_(dc_& hdc, int32_t cx, int32_t cy, std::string_view text);

// Insets of the application menu's drop-down, filled by draw_main_menu_frame_.
struct app_menu_insets_rec_ {
  int32_t left = 0, right = 0, top = 0, bottom = 0;
  int32_t button_min_w = 0, button_h = 0;
};
// With a null dc only the insets are filled.
void draw_main_menu_frame_(int32_t unused, dc_* hdc, int32_t x, int32_t y, int32_t w, int32_t h,
                           app_menu_insets_rec_& insets, std::string_view caption_1, std::string_view caption_2,
                           int32_t hover, int32_t unused2);

// At most three sprite widths of separator line from x1; the clip becomes the window's client
// area (null window: the whole surface).
void draw_separator_line_(window_* hwnd, dc_& hdc, int32_t x1, int32_t y, int32_t x2);
void draw_ribbon_glyph_(dc_& hdc, int32_t x, int32_t y, flag16_ centred);
