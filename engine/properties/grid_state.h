// State of the property grid: the groups and rows the main window adds, their layout, the
// clicked row, the vertex the vertex properties address, and the code tables the painter
// shows coded values with. Lives only in memory; nothing of it is saved or undone.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/core/types.h"

class dc_;

struct edit_group_rec_ {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  std::string key;      // trimmed, lower case
  std::string caption;  // trimmed
  int16_t collapsed = 0;
};

struct edit_item_rec_ {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t group = 0;
  std::string key;      // trimmed, lower case
  std::string caption;  // trimmed
  int32_t type = 0;     // edit_row_type_code_
  std::string value;    // as given
};

struct edit_choice_rec_ {
  std::string text;
  int32_t icon = 0;  // shared icon table id, 0 none
};

inline constexpr int32_t edit_groups_max_ = 64;
inline constexpr int32_t edit_items_max_ = 256;
inline constexpr int32_t edit_code_limit_ = 255;  // value tables hold codes -255..255
inline constexpr int32_t edit_arrows_ = 21;

struct edit_grid_state_ {
  int32_t x = 0, y = 0, w = 0, h = 0;
  int32_t c0 = 0, c1 = 0, c2 = 0, c3 = 0, ct0 = 0, ct1 = 0, csel = 0;
  std::array<edit_group_rec_, edit_groups_max_ + 1> groups{};  // 1..count
  std::array<edit_item_rec_, edit_items_max_ + 1> items{};     // 1..count
  int32_t group_count = 0, item_count = 0;
  int32_t selected = 0;
  edit_item_rec_ current;
  int32_t vertex = 0;
  std::array<edit_choice_rec_, 2 * edit_code_limit_ + 1> colors{}, styles{}, widths{};
  std::array<int32_t, edit_arrows_> arrow1{}, arrow2{};
  // Draws icon `id` 16 pixels wide centred at (x, y); the host installs the skin's painter
  // (the engine keeps no pictures). Without one, icons are left out.
  std::function<void(dc_&, int32_t x, int32_t y, int32_t id)> icon_painter;
};
