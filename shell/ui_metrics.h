// The interface's fixed pixel sizes, chosen once at start for the screen's resolution, and the
// layout every dialog makes of its client panel and its bottom button band.
#pragma once
#include <cstdint>

#include "platform/core/types.h"
#include "platform/window/window.h"

// Set once by init_ui_metrics_ and only read afterwards. Values for about 96 DPI, or for larger
// resolutions, as the comment on each field says (96 / larger).
struct ui_metrics_rec_ {
  int32_t ribbon_top_row_h_ = 24;      // 24 / 30  ribbon's application button and tab row
  int32_t app_button_w_ = 55;          // 55 / 65  ribbon application button
  int32_t key_tip_min_w_ = 17;         // 17 / 20  smallest key-tip badge width
  int32_t item_caption_min_w_ = 24;    // 24 / 28  icon area of a small ribbon button
  int32_t small_row_h_ = 22;           // 22 / 27  one small-button row of a ribbon toolbar
  int32_t large_button_h_ = 66;        // 66 / 81  large ribbon button, toolbar body
  int32_t group_caption_h_ = 13;       // 13 / 17  ribbon group caption band
  int32_t split_drop_h_ = 29;          // 29 / 38  drop part of a large split button
  int32_t launcher_inset_ = 0;         //  0 /  2  dialog-launcher glyph inset
  int32_t row1_top_ = 7;               //  7 / 10  first small row of a ribbon toolbar
  int32_t row2_top_ = 36;              // 36 / 47  second small row
  int32_t group_button_w_ = 22;        // 22 / 28  "B" segment of a button group
  int32_t group_combo_w_ = 34;         // 34 / 40  "C" segment of a button group
  int32_t ribbon_base_h_ = 117;        // 117 / 142 ribbon height without the frame's top inset
  int32_t quick_button_h_ = 20;        // 20 / 24  caption quick-access button
  int32_t drop_zone_w_ = 16;           // 16 / 16  arrow zone of combo and date boxes
  int32_t list_row_h_ = 23;            // 23 / 26  list row
  int32_t big_item_h_ = 41;            // 41 / 45  big ribbon popup item
  int32_t menu_row_h_ = 25;            // 25 / 28  menu row; width of the shortcut column
  int32_t big_menu_row_h_ = 44;        // 44 / 48  big row of ribbon menus
  friend bool operator==(const ui_metrics_rec_&, const ui_metrics_rec_&) = default;
};

// The one instance; holds the 96-DPI column until init_ui_metrics_ runs.
extern ui_metrics_rec_ ui_metrics_;

// The metrics for a screen with this many twips per pixel vertically: above 13 (15 at 96 DPI)
// the 96-DPI column, else the larger one.
ui_metrics_rec_ ui_metrics_for_twips_(float twips_per_pixel_y);
// Fills ui_metrics_ from the screen. The frame module checks shadow support after it.
void init_ui_metrics_();

// Places a dialog's client panel above its button band (50 pixels, 40 with short_band -1),
// 25 pixels lower with below_top -1, at its own client width with keep_width -1. A panel
// handle of 0 moves nothing. Handles that name no window are ignored.
void layout_dialog_client_(window_handle_ dialog, window_handle_ panel, flag16_ below_top, flag16_ short_band,
                           flag16_ keep_width);
// Places up to four buttons (0 for a missing one), left to right, on the centre line of the
// button band: align 0 from the left, 1 from the right; any other align places nothing.
void layout_dialog_buttons_(window_handle_ dialog, window_handle_ button1, window_handle_ button2,
                            window_handle_ button3, window_handle_ button4, uint8_t align, flag16_ short_band);

// The layout maths on plain sizes, shared by the two operations above.
struct dialog_band_rec_ {
  int32_t gap = 12;  // between buttons; half of it at the band's ends
  int32_t lift = 0;  // raises the band's centre line by half of it
};
struct dialog_place_rec_ {
  int32_t x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const dialog_place_rec_&, const dialog_place_rec_&) = default;
};
// Where the panel goes in a client of client_w x client_h (the height may come out negative
// for a client lower than the band; windows take it as 0).
dialog_place_rec_ dialog_panel_place_(int32_t client_w, int32_t client_h, flag16_ below_top, flag16_ short_band);
// Top-left corners of the buttons of sizes w[i] x h[i] (a width below 0 marks a missing button,
// left where it is) in a client of client_w x client_h. False for an align other than 0 or 1.
bool dialog_button_spots_(int32_t client_w, int32_t client_h, const int32_t w[4], const int32_t h[4], uint8_t align,
                          flag16_ short_band, const dialog_band_rec_& band, pixel_point_ out[4]);
