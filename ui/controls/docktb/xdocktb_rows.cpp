// Rows of the dock areas: which row a tool window goes to, inserting and removing rows, moving
// a window along its row and pushing its neighbours, and sizing each dock-area window to its
// rows. "Along" is x in the top and bottom areas and y in the left and right ones; "across" is
// the other. An area holds at most 255 rows: a window that would need a 256th joins row 255.
#include <algorithm>

#include "platform/input/cursor.h"
#include "ui/controls/docktb/xdocktb.h"

namespace {

int32_t& along(dock_window_rec_& r, dock_area_code_ a) { return dock_is_vertical_(a) ? r.y : r.x; }
int32_t along(const dock_window_rec_& r, dock_area_code_ a) { return dock_is_vertical_(a) ? r.y : r.x; }
int32_t& across(dock_window_rec_& r, dock_area_code_ a) { return dock_is_vertical_(a) ? r.x : r.y; }
int32_t length(const dock_window_rec_& r, dock_area_code_ a) { return dock_is_vertical_(a) ? r.cy : r.cx; }
int32_t cross_size(const dock_window_rec_& r, dock_area_code_ a) { return dock_is_vertical_(a) ? r.cx : r.cy; }
// The area's client extent along its rows and across them.
int32_t extent_along(const window_& w, dock_area_code_ a) {
  return dock_is_vertical_(a) ? w.client_height_() : w.client_width_();
}
int32_t extent_across(const window_& w, dock_area_code_ a) {
  return dock_is_vertical_(a) ? w.client_width_() : w.client_height_();
}

}  // namespace

int32_t xdocktb_::count_row_windows_(dock_area_code_ a, int32_t r) const {
  if (!dock_window_(a)) return 0;
  int32_t n = 0;
  for (int32_t k = 1; k <= window_count; ++k)
    n += windows[size_t(k)].dock == a && windows[size_t(k)].row == r;
  return n;
}

int32_t xdocktb_::row_thickness_(dock_area_code_ a, int32_t r, int32_t k) const {
  int32_t th = 0;
  for (int32_t i = 1; i <= window_count; ++i) {
    if (i == k && k != 0) continue;
    const dock_window_rec_& w = windows[size_t(i)];
    if (w.dock == a && w.row == r) th = std::max(th, cross_size(w, a));
  }
  return th;
}

flag16_ xdocktb_::row_has_menu_(dock_area_code_ a, int32_t r) const {
  for (int32_t i = 1; i <= window_count; ++i) {
    const dock_window_rec_& w = windows[size_t(i)];
    if (w.dock == a && w.row == r && is_set_(w.menu)) return true_;
  }
  return false_;
}

void xdocktb_::recompute_row_positions_(dock_area_code_ a) {
  if (!dock_is_docked_(a)) return;
  auto& table = rows.table[size_t(a)];
  int32_t sum = 0;
  const int32_t last = std::min(rows.count[size_t(a)] + 1, dock_row_limit_ + 1);
  for (int32_t r = 1; r <= last; ++r) {
    table[size_t(r)].position = sum;
    sum += table[size_t(r)].thickness;
  }
}

void xdocktb_::remove_row_(dock_area_code_ a, int32_t r) {
  if (!dock_is_docked_(a) || rows.count[size_t(a)] < 1 || r < 1 || r > dock_row_limit_) return;
  auto& table = rows.table[size_t(a)];
  for (int32_t k = 1; k <= window_count; ++k) {
    dock_window_rec_& w = windows[size_t(k)];
    if (w.dock != a || w.row < r + 1) continue;
    --w.row;
    across(w, a) = table[size_t(w.row)].position;
    set_centre_(w);
  }
  const int32_t count = std::min(rows.count[size_t(a)], dock_row_limit_);
  for (int32_t i = r; i <= count; ++i) table[size_t(i)] = table[size_t(i + 1)];
  if (rows.count[size_t(a)] >= r) --rows.count[size_t(a)];
}

int32_t xdocktb_::insert_row_(dock_area_code_ a, int32_t r) {
  if (!dock_is_docked_(a)) return 0;
  const int32_t count = rows.count[size_t(a)];
  // A full area has no room for another row.
  if (r < 1 || r > count || count >= dock_row_limit_) return 0;
  for (int32_t k = 1; k <= window_count; ++k) {
    dock_window_rec_& w = windows[size_t(k)];
    if (w.dock == a && w.row >= r) ++w.row;
  }
  auto& table = rows.table[size_t(a)];
  for (int32_t i = count; i >= r; --i) table[size_t(i + 1)] = table[size_t(i)];
  ++rows.count[size_t(a)];
  recompute_row_positions_(a);
  return r;
}

int32_t xdocktb_::row_neighbour_(dock_area_code_ a, int32_t k, int32_t d) const {
  if (!dock_window_(a) || k < 1 || k > window_count) return 0;
  const dock_window_rec_& me = windows[size_t(k)];
  const int32_t at = along(me, a);
  int32_t best = d == 1 ? -9999 : 9999, found = 0;
  for (int32_t i = 1; i <= window_count; ++i) {
    const dock_window_rec_& w = windows[size_t(i)];
    if (i == k || w.dock != me.dock || w.row != me.row) continue;
    const int32_t wa = along(w, a);
    if (d == 1) {
      if (wa <= at && wa + length(w, a) >= at && wa > best) best = wa, found = i;
    } else {
      if (wa >= at && at + length(me, a) >= wa && wa < best) best = wa, found = i;
    }
  }
  return found;
}

void xdocktb_::push_row_neighbours_(dock_area_code_ a, int32_t k, int32_t d) {
  const window_* area = dock_window_(a);
  if (!area) return;
  const int32_t extent = extent_along(*area, a);
  int32_t c = k;
  for (int32_t step = 0; step < window_count; ++step) {
    const int32_t n = row_neighbour_(a, c, d);
    if (n <= 0 || n == k) break;
    dock_window_rec_& nw = windows[size_t(n)];
    const dock_window_rec_& cw = windows[size_t(c)];
    int32_t& pos = along(nw, a);
    pos = d == 1 ? along(cw, a) - length(nw, a) : along(cw, a) + length(cw, a);
    if (pos <= 0) pos = 0;
    if (pos + length(nw, a) > extent) pos = extent - length(nw, a);
    set_centre_(nw);
    c = n;
  }
}

int32_t xdocktb_::row_predecessor_(int32_t t, dock_area_code_ a) const {
  if (!valid_toolbar_(t)) return 0;
  for (int32_t u = t - 1; u >= 1; --u)
    if (toolbars[size_t(u)].dock == a && toolbars[size_t(u)].row == toolbars[size_t(t)].row)
      return find_window_rec_(u);
  return 0;
}

int32_t xdocktb_::choose_row_(int32_t t, dock_area_code_ a, int32_t m) {
  const window_* area = dock_window_(a);
  if (!area) return 1;
  const int32_t k = find_window_rec_(t);
  const int32_t count = std::min(rows.count[size_t(a)], dock_row_limit_);
  std::vector<dock_row_rec_> work(size_t(count) + 1);
  int32_t total = 0;
  for (int32_t r = 1; r <= count; ++r) {
    work[size_t(r)].position = total;
    work[size_t(r)].thickness = count_row_windows_(a, r) >= 2 ? row_thickness_(a, r, k) : row_thickness_(a, r, 0);
    total += work[size_t(r)].thickness;
  }
  int32_t px = 0, py = 0;
  if (m == -1 && k) {
    px = windows[size_t(k)].centre_x;
    py = windows[size_t(k)].centre_y;
  } else {
    const pixel_point_ c = cursor_pos_();
    const pixel_rect_ ar = area->window_rect_();
    px = c.x - ar.left;
    py = c.y - ar.top;
  }
  const int32_t p_across = dock_is_vertical_(a) ? px : py;
  if (!valid_toolbar_(t) || !is_set_(toolbars[size_t(t)].menu)) {
    for (int32_t r = 1; r <= count; ++r) {
      const dock_row_rec_& w = work[size_t(r)];
      if (w.thickness > 0 && !is_set_(row_has_menu_(a, r)) && w.position <= p_across &&
          p_across <= w.position + w.thickness)
        return r;
    }
  }
  if (k == 0) return 1;
  dock_window_rec_& me = windows[size_t(k)];
  if (me.x <= px && px <= me.x + me.cx && me.y <= py && py <= me.y + me.cy) return std::max(me.row, 1);
  const int32_t r0 = std::clamp(me.row, 1, dock_row_limit_);
  if (count_row_windows_(a, r0) == 1 && me.row == r0 && !is_set_(row_has_menu_(a, r0))) return r0;
  const int32_t cross = cross_size(me, a);
  int32_t result = 0;
  if (p_across >= total || p_across >= extent_across(*area, a)) {
    if (r0 >= dock_row_limit_) return dock_row_limit_;
    result = r0 + 1;
    rows.table[size_t(a)][size_t(result)].thickness = cross;
    rows.count[size_t(a)] = result;
  } else {
    if (rows.count[size_t(a)] >= dock_row_limit_) return dock_row_limit_;
    result = insert_row_(a, p_across > 0 ? r0 : 1);
    if (result >= 1) rows.table[size_t(a)][size_t(result)].thickness = cross;
  }
  return std::max(result, 1);
}

void xdocktb_::relayout_dock_area_(int32_t t, dock_area_code_ a, int32_t m) {
  if (!dock_window_(a)) return;
  auto& table = rows.table[size_t(a)];
  auto count_rows = [&] {
    rows.count[size_t(a)] = 0;
    for (int32_t r = 1; r <= dock_row_limit_; ++r) {
      if (count_row_windows_(a, r) == 0)
        table[size_t(r)].thickness = 0;
      else
        ++rows.count[size_t(a)];
    }
  };
  auto set_thicknesses = [&] {
    for (int32_t r = 1; r <= std::min(rows.count[size_t(a)], dock_row_limit_); ++r)
      table[size_t(r)].thickness = row_thickness_(a, r, 0);
  };
  // From the last row down, so that runs of empty rows all go.
  auto remove_empty = [&] {
    for (int32_t r = dock_row_limit_; r >= 1; --r)
      if (count_row_windows_(a, r) == 0) remove_row_(a, r);
  };
  count_rows();
  if (t > 0) {
    const int32_t k = find_window_rec_(t);
    if (k == 0) return;
    const int32_t r = choose_row_(t, a, m);
    if (r < 1) return;
    windows[size_t(k)].row = r;
    set_thicknesses();
    recompute_row_positions_(a);
    remove_empty();
    recompute_row_positions_(a);
  } else {
    remove_empty();
    set_thicknesses();
    recompute_row_positions_(a);
  }
  for (int32_t k = 1; k <= window_count; ++k) {
    dock_window_rec_& w = windows[size_t(k)];
    if (w.dock != a || w.row < 1 || w.row > dock_row_limit_) continue;
    across(w, a) = table[size_t(w.row)].position;
    set_centre_(w);
  }
}

void xdocktb_::size_dock_area_(dock_area_code_ a) {
  if (!dock_is_docked_(a)) return;
  auto& table = rows.table[size_t(a)];
  rows.count[size_t(a)] = 0;
  for (int32_t r = 1; r <= dock_row_limit_; ++r) {
    if (count_row_windows_(a, r) == 0)
      table[size_t(r)].thickness = 0;
    else
      ++rows.count[size_t(a)];
  }
  int32_t total = 0;
  for (int32_t r = 1; r <= rows.count[size_t(a)]; ++r) total += table[size_t(r)].thickness;
  for (int32_t k = 1; k <= window_count; ++k)
    if (windows[size_t(k)].dock == a) total = std::max(total, cross_size(windows[size_t(k)], a));
  window_* area = dock_window_(a);
  if (!area || extent_across(*area, a) == total) return;
  if (dock_is_vertical_(a))
    resize_keep_place_(*area, total, 0);
  else
    resize_keep_place_(*area, 0, total);
}

void xdocktb_::place_in_dock_(int32_t m, dock_area_code_ a, int32_t t, int32_t x, int32_t y) {
  if (m != -1) {
    // Rebuild the window list from the real windows.
    windows.assign(1, dock_window_rec_{});
    window_count = 0;
    for (int32_t u = 1; u <= toolbar_count; ++u) {
      window_* w = tool_window_(u);
      if (!w) continue;
      const dock_toolbar_rec_& tb = toolbars[size_t(u)];
      pixel_rect_ r = w->window_rect_();
      if (window_* d = dock_window_(tb.dock)) {
        const pixel_rect_ dr = d->window_rect_();
        r = {r.left - dr.left, r.top - dr.top, r.right - dr.left, r.bottom - dr.top};
      }
      dock_window_rec_ rec;
      rec.dock = tb.dock;
      rec.row = tb.row;
      rec.x = r.left;
      rec.y = r.top;
      rec.cx = int32_t(r.width_());
      rec.cy = int32_t(r.height_());
      set_centre_(rec);
      rec.menu = tb.menu;
      rec.hwnd = w->handle_();
      rec.toolbar_id = u;
      windows.push_back(rec);
      ++window_count;
    }
    return;
  }
  const window_* area = dock_window_(a);
  const int32_t k = find_window_rec_(t);
  if (!area || k == 0) return;
  const int32_t extent = extent_along(*area, a);
  const pixel_rect_ ar = area->window_rect_();
  dock_window_rec_& me = windows[size_t(k)];
  const bool menu = is_set_(me.menu);
  if (me.row >= 1 && me.row <= dock_row_limit_) across(me, a) = rows.table[size_t(a)][size_t(me.row)].position;
  along(me, a) = menu ? 0 : (dock_is_vertical_(a) ? y - ar.top : x - ar.left);
  if (along(me, a) + length(me, a) > extent) along(me, a) = extent - length(me, a);
  if (along(me, a) < 1) along(me, a) = 0;
  set_centre_(me);
  if (menu) return;
  // Forward: each touching neighbour goes flush after the one before; one that meets the far
  // edge stops there and packs the windows before it back.
  int32_t c = k;
  for (int32_t step = 0; step < window_count; ++step) {
    const int32_t n = row_neighbour_(a, c, 2);
    if (n <= 0 || n == k) break;
    dock_window_rec_& nw = windows[size_t(n)];
    int32_t& pos = along(nw, a);
    pos = along(windows[size_t(c)], a) + length(windows[size_t(c)], a);
    if (pos <= 0) pos = 0;
    const bool moved_back = pos + length(nw, a) > extent;
    if (moved_back) pos = extent - length(nw, a);
    set_centre_(nw);
    if (moved_back) {
      push_row_neighbours_(a, n, 1);
      break;
    }
    c = n;
  }
  // Backward: the same towards the start; one that would pass the start packs those after it.
  c = k;
  for (int32_t step = 0; step < window_count; ++step) {
    const int32_t n = row_neighbour_(a, c, 1);
    if (n <= 0 || n == k) break;
    dock_window_rec_& nw = windows[size_t(n)];
    int32_t& pos = along(nw, a);
    pos = along(windows[size_t(c)], a) - length(nw, a);
    const bool at_start = pos < 0;
    if (at_start) pos = 0;
    if (pos + length(nw, a) > extent) pos = extent - length(nw, a);
    set_centre_(nw);
    if (at_start) {
      push_row_neighbours_(a, n, 2);
      break;
    }
    c = n;
  }
}

dock_area_code_ xdocktb_::dock_area_at_cursor_(int32_t t) const {
  if (!valid_toolbar_(t)) return 0;
  const int32_t snap = toolbars[size_t(t)].snap;
  const pixel_point_ c = cursor_pos_();
  for (dock_area_code_ a : {dock_left_, dock_right_, dock_top_, dock_bottom_}) {
    const window_* w = dock_window_(a);
    if (!w) continue;
    if (snap == 2 && !dock_is_vertical_(a)) continue;
    if (snap == 1 && !dock_is_horizontal_(a)) continue;
    const pixel_rect_ r = w->window_rect_();
    if (c.x >= r.left - 10 && c.x <= r.right + 10 && c.y >= r.top - 10 && c.y <= r.bottom + 10) return a;
  }
  return 0;
}
