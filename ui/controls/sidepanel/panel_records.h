// Records of the side panel: groups, items of seven kinds, drop-list rows and named snapshots.
// Tables are numbered from 1; an id is a position, so reordering renumbers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/types.h"
#include "ui/controls/menu_item.h"

inline constexpr int32_t panel_group_limit_ = 16;
inline constexpr int32_t panel_item_limit_ = 256;
inline constexpr int32_t panel_list_item_limit_ = 1024;

// What an item is and how it looks and answers the mouse.
using panel_item_kind_code_ = int32_t;
inline constexpr panel_item_kind_code_ panel_label_ = 0;
inline constexpr panel_item_kind_code_ panel_checked_field_ = 1;  // check box beside a text field
inline constexpr panel_item_kind_code_ panel_button_ = 2;
inline constexpr panel_item_kind_code_ panel_check_box_ = 3;
inline constexpr panel_item_kind_code_ panel_combo_ = 4;
inline constexpr panel_item_kind_code_ panel_text_field_ = 5;    // text field below a title
inline constexpr panel_item_kind_code_ panel_header_band_ = 6;

struct panel_group_rec_ {
  std::string key;    // as passed, never trimmed
  std::string title;  // a blank title gives the group no title band
  int32_t bottom = 0;       // largest py + sy + exheight of its items, group coordinates
  int32_t content_top = 0;  // panel y of the group's content, set by every painting
  flag16_ expanded = 0;     // kept as passed; groups never collapse
  int32_t last_bottom = 0;  // py + sy of the item added last
};

struct panel_item_rec_ {
  int32_t group_id = 0;
  std::string key;  // as passed, never trimmed
  flag16_ checked = 0;
  panel_item_kind_code_ kind = panel_label_;
  std::string title;
  std::string text;  // value of a text field
  flag16_ enabled = true_;
  int32_t px = 0, py = 0, sx = 0, sy = 0;  // inside the group's content
  int32_t painted_x = 0, painted_y = 0, painted_w = 0, painted_h = 0;  // panel pixels, by painting
  int32_t field_l = 0, field_t = 0, field_w = 0, field_h = 0;         // text field, kinds 1 and 5
  int32_t margin = 0;
  int32_t bottom_margin = 0;  // kept; not used by the panel
  int32_t combo_value = 0;    // selected drop-list row of a combo, 0 none
  int32_t icon = 0;           // shared icon table number (buttons)
  flag16_ nosave = 0;         // -1: a snapshot's copy is never restored
  std::string tooltip;
};

// A drop-list row: the shared menu row with the combo that owns it and a swatch colour. Here
// `icon` is a table icon number drawn when above 0, `enabled` the state flag (-1 at creation)
// and `y` the row's top in the table of all combos.
struct panel_list_item_rec_ : menu_item_rec_ {
  std::string owner_key;  // trimmed key of the combo item
  int32_t colour = -1;    // swatch 0x00BBGGRR drawn when 0 or more
};

struct panel_snapshot_rec_ {
  std::string name;  // compared exactly
  int32_t item_count = 0;
  std::vector<panel_item_rec_> items;  // copies of items 1..item_count
};
