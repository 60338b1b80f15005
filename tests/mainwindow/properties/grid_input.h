// The user's road into the side panel's property grid: a press on a row and typing into the
// value box, shared by the tests over a small host and over the real main window.
#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "engine/zaz_class.h"
#include "platform/input/key_codes.h"
#include "ui/controls/xc_fixture.h"

// A point in the caption part of the row with this key, after a rebuild. A press there opens
// the editor over the value part, so the release does not land in the editor.
inline bool grid_row_point_(zaz_class_& e, const char* key, int32_t& x, int32_t& y) {
  std::string k = key;
  for (char& ch : k) ch = char(std::tolower(static_cast<unsigned char>(ch)));
  for (int32_t i = 1; i <= e.edit_item_count_(); ++i)
    if (e.edit_item_(i)->key == k) {
      x = e.edit_item_(i)->left + 50, y = e.edit_item_(i)->top + 10;
      return true;
    }
  return false;
}

inline void press_grid_row_(zaz_class_& e, window_& panel, const char* key, int32_t button = button_left_) {
  int32_t x = 0, y = 0;
  ASSERT_TRUE(grid_row_point_(e, key, x, y)) << key;
  press_at_(panel, x, y, button);
  release_at_(panel, x, y, button);
  do_events_();
}

// Gives the box the keyboard focus, selects its text as a user would (Home, Shift+End), types
// over it and presses Enter.
inline void type_enter_(window_& form, window_& box, const std::string& text) {
  for (int i = 0; i < 50 && focused_window_() != &box; ++i) {
    form.activate_();
    box.set_focus_();
    do_events_();
  }
  inject_key_(key_type_::down, key_home_);
  inject_key_(key_type_::up, key_home_);
  inject_key_(key_type_::down, key_end_, mod_shift_);
  inject_key_(key_type_::up, key_end_, mod_shift_);
  for (char ch : text) {
    int32_t code = std::isalpha(static_cast<unsigned char>(ch)) ? std::toupper(ch) : ch;
    if (ch == '.') code = 0xBE;
    if (ch == '-') code = 0xBD;
    inject_key_(key_type_::down, code, 0, uint32_t(ch));
    inject_key_(key_type_::up, code);
  }
  inject_key_(key_type_::down, key_return_, 0, '\r');
  inject_key_(key_type_::up, key_return_);
  do_events_();
}
