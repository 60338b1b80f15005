#include "dialogs/library/library_tree.h"

#include <cmath>
#include <string>

#include "engine/zaz_class.h"
#include "ui/skin/paint_text.h"

int32_t subfolder_count_(const zaz_class_& lib, int32_t folder) {
  const int32_t n = lib.libdir_count_();
  if (folder < 1 || folder > n) return 0;
  int32_t c = 0;
  for (int32_t i = 1; i <= n; ++i) c += lib.libdir_sub_(i) == folder ? 1 : 0;
  return c;
}

int32_t folder_block_count_(const zaz_class_& lib, int32_t folder) {
  if (folder < 1 || folder > lib.libdir_count_()) return 0;
  int32_t c = 0;
  for (int32_t i = 1; i <= lib.blocks_count_(); ++i) c += lib.blocks_group_(i) == folder ? 1 : 0;
  return c;
}

void fit_tree_tables_(const zaz_class_& lib, library_tree_state_& t) {
  const size_t folders = size_t(std::max(lib.libdir_count_(), 0)) + 1;
  const size_t blocks = size_t(std::max(lib.blocks_count_(), 0)) + 1;
  t.block_rects.resize(blocks);
  t.folder_rects.resize(folders);
  t.folder_open.resize(folders, 0);
}

namespace {

struct tree_painter {
  dc_& dc;
  const zaz_class_& lib;
  library_tree_state_& t;
  bool focus;

  void focus_frame(int32_t x, int32_t y, int32_t width) {
    t.focus_rect = {x + 1, y + 1, x + width - 1, y + library_row_h_ - 1};
    // A dotted frame, every second pixel, in the text colour.
    const library_rect_& f = t.focus_rect;
    for (int32_t px = f.left; px < f.right; px += 2) {
      dc.set_pixel_(px, f.top, 0);
      dc.set_pixel_(px, f.bottom - 1, 0);
    }
    for (int32_t py = f.top; py < f.bottom; py += 2) {
      dc.set_pixel_(f.left, py, 0);
      dc.set_pixel_(f.right - 1, py, 0);
    }
  }

  int32_t blocks(int32_t folder, int32_t y) {
    const int32_t x = t.folder_x[size_t(folder)];
    for (int32_t i = 1; i <= lib.blocks_count_(); ++i) {
      if (lib.blocks_group_(i) != folder || lib.blocks_hidden_(i) == true_) continue;
      const std::string name = lib.blocks_name_(i);
      const int32_t width = ui_text_size_(dc, name, 0) + 10;
      t.block_rects[size_t(i)] = {x, y, x + width, y + library_row_h_};
      const bool selected = t.sel_kind == library_sel_block_ && t.sel_id == i;
      if (selected) draw_menu_item_(dc, x, y, width, library_row_h_, "", 0, 0, true_, false_, true_, "", 0, 0, 0, 0);
      draw_text_line_(dc, x + 5, y, width, library_row_h_, name, 0, 0, 0, 0, 0);
      if (selected && focus) focus_frame(x, y, width);
      y += library_row_h_;
    }
    return y;
  }

  int32_t level(int32_t parent, int32_t y) {
    if (++t.tree_calls > library_tree_call_limit_) return y;
    const int32_t x = t.folder_x[size_t(parent)];
    const int32_t n = lib.libdir_count_();
    for (int32_t i = 1; i <= n; ++i) {
      if (lib.libdir_sub_(i) != parent) continue;
      t.folder_x[size_t(i)] = x + 20;
      const std::string title = lib.libdir_title_(i);
      const int32_t width = ui_text_size_(dc, title, 0) + 35;
      t.folder_rects[size_t(i)] = {x, y, x + width, y + library_row_h_};
      const bool full = subfolder_count_(lib, i) >= 1 || folder_block_count_(lib, i) >= 1;
      const bool selected = t.sel_kind == library_sel_folder_ && t.sel_id == i;
      draw_menu_item_(dc, x, y, width, library_row_h_, title, library_row_h_,
                      full ? t.icon_folder_full : t.icon_folder_empty, selected ? true_ : false_, false_, true_, "",
                      0, 0, 0, 0);
      if (selected && focus) focus_frame(x, y, width);
      y += library_row_h_;
      const int32_t row_bottom = y;
      if (t.folder_open[size_t(i)] == true_) {
        if (subfolder_count_(lib, i) >= 1 && lib.libdir_sub_(i) != i) y = level(i, y);
        y = blocks(i, y);
      }
      const int32_t cx = t.folder_x[size_t(i)] - 10;
      for (int32_t py = row_bottom; py <= y - 12; py += 2) dc.set_pixel_(cx, py, 0x808080);
    }
    if (parent == 0) y = blocks(0, y);
    return y;
  }
};

}  // namespace

int32_t paint_library_tree_(dc_& dc, const zaz_class_& lib, library_tree_state_& t, int32_t scroll, bool focus) {
  t.tree_calls = 0;
  t.folder_x.assign(size_t(std::max(lib.libdir_count_(), 0)) + 1, 0);
  t.block_rects.assign(size_t(std::max(lib.blocks_count_(), 0)) + 1, {});
  t.folder_rects.assign(t.folder_x.size(), {});
  t.folder_open.resize(t.folder_x.size(), 0);
  tree_painter p{dc, lib, t, focus};
  return p.level(0, -scroll);
}

library_hit_ library_hit_test_(const library_tree_state_& t, int32_t x, int32_t y) {
  library_hit_ hit;
  auto inside = [x, y](const library_rect_& r) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; };
  for (size_t i = 1; i < t.block_rects.size(); ++i)
    if (inside(t.block_rects[i])) hit = {library_sel_block_, int32_t(i)};
  for (size_t j = 1; j < t.folder_rects.size(); ++j)
    if (inside(t.folder_rects[j])) hit = {library_sel_folder_, int32_t(j)};
  return hit;
}

bool selected_row_rect_(const zaz_class_& lib, const library_tree_state_& t, library_rect_& r) {
  if (t.sel_kind == library_sel_block_ && t.sel_id >= 1 && t.sel_id <= lib.blocks_count_() &&
      size_t(t.sel_id) < t.block_rects.size()) {
    r = t.block_rects[size_t(t.sel_id)];
    return true;
  }
  if (t.sel_kind == library_sel_folder_ && t.sel_id >= 1 && t.sel_id <= lib.libdir_count_() &&
      size_t(t.sel_id) < t.folder_rects.size()) {
    r = t.folder_rects[size_t(t.sel_id)];
    return true;
  }
  return false;
}

namespace {

// Runs over from, from + step, ... until to, over numbers that pass, and stops at the second
// match; the last match found (from itself when it passes), or -1 for none.
template <class Pass>
int32_t scan(int32_t from, int32_t to, int32_t step, Pass pass, int32_t& matches) {
  matches = 0;
  int32_t found = -1;
  for (int32_t i = from; step > 0 ? i <= to : i >= to; i += step) {
    if (!pass(i)) continue;
    found = i;
    if (++matches == 2) break;
  }
  return found;
}

// The first number from `from` towards `to` that passes, or -1.
template <class Pass>
int32_t first_match(int32_t from, int32_t to, int32_t step, Pass pass) {
  for (int32_t i = from; step > 0 ? i <= to : i >= to; i += step)
    if (pass(i)) return i;
  return -1;
}

bool open_flag(const library_tree_state_& t, int32_t f) {
  return f >= 0 && size_t(f) < t.folder_open.size() && t.folder_open[size_t(f)] == true_;
}

}  // namespace

void move_selection_(const zaz_class_& lib, library_tree_state_& t, int32_t direction) {
  fit_tree_tables_(lib, t);
  const int32_t nb = lib.blocks_count_(), nf = lib.libdir_count_();
  auto listed_in = [&lib](int32_t folder) {
    return [&lib, folder](int32_t i) { return lib.blocks_group_(i) == folder && lib.blocks_hidden_(i) != true_; };
  };
  auto child_of = [&lib](int32_t parent) { return [&lib, parent](int32_t i) { return lib.libdir_sub_(i) == parent; }; };
  auto select_folder = [&t](int32_t f) {
    t.sel_kind = library_sel_folder_;
    t.sel_id = f;
  };
  auto select_block = [&t](int32_t b) {
    t.sel_kind = library_sel_block_;
    t.sel_id = b;
  };
  int32_t m = 0;
  if (t.sel_kind == library_sel_block_ && t.sel_id >= 1 && t.sel_id <= nb) {
    const int32_t b = lib.blocks_group_(t.sel_id);
    if (direction == 1) {
      const int32_t r = scan(t.sel_id, 1, -1, listed_in(b), m);
      if (r >= 1) t.sel_id = r;
      if (m < 2 && b >= 1) {
        const int32_t last_sub = first_match(nf, 1, -1, child_of(b));
        select_folder(last_sub >= 1 ? last_sub : b);
      }
    } else if (direction == 2) {
      const int32_t r = scan(t.sel_id, nb, 1, listed_in(b), m);
      if (r >= 1) t.sel_id = r;
      if (m < 2 && b >= 1) {
        const int32_t r2 = scan(b, nf, 1, child_of(lib.libdir_sub_(b)), m);
        select_folder(r2 >= 1 ? r2 : b);
      }
    } else if (direction == 3) {
      select_folder(b);
      if (b == 0) select_block(0);
    }
    return;
  }
  if (!(t.sel_kind == library_sel_folder_ && t.sel_id >= 1 && t.sel_id <= nf)) return;
  const int32_t f = t.sel_id, p = lib.libdir_sub_(f);
  if (direction == 1) {
    const int32_t r = scan(f, 1, -1, child_of(p), m);
    if (r >= 1) t.sel_id = r;
    if (m == 2) {
      const int32_t g = r;
      if (open_flag(t, g)) {
        if (folder_block_count_(lib, g) >= 1) {
          // The highest listed block of g; with all of them hidden the selection stays on g
          // (taking g's number as a block number would land on an unrelated block).
          const int32_t last = first_match(nb, 1, -1, listed_in(g));
          if (last >= 1) select_block(last);
        } else if (subfolder_count_(lib, g) >= 1) {
          select_folder(first_match(nf, 1, -1, child_of(g)));
        }
      }
    } else if (p >= 1) {
      select_folder(p);
    }
  } else if (direction == 2) {
    if (open_flag(t, f)) {
      if (subfolder_count_(lib, f) >= 1) {
        const int32_t r = first_match(f, nf, 1, child_of(f));
        if (r >= 1) select_folder(r);
      } else if (folder_block_count_(lib, f) >= 1) {
        const int32_t r = first_match(1, nb, 1, listed_in(f));
        if (r >= 1) select_block(r);
      } else {
        const int32_t r = first_match(1, nb, 1, listed_in(p));
        if (r >= 1) select_block(r);
      }
    } else {
      const int32_t r = scan(f, nf, 1, child_of(p), m);
      if (m == 2) {
        select_folder(r);
      } else {
        // p's next sibling, or p itself; from the top level this wraps to the first folder.
        const int32_t r2 = scan(p, nf, 1, child_of(lib.libdir_sub_(p)), m);
        if (r2 >= 1) select_folder(r2);
        else if (p >= 1) select_folder(p);
      }
    }
  } else if (direction == 3) {
    if (open_flag(t, f)) {
      t.folder_open[size_t(f)] = 0;
    } else {
      select_folder(p);
      if (p == 0) select_block(0);
    }
  } else if (direction == 4) {
    t.folder_open[size_t(f)] = true_;
  }
}
