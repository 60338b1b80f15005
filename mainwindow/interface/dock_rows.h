// The classic interface as data: every toolbar, button, menu item and sub-item of the docking
// toolbar control, in the order of the calls. That order is part of the layout file's format:
// the file names toolbars by creation number and their buttons by position.
#pragma once
#include <cstdint>
#include <span>

#include "mainwindow/interface/gui_fields.h"

enum class dock_row_kind_ : uint8_t {
  toolbar,  // add_toolbar_
  button,   // add_button_ on the last toolbar
  item,     // add_menu_ on the last button
  subitem,  // add_submenu_ under the last item
  variant,  // an icon load into icon_field, kept by the main window
};

// Attribute icons loaded once at the start of the build and shared by both colour lists.
enum : int8_t { attr_icon_none_ = 0, attr_icon_auto_ = 1, attr_icon_empty_ = 2, attr_icon_byblock_ = 3, attr_icon_bylayer_ = 4 };
// Icon tables that line-style and line-width items load into.
enum : int8_t { code_icons_none_ = 0, code_icons_style_ = 1, code_icons_width_ = 2 };

struct dock_row_ {
  dock_row_kind_ kind = dock_row_kind_::button;
  const char* key = "";
  const char* text = "";      // language key ("" the empty text, "-" a separator, passed as is)
  bool text_literal = false;  // text is shown as it stands
  // toolbar
  int32_t dock = 0, row = 1, x = -1, y = -1;
  bool menu = false;
  int32_t snap = 0;
  bool close = false;
  // button
  int32_t type = 1;
  const char* small = "";  // icon files loaded for the row; "" none
  const char* large = "";
  int32_t gui_fields_rec_::*icon_field = nullptr;  // variant: loaded into; else the icon shown
  bool show_text = false;
  const char* tip = "";  // language key of the tooltip
  bool check = false, sep = false;
  int32_t csize = 100, cwidth = 0, maxitems = 0;
  const char* key2 = "";
  bool cdraw = false;                           // owner-drawn face
  int32_t gui_fields_rec_::*keep_id = nullptr;  // the button id goes into this field
  bool holds_panel = false;                     // holds the tool panel's window
  // item
  const char* shortcut = "";  // language key of the shortcut text
  int32_t shared_attr = attr_icon_none_;
  int32_t icon_table = code_icons_none_, icon_code = 0;
  bool owner_drawn = false;
  bool keeps_toolbars_item = false;  // the VIEW menu's TOOLBARS item
};

std::span<const dock_row_> dock_rows_();
