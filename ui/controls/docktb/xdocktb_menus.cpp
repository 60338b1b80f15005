// The drop-down window (a button's items or a tool window's end-button list) and the sub-menu
// window: opening, sizing and placing them, the cursor over their rows, picks, and the check
// marks of the menu items. Both windows are pop-ups owned by the main window, painted on their
// own surfaces over a shadow captured from the screen.
#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/input/cursor.h"
#include "platform/services/screen.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/popup_background.h"

namespace {

std::string norm(std::string_view s) { return upper_ascii_(trim_blanks_(s)); }

const dock_menu_item_rec_* row_of(const std::vector<dock_menu_item_rec_>* items, int32_t n) {
  if (!items || n < 1 || size_t(n) > items->size()) return nullptr;
  return &(*items)[size_t(n - 1)];
}

}  // namespace

// ---- Windows.

window_& xdocktb_::menu_window_(int32_t which) {
  std::unique_ptr<window_>& m = which == 2 ? menu2_ : menu1_;
  if (!m || !m->exists_()) {
    window_options_ o;
    o.kind = window_kind_::popup;
    o.parent = main_window_();
    o.width = 10;
    o.height = 10;
    o.takes_focus = false;
    o.in_taskbar = false;
    m = create_window_(o);
    m->on_mouse = [this, which](const mouse_event_& e) {
      if (e.type == mouse_type_::move) {
        if (which == 2) menu2_move_(); else menu1_move_();
      } else if (e.type == mouse_type_::down || e.type == mouse_type_::double_click) {
        if (which == 2) menu2_down_(e.button); else menu1_down_(e.button);
      }
    };
  }
  return *m;
}

bool xdocktb_::menu_shown_(int32_t which) const {
  const std::unique_ptr<window_>& m = which == 2 ? menu2_ : menu1_;
  return m && m->exists_() && m->visible_();
}

void xdocktb_::hide_menu_windows_() {
  if (menu1_) menu1_->hide_();
  if (menu2_) menu2_->hide_();
  do_events_();
}

void xdocktb_::clear_menu_state_() {
  menu_open = 0;
  menu_tb = 0;
  menu_slot = 0;
  hide_menu_windows_();
}

const std::vector<dock_menu_item_rec_>* xdocktb_::menu_items_(int32_t entry) const {
  if (entry == 0 || entry < -toolbar_count || entry > button_count) return nullptr;
  return &button_(entry).items;
}

void xdocktb_::measure_menu_(const std::vector<dock_menu_item_rec_>& items, dc_& dc, int32_t min_width,
                             int32_t& width, int32_t& height) const {
  width = height = 0;
  for (const dock_menu_item_rec_& it : items) {
    width = std::max(width, ui_text_size_(dc, it.text + it.shortcut, false_));
    height += std::abs(it.height);
  }
  width = std::max(width, min_width) + 80;
  height = std::max(height, 10) + 4;
}

pixel_point_ xdocktb_::cursor_in_(const window_& w) const {
  const pixel_point_ c = cursor_pos_();
  const pixel_rect_ r = w.window_rect_();
  return {c.x - r.left, c.y - r.top};
}

// Captures the screen the window will cover (popup buffer 1 for the drop-down, 2 for the
// sub-menu), places the window over it and paints the capture as its background.
void xdocktb_::show_menu_window_(int32_t which, int32_t x, int32_t y, int32_t width, int32_t height) {
  window_& w = menu_window_(which);
  capture_popup_background_(which, nullptr, x, y, width, height);
  if (window_* m = main_window_(); m && w.owner_() != m) w.set_owner_(m);
  w.move_(x, y, width, height);
  dc_ dc(w.client_surface_());
  blit_popup_background_(which, dc, 0, 0, width, height);
}

bool xdocktb_::slot_anchor_(int32_t t, int32_t slot, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2) {
  if (!valid_toolbar_(t)) return false;
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  layout_slots_(t, tb.dock);
  for (int32_t i = std::min(slot, tb.slot_count); i >= 1; --i) {
    const dock_button_slot_rec_& s = tb.slots[size_t(i)];
    if (!is_set_(s.visible)) continue;
    x1 = s.x;
    y1 = s.y;
    x2 = s.x + s.width;
    y2 = s.y + s.height;
    return true;
  }
  return false;
}

// ---- Opening.

void xdocktb_::open_dropdown_(int32_t tbid, int32_t slot) {
  clear_menu_state_();
  window_& m1 = menu_window_(1);
  m1.client_surface_().fill_colour_(0xFFFFFF);
  window_* tw = tool_window_(tbid);
  if (!tw) return;
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  if (!slot_anchor_(tbid, slot, x1, y1, x2, y2)) {
    clear_menu_state_();
    return;
  }
  menu_open = true_;
  menu_tb = tbid;
  menu_slot = slot;
  menu_width = menu_height = 0;
  paint_toolbar_(tbid, -1, -1);
  const int32_t b = slot_button_id_(tbid, slot);
  if (!valid_button_(b)) return;  // stays open without a window
  const dock_button_rec_& btn = button_(b);
  dc_ dc(m1.client_surface_());
  measure_menu_(btn.items, dc, 10, menu_width, menu_height);
  if (btn.cwidth >= 1) menu_width = btn.cwidth;
  const pixel_rect_ r = tw->window_rect_();
  int32_t x = r.left + x1, y = r.top + y2;
  switch (toolbars[size_t(tbid)].dock) {
    case dock_bottom_: y = r.top + y1 - menu_height + 1; break;
    case dock_left_: x = r.left + x2, y = r.top + y1; break;
    case dock_right_: x = r.left + x1 - menu_width + 1, y = r.top + y1; break;
    default: break;
  }
  show_menu_window_(1, x, y, menu_width + 5, menu_height + 5);
  dc_ paint_dc(m1.client_surface_());
  paint_dropdown_(tbid, slot, m1, paint_dc, menu_width, menu_height, -1, -1);
  m1.show_no_activate_();
  m1.update_();
}

void xdocktb_::open_endbtn_menu_(int32_t t) {
  clear_menu_state_();
  window_& m1 = menu_window_(1);
  m1.client_surface_().fill_colour_(0xFFFFFF);
  window_* tw = tool_window_(t);
  if (!tw) return;
  const int32_t sw = screen_width_px_(), sh = screen_height_px_();
  const pixel_rect_ r = tw->window_rect_();
  menu_open = true_;
  menu_tb = -t;
  menu_slot = 0;
  menu_width = menu_height = 0;
  paint_toolbar_(t, -1, -1);
  // Each row stands for the slot that holds its button (the row's value), so rows show and
  // toggle the right slots even where a button already in the store got no row of its own.
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  std::vector<dock_menu_item_rec_>& items = button_(-t).items;
  for (dock_menu_item_rec_& it : items) {
    it.check = 0;
    for (int32_t i = 1; i <= tb.slot_count; ++i)
      if (tb.slots[size_t(i)].button_id == it.value) {
        it.check = tb.slots[size_t(i)].visible;
        break;
      }
  }
  dc_ dc(m1.client_surface_());
  measure_menu_(items, dc, 10, menu_width, menu_height);
  int32_t x = r.right - 12, y = r.bottom;
  switch (tb.dock) {
    case dock_bottom_: y = r.top - menu_height + 1; break;
    case dock_left_: x = r.right, y = r.bottom - 12; break;
    case dock_right_: x = r.left - menu_width + 1, y = r.bottom - 12; break;
    default: break;
  }
  if (x + menu_width >= sw) x = x - menu_width + 12;
  if (y + menu_height >= sh) y = y - menu_height + 12;
  show_menu_window_(1, x, y, menu_width + 5, menu_height + 5);
  dc_ paint_dc(m1.client_surface_());
  paint_endbtn_menu_(-t, m1, paint_dc, menu_width, menu_height, -1, -1);
  m1.show_no_activate_();
  m1.update_();
}

void xdocktb_::open_submenu_(int32_t bid, int32_t item) {
  window_& m2 = menu_window_(2);
  m2.hide_();
  do_events_();
  m2.client_surface_().fill_colour_(0xFFFFFF);
  if (!menu_shown_(1) || !valid_button_(bid) || item < 1) return;
  const dock_menu_item_rec_* row = row_of(&button_(bid).items, item);
  if (!row) return;
  dc_ dc(m2.client_surface_());
  measure_menu_(row->subs, dc, 50, submenu_width, submenu_height);
  const pixel_rect_ r = menu1_->window_rect_();
  const bool right = valid_toolbar_(menu_tb) && toolbars[size_t(menu_tb)].dock == dock_right_;
  const int32_t x = right ? r.left - submenu_width + 2 : r.right - 7;
  const int32_t y = r.top + row->y - 2;
  show_menu_window_(2, x, y, submenu_width + 5, submenu_height + 5);
  dc_ paint_dc(m2.client_surface_());
  paint_submenu_(bid, item, m2, paint_dc, submenu_width, submenu_height, -1, -1);
  m2.show_no_activate_();
  m2.update_();
}

// ---- The cursor over the menus.

void xdocktb_::menu1_move_() {
  if (!menu1_) return;
  menu_hot_shown = true_;
  const pixel_point_ c = cursor_in_(*menu1_);
  if (endbtn_menu_tb == 0) {
    // The sub-menu follows the row the previous move highlighted.
    const int32_t bid = slot_button_id_(last_hit.toolbar, last_hit.slot);
    const dock_menu_item_rec_* row = valid_button_(bid) ? row_of(&button_(bid).items, menu_hot_item) : nullptr;
    if (!row || row->subs.empty()) {
      if (menu2_) menu2_->hide_();
      submenu_owner = {0, 0};
    } else if (submenu_owner != std::array<int32_t, 2>{bid, menu_hot_item}) {
      if (menu2_) menu2_->hide_();
      do_events_();
      open_submenu_(bid, menu_hot_item);
      submenu_owner = {bid, menu_hot_item};
    }
  }
  if (!menu1_) return;
  dc_ dc(menu1_->client_surface_());
  if (endbtn_menu_tb == 0)
    paint_dropdown_(last_hit.toolbar, last_hit.slot, *menu1_, dc, menu_width, menu_height, c.x, c.y);
  else
    paint_endbtn_menu_(menu_tb, *menu1_, dc, menu_width, menu_height, c.x, c.y);
  menu1_->update_();
}

void xdocktb_::menu2_move_() {
  if (!menu2_) return;
  const pixel_point_ c = cursor_in_(*menu2_);
  dc_ dc(menu2_->client_surface_());
  paint_submenu_(slot_button_id_(menu_tb, menu_slot), menu_hot_item, *menu2_, dc, submenu_width, submenu_height,
                 c.x, c.y);
  menu2_->update_();
}

// ---- Picks.

void xdocktb_::menu1_down_(int32_t button) {
  if (button != button_left_ || !menu1_) return;
  if (valid_toolbar_(menu_tb)) toolbars[size_t(menu_tb)].cursor_inside = true_;
  const pixel_point_ c = cursor_in_(*menu1_);
  if (valid_toolbar_(menu_tb) && menu_slot >= 1) {
    const int32_t bid = slot_button_id_(menu_tb, menu_slot);
    const dock_menu_item_rec_* row = valid_button_(bid) ? row_of(&button_(bid).items, menu_hot_item) : nullptr;
    const int32_t mx = row ? c.x - row->x : c.x, my = row ? c.y - row->y : c.y;
    if (row && !row->subs.empty()) {
      if (!menu_shown_(2)) open_submenu_(bid, menu_hot_item);
      return;
    }
    const std::string key = menu_hot_key;
    if (row && is_set_(row->customdraw) && is_set_(row->customtext)) {
      // Owner-drawn rows (colour swatches) report where they were hit and keep the menu open.
      if (!key.empty() && MenuItemClick) MenuItemClick(menu_tb, menu_slot, bid, key, mx, my);
      if (!menu1_) return;
      const pixel_point_ now = cursor_in_(*menu1_);
      dc_ dc(menu1_->client_surface_());
      paint_dropdown_(menu_tb, menu_slot, *menu1_, dc, menu_width, menu_height, now.x, now.y);
      menu1_->update_();
      return;
    }
    menu1_->hide_();
    if (menu2_) menu2_->hide_();
    refresh(0);
    if (!key.empty() && MenuItemClick) MenuItemClick(menu_tb, menu_slot, bid, key, mx, my);
    menu_hot_shown = true_;
    menu_open = 0;
    menu_tb = menu_slot = 0;
    return;
  }
  if (menu_tb >= -dock_toolbar_limit_ && menu_tb <= -1) {
    const int32_t t = -menu_tb;
    menu1_->hide_();
    if (menu2_) menu2_->hide_();
    const dock_menu_item_rec_* row = row_of(menu_items_(menu_tb), menu_hot_item);
    if (!menu_hot_key.empty() && row && valid_toolbar_(t)) {
      const dock_toolbar_rec_& tb = toolbars[size_t(t)];
      for (int32_t i = 1; i <= tb.slot_count; ++i)
        if (tb.slots[size_t(i)].button_id == row->value) {
          btn_visible_(t, i, to_flag_(!is_set_(btn_visible_(t, i))));
          break;
        }
    }
    menu_hot_shown = true_;
    menu_open = 0;
    menu_tb = menu_slot = 0;
    endbtn_menu_tb = 0;
    refresh(0);
  }
}

void xdocktb_::menu2_down_(int32_t button) {
  if (button != button_left_) return;
  if (valid_toolbar_(menu_tb)) toolbars[size_t(menu_tb)].cursor_inside = true_;
  if (menu_hot_item < 1) return;
  if (menu1_) menu1_->hide_();
  if (menu2_) menu2_->hide_();
  refresh(0);
  const std::string key = submenu_hot_key;
  if (!key.empty() && MenuItemClick) MenuItemClick(menu_tb, menu_slot, slot_button_id_(menu_tb, menu_slot), key, 0, 0);
  menu_hot_shown = true_;
  menu_open = 0;
  menu_tb = menu_slot = 0;
}

// ---- Check marks.

flag16_ xdocktb_::menu_check_(const std::string& menukey_) const {
  const std::string k = norm(menukey_);
  for (int32_t b = 1; b <= button_count; ++b)
    for (const dock_menu_item_rec_& it : button_(b).items) {
      if (norm(it.key) == k) return it.check;
      for (const dock_menu_item_rec_& sub : it.subs)
        if (norm(sub.key) == k) return sub.check;
    }
  return 0;
}

void xdocktb_::menu_check_(const std::string& menukey_, flag16_ val_) {
  const std::string k = norm(menukey_);
  for (int32_t b = 1; b <= button_count; ++b)
    for (dock_menu_item_rec_& it : button_(b).items) {
      if (norm(it.key) == k) it.check = val_;
      for (dock_menu_item_rec_& sub : it.subs)
        if (norm(sub.key) == k) sub.check = val_;
    }
}

void xdocktb_::unckeck_all_() {
  for (int32_t b = 1; b <= button_count; ++b) {
    dock_button_rec_& btn = button_(b);
    btn.check = 0;
    for (dock_menu_item_rec_& it : btn.items) {
      it.check = 0;
      for (dock_menu_item_rec_& sub : it.subs) sub.check = 0;
    }
  }
}
