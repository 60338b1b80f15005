// The ribbon's tables: one record per tab, toolbar, control, application-menu item,
// quick-access button, special button and list item. Ids start at 1; element 0 is never used.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/types.h"

// Table capacities (ids 1..capacity).
inline constexpr int16_t ribbon_max_mainmenu_items_ = 32;
inline constexpr int16_t ribbon_max_popup_items_ = 1024;
inline constexpr int16_t ribbon_max_list_items_ = 1024;
inline constexpr int16_t ribbon_max_quick_buttons_ = 32;
inline constexpr int16_t ribbon_max_special_buttons_ = 32;
inline constexpr int16_t ribbon_max_tabs_ = 32;
inline constexpr int16_t ribbon_max_toolbars_ = 256;
inline constexpr int16_t ribbon_max_controls_ = 1024;
// Owner ids of popup and list items lie in -max..max.
inline constexpr int32_t ribbon_max_owner_id_ = 1024;

// ribbon_control_type_code_
inline constexpr int32_t ribbon_plain_button_ = 1;
inline constexpr int32_t ribbon_dropdown_button_ = 2;
inline constexpr int32_t ribbon_split_button_ = 3;
inline constexpr int32_t ribbon_combo_ = 4;
inline constexpr int32_t ribbon_group_ = 5;
inline constexpr int32_t ribbon_separator_ = 6;

// ribbon_button_size_code_: 1 large, 3 small with its icon only, anything else small with caption.
inline constexpr int32_t ribbon_size_large_ = 1;
inline constexpr int32_t ribbon_size_small_ = 2;
inline constexpr int32_t ribbon_size_icon_only_ = 3;

// toolbar_fit_state_code_ (0 until the first fit that includes the toolbar).
inline constexpr int32_t toolbar_standard_ = 1;
inline constexpr int32_t toolbar_minimal_ = 2;
inline constexpr int32_t toolbar_collapsed_ = 3;

// hot_element_code_
inline constexpr int32_t hot_none_ = 0;
inline constexpr int32_t hot_tab_ = 3;
inline constexpr int32_t hot_control_ = 4;

// dropdown_mode_code_
inline constexpr int32_t dropdown_none_ = 0;  // also a collapsed toolbar shown
inline constexpr int32_t dropdown_main_menu_ = 1;
inline constexpr int32_t dropdown_popup_ = 2;
inline constexpr int32_t dropdown_list_ = 3;

struct ribbon_tab_rec_ {
  std::string key;
  std::string text;
  int32_t layout_width = 0;  // caption width + 24
  int32_t left = 0;          // rewritten by every bar layout
  int32_t right = 0;
  std::string tooltip;
  std::string shortcut;
  std::string alt_key;
  int32_t extra_color = 0;  // stored only
};

struct ribbon_toolbar_rec_ {
  int32_t tab_id = 0;  // not checked against the tab table
  std::string key;
  std::string text;
  flag16_ corner_button = false_;  // has a dialog launcher
  std::string shortcut;            // kept only with a corner button
  int32_t std_width = 0;
  int32_t min_width = 0;
  int32_t collapsed_width = 0;
  int32_t left = 0;  // rewritten by every bar layout
  int32_t right = 0;
  int32_t fit_state = 0;  // toolbar_fit_state_code_
  flag16_ visible = false_;
};

// A control's rectangle in one layout, relative to its toolbar's control area.
struct ribbon_rect_ {
  int32_t x = 0, y = 0, w = 0, h = 0;
  int32_t right() const { return x + w; }
  friend bool operator==(const ribbon_rect_&, const ribbon_rect_&) = default;
};

struct ribbon_control_rec_ {
  int32_t toolbar_id = 0;
  flag16_ enabled = false_;
  flag16_ checked = false_;
  flag16_ key_tip_pressed = false_;  // -1 while a key tip raises the control's event
  std::string shortcut;              // as passed
  std::string key;                   // trimmed; the key of ButtonClick
  std::string key2;                  // second key, the key when added
  std::string text;                  // trimmed caption; a group control's cell letters
  std::string tooltip;               // as passed
  int32_t type = 0;                  // ribbon_control_type_code_
  int32_t icon = 0;                  // 0 or less: none
  ribbon_rect_ std_rect;
  ribbon_rect_ min_rect;
  std::string alt_key;  // as passed
  flag16_ user_draw = false_;
};

struct ribbon_mainmenu_item_rec_ {
  std::string key;
  std::string text;  // "-" a separator
  int32_t icon = 0;
  std::string shortcut;
  flag16_ visible = false_;
  std::string alt_key;
  int32_t height = 0;  // 38, 5 for a separator
};

struct ribbon_quick_button_rec_ {
  std::string key, text, tooltip;
  int32_t icon = 0;
  flag16_ key_tip_pressed = false_;
  std::string alt_key;
};

// Stored with their sizes; the ribbon neither shows nor presses them.
struct ribbon_special_button_rec_ {
  std::string key, text, tooltip;
  int32_t icon = 0;
  int32_t width = 0, left = 0, right = 0;
  std::string alt_key;
};

// Stored only: the ribbon's drop lists are made of popup items.
struct ribbon_list_item_rec_ {
  int32_t owner_id = 0;
  std::string key, text;
  int32_t icon = 0;
  flag16_ checked = false_;
  flag16_ bold = false_;
  std::string alt_key;
  int32_t height = 0;
};
