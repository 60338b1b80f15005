// The ribbon's quick-access buttons in the caption of the main window: one list per frame
// index, the hit test that tells which button the cursor is on, and the painting of the list.
// The first button stands for the window icon: a press on it opens the system menu.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/types.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"

struct caption_button_rec_ {
  std::string key;
  std::string text;  // trimmed; "|" or "-" makes a separator
  std::string tip;
  int16_t icon = 0;  // icon-table id, 0 or less for none
  int16_t width = 0;
  int16_t left = 0;  // from the start of the list
  int16_t right = 0;
  std::string access_key;
};

struct caption_button_list_rec_ {
  int32_t count = 0;
  std::vector<caption_button_rec_> buttons;  // numbered from 1: buttons[0] is button 1
};

// By frame index from 0, grown on demand; not moved when the frame table is compacted.
extern std::vector<caption_button_list_rec_> caption_button_lists_;
// The button under the cursor at the last hit test, 0 for none.
inline int32_t hovered_quick_button_ = 0;

int16_t clear_caption_buttons_(int32_t n);
int16_t add_caption_button_(int32_t n, const std::string& key, const std::string& text, const std::string& tip,
                            int16_t icon, const std::string& access_key);
// Where the list of window n starts, in whole-window pixels.
pixel_point_ quick_button_origin_(int32_t n);
// Hit-tests the cursor against the list of window n (setting hovered_quick_button_) and,
// unless no_paint is -1, paints the list into the caption band image (origin at the window's
// top-left corner).
void draw_caption_quick_buttons_(int32_t n, surface_* band, flag16_ active, flag16_ no_paint);
void paint_quick_button_list_(surface_& band, int32_t x0, int32_t y0, int32_t n, int32_t count, int32_t hovered,
                              int32_t pressed_look);
