// Text painters: one line of interface text (turned for vertical docks) with selection and
// caret, the measure of a text in the interface font, and one row of a menu or list.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

// The line is centred across the box (vertically for horizontal text). sel_start and sel_end
// are character offsets; with show_selection -1 the part between them is highlighted, or a
// two-pixel caret drawn where they are equal.
void draw_text_line_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text, flag16_ vertical,
                     int32_t unused_colour, int32_t sel_start, int32_t sel_end, flag16_ show_selection);
// Height (want_height -1) or width of the text in the interface font.
int32_t ui_text_size_(dc_& hdc, std::string_view text, flag16_ want_height);
// One row: hover box, icon or check box, text, right-aligned shortcut, sub-menu arrow. List
// style (-1) is the large-icon row of the ribbon's application menu.
void draw_menu_item_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text, int32_t icon_col,
                     int32_t icon, flag16_ hover, flag16_ checked, flag16_ enabled, std::string_view shortcut,
                     flag16_ list_style, flag16_ large_icon, flag16_ submenu, flag16_ shortcut_flush);
