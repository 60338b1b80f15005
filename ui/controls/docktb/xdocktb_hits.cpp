// What lies under a point of a tool window (a slot and its part, the end button, the caret
// position in a text box), and the timer's sweep that drops hot states the cursor has left.
#include "platform/input/cursor.h"
#include "platform/core/codepage.h"
#include "platform/gdi/dc.h"
#include "ui/controls/docktb/xdocktb.h"

namespace {

bool inside(const pixel_rect_& r, pixel_point_ c) {
  return c.x >= r.left && c.x < r.right && c.y >= r.top && c.y < r.bottom;
}

}  // namespace

dock_hit_rec_ xdocktb_::hit_test_toolbar_(int32_t t, int32_t px, int32_t py, flag16_ caret) {
  dock_hit_rec_ h;
  if (!valid_toolbar_(t)) return h;
  dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const dock_area_code_ a = tb.dock;
  layout_slots_(t, a);
  for (int32_t i = 1; i <= tb.slot_count; ++i) {
    const dock_button_slot_rec_& s = tb.slots[size_t(i)];
    if (!is_set_(s.visible)) continue;
    if (px < s.x || px > s.x + s.width || py < s.y || py > s.y + s.height) continue;
    h.toolbar = t;
    h.slot = i;
    const int32_t b = s.button_id;
    const int32_t type = valid_button_(b) ? button_(b).type : 0;
    if (type == dock_btn_dropdown_ || type == dock_btn_split_) h.part = px >= s.x + s.width - 11 ? 2 : 1;
    h.x = s.x;
    h.y = s.y;
    h.width = s.width;
    h.height = s.height;
    if (caret == true_) {
      // The caret goes before the first character whose right edge lies beyond the click; a
      // click exactly on a character's right edge puts it after that character.
      const int32_t offset = dock_is_vertical_(a) ? py - s.y : px - s.x;
      int32_t n = 0, len = 0;
      for (size_t pos = 0; pos < s.text.size(); ++len) utf8_next_(s.text, pos);
      h.caret = len;
      for (size_t pos = 0; pos < s.text.size();) {
        utf8_next_(s.text, pos);
        ++n;
        if (offset < text_width_(std::string_view(s.text).substr(0, pos))) {
          h.caret = n - 1;
          break;
        }
      }
    }
    return h;
  }
  const int32_t k = find_window_rec_(t);
  if (dock_is_docked_(a) && k != 0) {
    const dock_window_rec_& r = windows[size_t(k)];
    const bool on_end = dock_is_vertical_(a) ? (py >= r.cy - 12 && py <= r.cy) : (px >= r.cx - 12 && px <= r.cx);
    if (on_end) h.toolbar = h.slot = -t;
  }
  return h;
}

void xdocktb_::clear_hot_items_() {
  const pixel_point_ c = cursor_pos_();
  for (int32_t t = 1; t <= toolbar_count; ++t) {
    window_* w = tool_window_(t);
    if (!w) continue;
    dock_toolbar_rec_& tb = toolbars[size_t(t)];
    if (!inside(w->window_rect_(), c) && tb.cursor_inside == true_) {
      tb.cursor_inside = false_;
      if (hover_hit.toolbar == t) hover_hit.toolbar = hover_hit.slot = hover_hit.part = 0;
      close_press_tb = close_hot_tb = 0;
      if (endbtn_menu_tb != t) paint_toolbar_(t, -1, -1);
    }
    if (menu1_ && menu1_->exists_() && !inside(menu1_->window_rect_(), c) && !menu_shown_(2) &&
        menu_hot_shown == true_) {
      menu_hot_shown = false_;
      dc_ dc(menu1_->client_surface_());
      paint_dropdown_(last_hit.toolbar, last_hit.slot, *menu1_, dc, menu_width, menu_height, -1, -1);
      menu1_->update_();
    }
  }
}
