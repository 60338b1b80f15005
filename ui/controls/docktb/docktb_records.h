// Records of the docking toolbar control: tool windows and their button slots, the one button
// store with its menu items, the window list, the rows of the dock areas and the layout file.
// Tables are numbered from 1; index 0 of each stays unused (all zero).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/types.h"

inline constexpr int32_t dock_toolbar_limit_ = 64;  // tool windows, ids 1..64
inline constexpr int32_t dock_slot_limit_ = 64;     // button slots per tool window
inline constexpr int32_t dock_button_limit_ = 1024; // button store ids 1..1024
inline constexpr int32_t dock_row_limit_ = 255;     // rows per dock area

// Where a tool window lies; any value outside 1..4 means floating.
using dock_area_code_ = int32_t;
inline constexpr dock_area_code_ dock_floating_ = 0, dock_top_ = 1, dock_bottom_ = 2,
                                 dock_left_ = 3, dock_right_ = 4;
inline bool dock_is_docked_(dock_area_code_ a) { return a >= 1 && a <= 4; }
inline bool dock_is_vertical_(dock_area_code_ a) { return a == dock_left_ || a == dock_right_; }
inline bool dock_is_horizontal_(dock_area_code_ a) { return a == dock_top_ || a == dock_bottom_; }

// 0, 1 plain; 2 drop-down; 3 split; 4 fixed length; 5 text only (menu titles); 6 text box;
// 7 embedded window.
using dock_button_type_code_ = int32_t;
inline constexpr dock_button_type_code_ dock_btn_plain_ = 1, dock_btn_dropdown_ = 2,
                                        dock_btn_split_ = 3, dock_btn_fixed_ = 4,
                                        dock_btn_title_ = 5, dock_btn_textbox_ = 6,
                                        dock_btn_embedded_ = 7;

// A menu row of this control: the shared item fields plus owner drawing, the row's rectangle in
// its menu window and one level of sub-items (sub-items leave `subs` empty).
struct dock_menu_item_rec_ {
  int32_t icon = 0;
  std::string key;       // trimmed, upper-cased
  std::string text;      // trimmed; "-" is a separator
  std::string shortcut;  // trimmed
  flag16_ bold = 0;
  flag16_ check = 0;
  flag16_ visible = 0;
  flag16_ customdraw = 0;
  flag16_ customtext = 0;
  int32_t value = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;
  std::vector<dock_menu_item_rec_> subs;  // sub-item n at index n - 1
};

struct dock_button_slot_rec_ {
  int32_t button_id = 0;  // 0: an empty slot
  flag16_ separator = 0;  // -1: a separator before this slot
  std::string text;
  int32_t x = 0, y = 0, width = 0, height = 0;  // recomputed by every slot walk
  flag16_ visible = 0;
};

struct dock_toolbar_rec_ {
  int32_t window = 0;  // index of its tool window, 0 until first shown
  std::string title;
  int32_t posx = 0, posy = 0;
  dock_area_code_ dock = 0;
  int32_t row = 0;
  flag16_ menu = 0;   // -1: a menu bar
  int32_t snap = 0;   // 0 any area, 1 top and bottom, 2 left and right
  flag16_ close = 0;  // -1: the floating window shows a close box
  std::array<dock_button_slot_rec_, dock_slot_limit_ + 1> slots{};  // 1..64
  int32_t slot_count = 0;
  flag16_ cursor_inside = 0;
};

struct dock_button_rec_ {
  std::string tip;
  int32_t icon = 0;
  std::string key;   // the button's identity, trimmed and upper-cased
  std::string key2;
  flag16_ check = 0;
  dock_button_type_code_ type = 0;
  int16_t spare = 0;
  flag16_ cdraw = 0;
  flag16_ show_text = 0;
  int32_t cwidth = 0;
  int32_t csize = 0;
  std::vector<dock_menu_item_rec_> items;  // item n at index n - 1
  int32_t xc_hwnd = 0;  // embedded window (type 7)
};

// One shown tool window: where it lies and how big it is.
struct dock_window_rec_ {
  dock_area_code_ dock = 0;
  int32_t row = 0;
  int32_t x = 0, y = 0;
  int32_t centre_x = 0, centre_y = 0;  // round(x + cx / 2), halves to even
  int32_t cx = 0, cy = 0;
  int32_t toolbar_id = 0;
  int32_t hwnd = 0;
  flag16_ menu = 0;
  friend bool operator==(const dock_window_rec_&, const dock_window_rec_&) = default;
};

struct dock_row_rec_ {
  int32_t position = 0;   // across the area: the thicknesses of the rows before it
  int32_t thickness = 0;  // the largest cross size of its windows
  friend bool operator==(const dock_row_rec_&, const dock_row_rec_&) = default;
};

// A hit on a tool window: toolbar (-t on the end button), slot (-t on the end button, 0 none),
// part (1 main, 2 arrow of types 2 and 3, else 0), the slot's rectangle, the caret index.
struct dock_hit_rec_ {
  int32_t toolbar = 0, slot = 0, part = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;
  int32_t caret = 0;
};

// Rows of the four areas. Entry 256 stays zero so that position sums may read one past the
// last row; rows 1..255 are real.
struct dock_rows_rec_ {
  std::array<int32_t, 5> count{};  // areas 1..4
  std::array<std::array<dock_row_rec_, dock_row_limit_ + 2>, 5> table{};
  friend bool operator==(const dock_rows_rec_&, const dock_rows_rec_&) = default;
};

// What the layout file keeps of one tool window id.
struct toolbar_layout_slot_rec_ {
  int32_t slot_count = 0;
  std::array<int16_t, dock_slot_limit_> visible{};  // slots 1..64
  dock_area_code_ dock = 0;
  int32_t posx = 0, posy = 0;
  int32_t row = 0;
  dock_window_rec_ window;
};

// The layout file "xtoolbars2_.ini": rows of the four areas and one record per tool window id.
struct toolbar_layout_file_rec_ {
  dock_rows_rec_ rows;
  std::array<toolbar_layout_slot_rec_, dock_toolbar_limit_ + 1> toolbars{};  // 1..64
};
inline constexpr size_t toolbar_layout_file_size_ = 16 + 8160 + 64 * 190;  // 20,336 bytes
