// Sizes and places tool windows: button sizes by type and area, the slot walk shared with the
// painter and the hit test, the tool window's size, the window list, showing, and applying the
// list to the real windows. A docked tool window is a child of its dock-area window; a floating
// one is a top-level window owned by the main window.
#include <algorithm>

#include "ui/controls/docktb/xdocktb.h"

namespace {

// Width of a slot's text with its 10-pixel margin, 0 for none.
int32_t margin_text(int32_t w) { return w > 0 ? w + 10 : 0; }

}  // namespace

int32_t xdocktb_::button_width_(int32_t t, dock_area_code_ a, int32_t i) const {
  if (!valid_toolbar_(t) || toolbars[size_t(t)].window == 0) return 0;
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  if (i < 1 || i > tb.slot_count) return 0;
  const dock_button_slot_rec_& s = tb.slots[size_t(i)];
  if (!valid_button_(s.button_id)) return 24;
  const dock_button_rec_& b = button_(s.button_id);
  const bool vert = dock_is_vertical_(a);
  const int32_t t_all = margin_text(text_width_(s.text));
  const int32_t t_shown = is_set_(b.show_text) ? t_all : 0;
  switch (b.type) {
    case dock_btn_dropdown_:
    case dock_btn_split_:
      if (vert) return 36;
      return b.icon <= 0 ? (t_shown == 0 ? 36 : t_shown + 12) : t_shown + 36;
    case dock_btn_fixed_:
    case dock_btn_textbox_:
      return vert ? 24 : b.csize;
    case dock_btn_title_:
      return vert ? 19 : t_all + 4;
    case dock_btn_embedded_: {
      const window_* e = b.xc_hwnd ? find_window_(b.xc_hwnd) : nullptr;
      return e ? std::max(0, e->client_width_() - 1) : 0;
    }
    default:
      if (vert) return 24;
      return b.icon <= 0 ? (t_shown == 0 ? 24 : t_shown) : t_shown + 24;
  }
}

int32_t xdocktb_::button_height_(int32_t t, dock_area_code_ a, int32_t i) const {
  if (!valid_toolbar_(t) || toolbars[size_t(t)].window == 0) return 0;
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  if (i < 1 || i > tb.slot_count) return 0;
  const dock_button_slot_rec_& s = tb.slots[size_t(i)];
  if (!valid_button_(s.button_id)) return 24;
  const dock_button_rec_& b = button_(s.button_id);
  const bool vert = dock_is_vertical_(a);
  switch (b.type) {
    case dock_btn_fixed_:
    case dock_btn_textbox_:
      return vert ? b.csize : 24;
    case dock_btn_title_:
      return vert ? margin_text(text_width_(s.text)) + 4 : 19;
    case dock_btn_embedded_: {
      const window_* e = b.xc_hwnd ? find_window_(b.xc_hwnd) : nullptr;
      return e ? std::max(0, e->client_height_() - 1) : 0;
    }
    default: {  // plain, drop-down and split buttons run along a vertical area like plain ones
      if (!vert) return 24;
      const int32_t t_shown = is_set_(b.show_text) ? margin_text(text_width_(s.text)) : 0;
      return b.icon <= 0 ? (t_shown == 0 ? 24 : t_shown) : t_shown + 24;
    }
  }
}

void xdocktb_::layout_slots_(int32_t t, dock_area_code_ a) {
  if (!valid_toolbar_(t)) return;
  dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const bool vert = dock_is_vertical_(a);
  int32_t x = 3, y = 20;
  if (dock_is_horizontal_(a)) x = 12, y = 1;
  if (vert) x = 1, y = 12;
  for (int32_t i = 1; i <= tb.slot_count; ++i) {
    dock_button_slot_rec_& s = tb.slots[size_t(i)];
    if (!is_set_(s.visible)) continue;
    if (is_set_(s.separator)) (vert ? y : x) += 4;
    s.x = x;
    s.y = y;
    s.width = button_width_(t, a, i);
    s.height = button_height_(t, a, i);
    if (vert)
      y += s.height + 1;
    else
      x += s.width + 1;
  }
}

int32_t xdocktb_::measure_toolbar_(int32_t t, dock_area_code_ a) {
  if (!valid_toolbar_(t)) return 0;
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const bool menu = is_set_(tb.menu);
  const window_* area = dock_window_(a);
  int32_t w = 0, h = 0;
  for (int32_t i = 1; i <= tb.slot_count; ++i) {
    const dock_button_slot_rec_& s = tb.slots[size_t(i)];
    const int32_t bw = button_width_(t, a, i), bh = button_height_(t, a, i);
    const bool shown = is_set_(s.visible), sep = shown && is_set_(s.separator);
    if (dock_is_vertical_(a)) {
      w = std::max(w, bw);
      if (shown && !menu) h += bh + 1;
      if (sep) h += 4;
    } else {
      h = std::max(h, bh);
      if (shown && (!menu || !dock_is_horizontal_(a))) w += bw + 1;
      if (sep) w += 4;
    }
  }
  if (w < 1) w = 24;
  if (h < 1) h = 24;
  if (dock_is_horizontal_(a)) {
    w = menu ? (area ? area->client_width_() : 0) : w + 13;
    w += 12;
    h += 4;
  } else if (dock_is_vertical_(a)) {
    w += 3;
    h = menu ? (area ? area->client_height_() : 0) : h + 13;
    w += 1;
    h += 12;
  } else {
    w += 6;
    h += 24;
  }
  if (const int32_t k = find_window_rec_(t)) {
    dock_window_rec_& r = windows[size_t(k)];
    r.cx = w;
    r.cy = h;
    set_centre_(r);
    r.dock = a;
  }
  return t;
}

int32_t xdocktb_::find_window_rec_(int32_t t) const {
  if (t < 1) return 0;
  for (int32_t k = 1; k <= window_count; ++k)
    if (windows[size_t(k)].toolbar_id == t) return k;
  return 0;
}

int32_t xdocktb_::toolbar_of_window_(int32_t window_index) const {
  if (window_index < 1) return 0;
  for (int32_t t = toolbar_count; t >= 1; --t)
    if (toolbars[size_t(t)].window == window_index) return t;
  return 0;
}

// ---- Windows.

int32_t xdocktb_::load_tool_window_(int32_t t, int32_t& replaced) {
  window_options_ o;
  o.kind = window_kind_::popup;
  o.parent = main_window_();
  o.title = toolbars[size_t(t)].title;
  o.width = 24;
  o.height = 24;
  o.takes_focus = false;
  o.in_taskbar = false;
  const int32_t index = ++windows_loaded;
  if (tool_.size() <= size_t(index)) tool_.resize(size_t(index) + 1);
  tool_[size_t(index)] = create_window_(o);
  replaced = toolbars[size_t(t)].window;
  toolbars[size_t(t)].window = index;
  return index;
}

// A tool window shown again gets a new window; the old one would otherwise stay on the screen
// with no record pointing at it.
void xdocktb_::retire_window_(int32_t index) {
  if (index < 1 || size_t(index) >= tool_.size() || !tool_[size_t(index)]) return;
  tool_[size_t(index)]->destroy_();
  tool_[size_t(index)].reset();
}

void xdocktb_::parent_tool_window_(int32_t t) {
  window_* w = tool_window_(t);
  if (!w) return;
  const dock_area_code_ a = toolbars[size_t(t)].dock;
  const pixel_rect_ r = w->window_rect_();
  if (dock_is_docked_(a)) {
    window_* d = dock_window_(a);
    if (d && w->parent_() != d) {
      const pixel_rect_ dc = d->client_rect_();
      w->make_child_(*d, r.left - dc.left, r.top - dc.top);
    }
    return;
  }
  window_* m = main_window_();
  if (w->kind_() == window_kind_::child)
    w->make_top_level_(m, r.left, r.top);
  else if (w->owner_() != m)
    w->set_owner_(m);
}

void xdocktb_::reparent_embedded_(int32_t t) {
  window_* w = tool_window_(t);
  if (!w) return;
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  for (int32_t i = 1; i <= tb.slot_count; ++i) {
    const int32_t b = tb.slots[size_t(i)].button_id;
    if (!valid_button_(b) || button_(b).type != dock_btn_embedded_ || button_(b).xc_hwnd == 0) continue;
    window_* e = find_window_(button_(b).xc_hwnd);
    if (!e || e == w) continue;
    if (e->parent_() != w)
      e->make_child_(*w, 0, 0);
    else
      e->move_to_(0, 0);
  }
}

void xdocktb_::apply_record_(int32_t k) {
  if (k < 1 || k > window_count) return;
  const dock_window_rec_& r = windows[size_t(k)];
  window_* w = find_window_(r.hwnd);
  if (w) w->move_(r.x, r.y, r.cx, r.cy);
}

void xdocktb_::place_new_record_(int32_t t, int32_t k, int32_t fx, int32_t fy) {
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const dock_area_code_ a = tb.dock;
  if (dock_is_docked_(a)) rows.count[size_t(a)] = std::max(rows.count[size_t(a)], tb.row);
  measure_toolbar_(t, a);
  const int32_t p = row_predecessor_(t, a);
  dock_window_rec_& r = windows[size_t(k)];
  const dock_window_rec_ pr = windows[size_t(p)];  // entry 0 is all zero
  if (dock_is_horizontal_(a)) {
    r.x = p ? pr.x + pr.cx : 0;
    r.y = p ? pr.y : rows.table[size_t(a)][size_t(tb.row)].position;
  } else if (dock_is_vertical_(a)) {
    r.x = p ? pr.x : rows.table[size_t(a)][size_t(tb.row)].position;
    r.y = p ? pr.y + pr.cy : 0;
  } else {
    r.x = fx;
    r.y = fy;
  }
  set_centre_(r);
  apply_record_(k);
  if (dock_is_docked_(a)) {
    int32_t& th = rows.table[size_t(a)][size_t(tb.row)].thickness;
    th = std::max(th, dock_is_horizontal_(a) ? r.cy : r.cx);
  }
}

int32_t xdocktb_::show_toolbar_all_() {
  int32_t last = 0;
  for (int32_t t = 1; t <= toolbar_count; ++t) {
    int32_t replaced = 0;
    last = load_tool_window_(t, replaced);
    dock_toolbar_rec_& tb = toolbars[size_t(t)];
    const toolbar_layout_slot_rec_& saved_tb = saved.toolbars[size_t(t)];
    if (is_set_(layout_loaded)) {
      tb.dock = saved_tb.dock;
      tb.row = saved_tb.row;
      // A layout that names an area the host has not got floats the tool window.
      if (dock_is_docked_(tb.dock) && !dock_window_(tb.dock)) tb.dock = 0, tb.row = 0;
      for (int32_t j = 1; j <= dock_slot_limit_; ++j) tb.slots[size_t(j)].visible = saved_tb.visible[size_t(j - 1)];
    }
    parent_tool_window_(t);
    dock_window_rec_ rec;
    rec.dock = tb.dock;
    rec.row = tb.row;
    rec.toolbar_id = t;
    rec.hwnd = tool_window_(t) ? tool_window_(t)->handle_() : 0;
    rec.menu = tb.menu;
    windows.push_back(rec);
    const int32_t k = ++window_count;
    if (!is_set_(layout_loaded)) {
      place_new_record_(t, k, tb.posx, tb.posy);
    } else {
      dock_window_rec_& r = windows[size_t(k)];
      r.x = saved_tb.window.x;
      r.y = saved_tb.window.y;
      r.centre_x = saved_tb.window.centre_x;
      r.centre_y = saved_tb.window.centre_y;
      r.cx = saved_tb.window.cx;
      r.cy = saved_tb.window.cy;
      apply_record_(k);
    }
    reparent_embedded_(t);
    if (!is_set_(layout_loaded) && find_window_rec_(t)) {
      relayout_dock_area_(t, tb.dock, -1);
      size_dock_area_(tb.dock);
    }
    if (window_* w = tool_window_(t)) w->show_no_activate_();
    refresh(t);
    retire_window_(replaced);
  }
  if (is_set_(layout_loaded)) rows = saved.rows;
  return last;
}

int32_t xdocktb_::show_toolbar_(int32_t tbid_, int32_t x_, int32_t y_) {
  if (!valid_toolbar_(tbid_)) return 0;
  int32_t replaced = 0;
  const int32_t index = load_tool_window_(tbid_, replaced);
  parent_tool_window_(tbid_);
  reparent_embedded_(tbid_);
  dock_toolbar_rec_& tb = toolbars[size_t(tbid_)];
  const int32_t hwnd = tool_window_(tbid_) ? tool_window_(tbid_)->handle_() : 0;
  int32_t k = find_window_rec_(tbid_);
  if (k == 0) {
    dock_window_rec_ rec;
    rec.dock = tb.dock;
    rec.row = tb.row;
    rec.toolbar_id = tbid_;
    rec.hwnd = hwnd;
    rec.menu = tb.menu;
    windows.push_back(rec);
    k = ++window_count;
    place_new_record_(tbid_, k, x_, y_);
  } else {
    windows[size_t(k)].hwnd = hwnd;  // the record follows the new window
    measure_toolbar_(tbid_, tb.dock);
  }
  relayout_dock_area_(tbid_, tb.dock, -1);
  size_dock_area_(tb.dock);
  if (window_* w = tool_window_(tbid_)) w->show_no_activate_();
  refresh(tbid_);
  retire_window_(replaced);
  if (ToolbarShow) ToolbarShow(tbid_);
  return index;
}

void xdocktb_::update_(bool refall_, bool recalc_) {
  if (recalc_)
    for (dock_area_code_ a = 1; a <= 4; ++a) size_dock_area_(a);
  for (int32_t k = 1; k <= window_count; ++k) {
    const dock_window_rec_ r = windows[size_t(k)];
    window_* w = find_window_(r.hwnd);
    if (!w || !w->exists_()) continue;
    pixel_rect_ rect = w->window_rect_();
    window_* d = dock_window_(r.dock);
    if (d && w->parent_() == d) {
      const pixel_rect_ dr = d->window_rect_();
      rect = {rect.left - dr.left, rect.top - dr.top, rect.right - dr.left, rect.bottom - dr.top};
    }
    const bool valid_tb = valid_toolbar_(r.toolbar_id);
    if (refall_ || rect.left != r.x || rect.top != r.y || rect.width_() != r.cx || rect.height_() != r.cy) {
      w->move_(r.x, r.y, r.cx, r.cy);
      if (valid_tb) {
        toolbars[size_t(r.toolbar_id)].posx = r.x;
        toolbars[size_t(r.toolbar_id)].posy = r.y;
        refresh(r.toolbar_id);
      }
    }
    if (valid_tb) {
      toolbars[size_t(r.toolbar_id)].dock = r.dock;
      toolbars[size_t(r.toolbar_id)].row = r.row;
    }
  }
}

void xdocktb_::resize_tool_(int32_t tbid_) {
  if (valid_toolbar_(tbid_)) measure_toolbar_(tbid_, toolbars[size_t(tbid_)].dock);
}

void xdocktb_::resize_tool_window_(int32_t t) {
  window_* w = tool_window_(t);
  const int32_t k = find_window_rec_(t);
  if (!w || k == 0) return;
  const dock_window_rec_& r = windows[size_t(k)];
  if (dock_is_horizontal_(toolbars[size_t(t)].dock))
    resize_keep_place_(*w, r.cx, w->client_height_());
  else
    resize_keep_place_(*w, w->client_width_(), r.cy);
  refresh(t);
}

void xdocktb_::resize_tools_(bool all_) {
  window_* m = main_window_();
  if (!m) return;
  for (int32_t t = 1; t <= toolbar_count; ++t) {
    const dock_toolbar_rec_& tb = toolbars[size_t(t)];
    bool process = all_;
    if (is_set_(tb.menu) && dock_is_docked_(tb.dock)) {
      process = true;
      if (window_* d = dock_window_(tb.dock)) {
        const pixel_rect_ dr = d->window_rect_();
        if (dock_is_horizontal_(tb.dock))
          resize_keep_place_(*d, m->client_width_(), int32_t(dr.height_()));
        else
          resize_keep_place_(*d, int32_t(dr.width_()), m->client_height_());
      }
    }
    if (!process) continue;
    measure_toolbar_(t, tb.dock);
    resize_tool_window_(t);
  }
}

flag16_ xdocktb_::btn_visible_(int32_t tbid_, int32_t btn_) const {
  if (!valid_toolbar_(tbid_) || btn_ < 1 || btn_ > toolbars[size_t(tbid_)].slot_count) return 0;
  return toolbars[size_t(tbid_)].slots[size_t(btn_)].visible;
}

void xdocktb_::btn_visible_(int32_t tbid_, int32_t btn_, flag16_ value_) {
  if (!valid_toolbar_(tbid_) || btn_ < 1 || btn_ > toolbars[size_t(tbid_)].slot_count) return;
  toolbars[size_t(tbid_)].slots[size_t(btn_)].visible = value_;
  measure_toolbar_(tbid_, toolbars[size_t(tbid_)].dock);
  resize_tool_window_(tbid_);
}
