// What the main window asks of its tool windows: titles, close boxes, visibility (hiding a
// docked tool window floats it), and whether the cursor is over a floating one or a menu.
#include "platform/input/cursor.h"
#include "ui/controls/docktb/xdocktb.h"

std::string xdocktb_::tbtitle_(int32_t tbid) const {
  return valid_toolbar_(tbid) ? toolbars[size_t(tbid)].title : std::string();
}

flag16_ xdocktb_::tbclose_(int32_t tbid) const { return valid_toolbar_(tbid) ? toolbars[size_t(tbid)].close : 0; }

flag16_ xdocktb_::tbvisible_(int32_t tbid) const {
  const window_* w = tool_window_(tbid);
  return w ? to_flag_(w->visible_()) : false_;
}

void xdocktb_::tbvisible_(int32_t tbid, flag16_ vis) {
  window_* w = tool_window_(tbid);
  if (!w) return;
  if (is_set_(vis))
    w->show_no_activate_();
  else
    w->hide_();
  const int32_t k = find_window_rec_(tbid);
  if (is_set_(vis) || k == 0) return;
  // Hidden, it leaves its dock area and comes back floating.
  dock_window_rec_& r = windows[size_t(k)];
  const dock_area_code_ d = r.dock;
  if (w->kind_() == window_kind_::child) {
    const pixel_rect_ wr = w->window_rect_();
    w->make_top_level_(main_window_(), wr.left, wr.top);
  } else {
    w->set_owner_(main_window_());
  }
  r.dock = 0;
  r.row = 0;
  measure_toolbar_(tbid, 0);
  relayout_dock_area_(0, d, 0);
  r.x = cint32_(random_unit_() * 100 + 100);
  r.y = cint32_(random_unit_() * 100 + 100);
  set_centre_(r);
  toolbars[size_t(tbid)].dock = 0;
  for (dock_area_code_ a = 1; a <= 4; ++a) size_dock_area_(a);
  resize_tools_(false);
  if (ResizeDocks) ResizeDocks();
  update_(false, false);
}

flag16_ xdocktb_::cursortb_() const {
  const pixel_point_ c = cursor_pos_();
  auto over = [&](const window_* w) {
    if (!w || !w->exists_() || !w->visible_()) return false;
    const pixel_rect_ r = w->window_rect_();
    return r.left <= c.x && c.x <= r.right && r.top <= c.y && c.y <= r.bottom;
  };
  for (int32_t t = 1; t <= toolbar_count; ++t)
    if (!dock_is_docked_(toolbars[size_t(t)].dock) && over(tool_window_(t))) return true_;
  if (over(menu1_.get()) || over(menu2_.get())) return true_;
  return false_;
}
