// The panel's geometry and look tables as plain maths: group bands, item and text-field
// rectangles, and the painter states of buttons, combos and check glyphs under the pointer.
#pragma once
#include <cstdint>

#include "ui/controls/sidepanel/panel_records.h"

// One group's band: a titled group takes its bottom + 30 (at least 30) and its content starts
// 20 below the band's top; an untitled one takes its bottom + 10 (at least 10) and its content
// starts at the top. The next band starts 2 pixels below.
struct panel_band_rec_ {
  int32_t top = 0, height = 0, content_top = 0;
  bool titled = false;
};
panel_band_rec_ panel_group_band_(const panel_group_rec_& g, int32_t top);
inline int32_t panel_next_band_top_(const panel_band_rec_& b) { return b.top + b.height + 2; }

struct panel_box_rec_ {
  int32_t x = 0, y = 0, w = 0, h = 0;
  bool contains_(int32_t px, int32_t py) const { return x <= px && px < x + w && y <= py && py < y + h; }
};
// The item's rectangle in panel pixels for its group's content top.
panel_box_rec_ panel_item_box_(const panel_item_rec_& it, int32_t content_top);
// The text field of a checked value field or a text field placed in the item's box; th is
// the height of a line of the panel's text. Other kinds have none (all zero).
panel_box_rec_ panel_field_box_(const panel_item_rec_& it, const panel_box_rec_& box, int32_t th);

// What the pointer and the pressed item make of an item: the painter state and whether the
// item becomes the hot one.
struct panel_look_rec_ {
  int32_t state = 0;
  bool hot = false;
  bool focus_frame = false;  // check glyphs only
};
// Buttons and combos: painter states 0 normal, 1 hover, 2 pressed.
panel_look_rec_ panel_button_look_(bool enabled, bool is_pressed, bool other_pressed, bool inside);
// Check glyphs: 0 unchecked, 1 unchecked hot, 2 checked, 3 checked hot, 4 pressed. quiet is a
// disabled item, or a checked value field while its field takes the keys.
panel_look_rec_ panel_glyph_look_(bool quiet, bool checked, bool is_pressed, bool other_pressed, bool inside,
                                  bool focused);
