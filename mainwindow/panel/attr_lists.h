// The tool panel's four attribute lists (draw colour, fill colour, line style, line width):
// every item with its key, text, icon or palette colour and the code a pick gives. The panel
// builder adds the items from these tables and the pick handler reads the codes back from them,
// so a key and its code cannot drift apart.
#pragma once
#include <cstdint>
#include <span>
#include <string>

// Codes that are no attribute value.
inline constexpr int32_t attr_no_code_ = -99;      // a separator, or a key of no list
inline constexpr int32_t attr_ask_colour_ = -100;  // the item that opens the colour dialog
inline constexpr int32_t attr_cancelled_ = -5;     // that dialog closed without a colour

struct attr_item_rec_ {
  const char* key;
  const char* text;   // language key
  const char* icon;   // icon file, or null for a palette item
  int32_t colour;     // palette colour 0x00BBGGRR, -1 for icon items
  int32_t code;       // color_code_, line_style_code_ or line_width_code_
};

// The lists in the order the panel shows them.
enum attr_list_code_ : int32_t { attr_dcolor_list_ = 0, attr_fcolor_list_, attr_style_list_, attr_width_list_ };

struct attr_list_rec_ {
  const char* combo_key;  // the panel's drop-list item
  const char* label_key;  // the label above it
  const char* title;      // language key of both; the tooltip adds ".tip"
  const char* undo_text;  // language key of the undo step a pick on a selection makes
  std::span<const attr_item_rec_> items;
};

std::span<const attr_list_rec_> attr_lists_();

// The list holding a picked item key and the item's code; false for a key of no list.
bool attr_pick_(const std::string& key, int32_t& list, int32_t& code);
