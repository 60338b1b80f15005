// Painters of the simple controls: tabs, push-button faces, edit and drop-down boxes, check and
// option glyphs, progress bars and the status bar with its zoom slider.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

class window_;

// Tab strip: a tab in the first style (2 hover, 4 active, else plain), the separator between
// tabs, and a tab of the second style standing on the strip's base line (1 to 4).
void draw_tab_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view caption, int32_t icon,
               int32_t state);
// A tab with an icon centres icon and caption together: the caption box runs from caption_left
// to caption_right, the 16-pixel icon starts at icon_left.
struct tab_icon_layout_ {
  int32_t caption_left, caption_right, icon_left;
};
tab_icon_layout_ tab_icon_layout_of_(int32_t x, int32_t w, int32_t caption_width);
void draw_tab_separator_(dc_& dc, int32_t x, int32_t y, int32_t h);
void draw_tab_baseline_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t state);

// Push-button face over the whole window (states 1, 2, 4); a null window takes the surface.
void draw_button_skin_(window_* hwnd, dc_& dc, int32_t state);
// The same face over any rectangle (the calendar's day cells); the first argument is unused.
void draw_button_skin_rect_(window_* unused, dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t state);

// Edit and drop-down boxes: frame with its arrow column, text, and a colour swatch or icon in a
// left area of left_w pixels. An enabled box's text is in text_colour, or the system's text
// colour when it is -1.
void draw_edit_box_window_(window_* hwnd, dc_& dc, std::string_view text, flag16_ enabled, int32_t left_w,
                           int32_t swatch, int32_t icon, int32_t state);
void draw_edit_box_(window_* hwnd, dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text,
                    flag16_ enabled, int32_t left_w, int32_t swatch, int32_t icon, int32_t state,
                    flag16_ text_only, int32_t extra_indent, flag16_ frame_off, int32_t text_colour = -1);

// Check and option glyphs for glyph states 0..5, with the focus outline when focus is -1.
void draw_check_glyph_(dc_& dc, int32_t x, int32_t y, int32_t state, flag16_ focus);
void draw_option_glyph_(dc_& dc, int32_t x, int32_t y, int32_t state, flag16_ focus);

// Progress bar of the window's client width (at most the fill set's width), value in percent.
void draw_progress_bar_(window_* hwnd, dc_& dc, int32_t value);

// What draw_status_bar_ reports: 0 nothing, -1 size grip, 1 left slider button pressed,
// 2 right button pressed, 3 thumb pressed.
struct status_bar_args_ {
  std::string_view text;
  int32_t progress = -1;         // below 0 none
  flag16_ zoom_slider = true_;
  std::string_view zoom_text;
  int32_t zoom_min = 0, zoom_max = 0, zoom_value = 0;
  int32_t captured = 0;          // 0 none, 1 left button, 2 right button, 3 thumb
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ mouse_down = 0;
  flag16_ no_grip = 0;
};
// Paints the status bar over the window's client area (null: the surface) and tests the
// mouse; writes the zoom value under a dragged thumb and the zoom area's left edge.
int32_t draw_status_bar_(window_* hwnd, dc_& dc, const status_bar_args_& a, int32_t& new_zoom, int32_t& zoom_left);
int32_t draw_status_separator_(dc_& dc, int32_t x, int32_t y, int32_t unused, int32_t h);
int32_t draw_status_background_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h);
