// Dragging a tool window by its grip: every move that changes the cursor carries the window
// along, docks it into the first area within 10 pixels of the cursor that its snap allows, or
// floats it, re-rows the areas and tells the host when an area or a row changed.
#include "platform/input/cursor.h"
#include "ui/controls/docktb/xdocktb.h"

void xdocktb_::drag_step_(int32_t t) {
  window_* w = tool_window_(t);
  if (!w) return;
  const bool was_visible = w->visible_();
  windows_before = windows;
  const pixel_point_ c = cursor_pos_();
  if (c.x == drag_cursor.x && c.y == drag_cursor.y) return;
  drag_cursor = c;
  // The window keeps the point at which it was grabbed under the cursor.
  const int32_t nx = c.x - (press_cursor_x - press_win_x), ny = c.y - (press_cursor_y - press_win_y);
  const dock_area_code_ b = dock_area_at_cursor_(t);
  bool changed = false;
  if (b != drag_area) {
    w->hide_();
    const pixel_rect_ r = w->window_rect_();
    if (!dock_is_docked_(b)) {
      window_* m = main_window_();
      if (w->kind_() == window_kind_::child)
        w->make_top_level_(m, r.left, r.top);
      else
        w->set_owner_(m);
      if (const int32_t k = find_window_rec_(t)) windows[size_t(k)].dock = windows[size_t(k)].row = 0;
    } else if (window_* d = dock_window_(b)) {
      const pixel_rect_ dc = d->client_rect_();
      if (w->parent_() != d) w->make_child_(*d, r.left - dc.left, r.top - dc.top);
      place_in_dock_(0, b, t, 0, 0);
    }
    measure_toolbar_(t, b);
    if (dock_is_docked_(b)) relayout_dock_area_(t, b, 0);
    relayout_dock_area_(0, drag_area, 0);
    drag_area = b;
    changed = true;
  }
  const int32_t k = find_window_rec_(t);
  if (k == 0) return;
  if (dock_is_docked_(b)) {
    relayout_dock_area_(t, b, 0);
    place_in_dock_(-1, b, t, nx, ny);
  } else {
    windows[size_t(k)].x = nx;
    windows[size_t(k)].y = ny;
    set_centre_(windows[size_t(k)]);
  }
  if (windows[size_t(k)].row != drag_row || windows.size() != windows_before.size()) changed = true;
  for (size_t n = 1; !changed && n < windows.size(); ++n)
    if (windows[n].row != windows_before[n].row) changed = true;
  drag_row = windows[size_t(k)].row;
  toolbars[size_t(t)].dock = b;
  if (changed) {
    for (dock_area_code_ a = 1; a <= 4; ++a) size_dock_area_(a);
    resize_tools_(false);
    if (ResizeDocks) ResizeDocks();
  }
  update_(false, false);
  if (was_visible)
    w->show_no_activate_();
  else
    w->hide_();
}
