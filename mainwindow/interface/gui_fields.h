// What the command-surface builders leave in the main window: the icon numbers of the variant
// items of split and drop-down buttons, the places the tool-button refresh rebuilds, and the
// shared line-style and line-width icon tables. The main window owns one of these; the builders
// only write it.
#pragma once
#include <array>
#include <cstdint>

// Icon numbers indexed by a line-style or line-width code from -5 to 16; 0 is no icon.
struct code_icon_table_ {
  static constexpr int32_t first_code = -5, last_code = 16;
  std::array<int32_t, last_code - first_code + 1> entries{};
  static bool holds_(int32_t code) { return code >= first_code && code <= last_code; }
  // 0 for a code outside the table.
  int32_t at_(int32_t code) const { return holds_(code) ? entries[size_t(code - first_code)] : 0; }
  void set_(int32_t code, int32_t icon) {
    if (holds_(code)) entries[size_t(code - first_code)] = icon;
  }
};

struct gui_fields_rec_ {
  // Variant icons (both builders fill the point, arc and circle ones; the ribbon the others).
  int32_t tool_icon_point_ = 0, tool_icon_points_ = 0;
  int32_t tool_icon_arc_r_ = 0, tool_icon_arc_2p_ = 0, tool_icon_arc_3p_ = 0;
  int32_t tool_icon_circle_r_ = 0, tool_icon_circle_2p_ = 0, tool_icon_circle_3p_ = 0;
  int32_t tool_icon_array_rect_ = 0, tool_icon_array_circ_ = 0;
  int32_t tool_icon_eline_ = 0, tool_icon_jline_ = 0;
  int32_t tool_icon_vslash_ = 0, tool_icon_vround_ = 0;
  int32_t tool_icon_pageorient_v_ = 0, tool_icon_pageorient_h_ = 0;
  // Classic interface only (0 until it is built): the VIEW menu's button id and the item number
  // of its TOOLBARS item, and the page and layer list buttons.
  int32_t view_menu_bid_ = 0, toolbars_menu_sub_ = 0;
  int32_t page_list_bid_ = 0, layer_list_bid_ = 0;
  code_icon_table_ style_icons_, width_icons_;
};
