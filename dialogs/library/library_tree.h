// The block library's tree without its window: the rows painted for the folders and blocks of
// the library drawing, the row rectangles a repaint leaves for hit tests, and the arrow-key
// rules that move the selection. Folders and blocks are named by their numbers.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/gdi/dc.h"

class zaz_class_;

// library_sel_kind_code_: what the selection names.
inline constexpr int32_t library_sel_block_ = 0;
inline constexpr int32_t library_sel_folder_ = 1;
// Folder-level calls one repaint may make; deeper levels (or a cycle of parents) draw nothing.
inline constexpr int32_t library_tree_call_limit_ = 254;
inline constexpr int32_t library_row_h_ = 24;

struct library_rect_ {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct library_tree_state_ {
  int32_t sel_kind = library_sel_block_;
  int32_t sel_id = 0;                  // kind block with number 0: nothing selected
  std::vector<int16_t> folder_open;    // by folder number 0..count; -1 open
  std::vector<int32_t> folder_x;       // x of the rows inside each folder
  std::vector<library_rect_> block_rects, folder_rects;
  int32_t tree_calls = 0;
  library_rect_ focus_rect;
  int32_t icon_folder_empty = 0, icon_folder_full = 0;
};

int32_t subfolder_count_(const zaz_class_& lib, int32_t folder);
int32_t folder_block_count_(const zaz_class_& lib, int32_t folder);
// Sizes the rectangle tables to the counts and the open flags too, keeping what they hold.
void fit_tree_tables_(const zaz_class_& lib, library_tree_state_& t);

// Paints the tree from y = -scroll into dc (already cleared) and records the row rectangles;
// returns the y below the last row. With focus the selected row gets a focus frame.
int32_t paint_library_tree_(dc_& dc, const zaz_class_& lib, library_tree_state_& t, int32_t scroll, bool focus);

struct library_hit_ {
  int32_t kind = library_sel_block_;
  int32_t id = 0;
};
// The row under the point in the last repaint (edges included); folders win over blocks.
library_hit_ library_hit_test_(const library_tree_state_& t, int32_t x, int32_t y);

// Arrow keys: 1 up, 2 down, 3 left, 4 right.
void move_selection_(const zaz_class_& lib, library_tree_state_& t, int32_t direction);
// The selected row's rectangle from the last repaint; false without a valid selection.
bool selected_row_rect_(const zaz_class_& lib, const library_tree_state_& t, library_rect_& r);
