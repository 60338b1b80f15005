// The ribbon's command surface as data: the application menu, the quick-access buttons and,
// in the order of the adder calls, every tab, toolbar, item and drop-down item. The builder
// walks these tables with one loop; the order of the rows is the order of the calls and of the
// icon loads, which the groups' consecutive icon numbers depend on.
#pragma once
#include <cstdint>
#include <span>

#include "mainwindow/interface/gui_fields.h"

enum class ribbon_row_kind_ : uint8_t {
  tab,        // add_tabtop_: key, text, alt, shortcut
  toolbar,    // add_toolbar_ on the last tab: key, text, type 1 = corner button, shortcut
  button,     // add_button_ on the last toolbar
  group,      // add_group_: small holds the buttons' icon files separated by blanks
  combo,      // add_combo_: widths at 96 dpi, scaled by the screen
  separator,  // add_separator_
  item,       // add_popupmenuitem_ on the control keyed owner
  variant,    // an icon load into icon_field, before the split button that shows it
};

struct ribbon_row_ {
  ribbon_row_kind_ kind = ribbon_row_kind_::button;
  const char* key = "";
  const char* text = "";      // language key of the caption; "" none; "-" a separator item
  const char* alt = nullptr;  // language key of the access key; null: text + ".key"
  const char* tip = nullptr;  // language key of the tooltip; null: text + ".tip"
  const char* small = "";     // icon files, "" none
  const char* large = "";
  int16_t size_std = 0, size_min = 0;  // button size codes; group and combo rows
  int16_t type = 0;                    // button type; toolbar: 1 with a corner button
  const char* letters = "";            // group letter string
  const char* shortcut = "";
  int16_t width_std = 0, width_min = 0;
  int32_t gui_fields_rec_::*icon_field = nullptr;  // variant: loaded into; else the icon shown
  bool shared_print_icon = false;                  // the main window's print icon
  bool checked = false;                            // button checked at start
  const char* key2 = "";                           // button's second key, "" keeps the key
  bool user_draw = false;
  const char* owner = "";  // item: key of the owning button or group
  int16_t group = 0;       // item: position of the owning group's letter, 0 for a button
  bool bold = false, big = false;
  int32_t swatch = -1;  // item: a colour square of this 0x00BBGGRR colour when 0 or more
};

// Application menu: key, language keys of text and access key, shortcut, large icon file.
struct ribbon_main_row_ {
  const char* key;
  const char* text;
  const char* shortcut;
  const char* icon;
  const char* alt;
};

// Quick-access buttons: text and alt are language keys unless literal says otherwise.
struct ribbon_quick_row_ {
  const char* key;
  const char* text;
  bool text_literal;
  const char* small;
  const char* large;
  const char* alt_literal;
};

std::span<const ribbon_main_row_> ribbon_main_rows_();
std::span<const ribbon_quick_row_> ribbon_quick_rows_();
std::span<const ribbon_row_> ribbon_rows_();
