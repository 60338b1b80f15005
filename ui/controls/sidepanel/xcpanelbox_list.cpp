// Drop lists of the combo items. The list is the panel's own window, turned into a popup
// owned by a window the host names while open; it shows every row at once (no scrolling) over
// the captured screen, which gives it its shadow. A press anywhere picks the row or value cell
// under the pointer, if any, and closes the list.
#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/window/event_loop.h"
#include "shell/colors.h"
#include "shell/frame_state.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/controls/sidepanel/panel_text.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/popup_background.h"
#include "ui/skin/skin_palette.h"

namespace {

bool is_cell_row_(const panel_list_item_rec_& r) { return r.value_list == 1 && !r.values.empty(); }

}  // namespace

int32_t xcpanelbox_::add_comboitem_(const std::string& combo_key_, const std::string& ci_key_,
                                    const std::string& ci_text_, const std::string& ci_shortcut_, flag16_ pmChecked,
                                    int16_t ci_icon_, int32_t ci_color_, flag16_ ci_boldtext_,
                                    const std::string& ci_altkey_, flag16_ ci_visible_, const std::string&) {
  const std::string owner = trim_blanks_(combo_key_);
  if (mdi_window_hwnd_ == 0 || owner.empty() || combo_count >= panel_list_item_limit_) return 0;
  panel_list_item_rec_ r;
  if (combo_count >= 1) r.y = list_items[size_t(combo_count)].y + list_items[size_t(combo_count)].height;
  r.owner_key = owner;
  r.key = trim_blanks_(ci_key_);
  r.text = trim_blanks_(ci_text_);
  set_menu_values_(r, r.text);
  r.shortcut = trim_blanks_(ci_shortcut_);
  r.alt_key = trim_blanks_(ci_altkey_);
  r.checked = pmChecked;
  r.enabled = true_;
  r.visible = ci_visible_;
  r.bold = ci_boldtext_;
  r.icon = ci_icon_;
  r.colour = ci_color_;
  r.height = r.text == "-" ? 6 : ui_metrics_.list_row_h_;
  list_items.push_back(std::move(r));
  const int32_t id = ++combo_count;
  for (int32_t i = 1; i <= item_count; ++i) {
    panel_item_rec_& it = items[size_t(i)];
    if (it.kind == panel_combo_ && trim_blanks_(it.key) == owner && it.combo_value == 0) {
      it.combo_value = id;
      break;
    }
  }
  return id;
}

bool xcpanelbox_::list_open_() const { return win_ex && win_ex->visible_(); }

void xcpanelbox_::show_combolist_(window_handle_ p_hwnd_, const std::string& combo_key_, int32_t smx_,
                                  int32_t smy_) {
  if (ComboShow) ComboShow();
  if (list_open_()) hide_winex_();
  list_key = combo_key_;
  list_item = key2id_(combo_key_);
  win_ex->hide_();
  if (list_item == 0) return;
  do_events_();
  if (!valid_item_(list_item)) return;  // the host rebuilt the panel meanwhile

  const panel_item_rec_& it = items[size_t(list_item)];
  const pixel_rect_ panel = win->client_rect_();
  const int32_t x0 = panel.left + it.painted_x;
  const int32_t y0 = panel.top + it.painted_y + it.painted_h - 2 * it.margin;
  const int32_t min_w = it.painted_w;
  list_hot_row = -1;
  // Rows painted hot in an earlier list must not be picked by a press in this one.
  picked_key.clear();
  picked_value = 0;

  int32_t widest = 0, sum = 0;
  for (int32_t i = 1; i <= combo_count; ++i) {
    const panel_list_item_rec_& r = list_items[size_t(i)];
    if (r.owner_key != list_key || r.visible == 0) continue;
    const int32_t w = r.value_list == 1 ? int32_t(r.values.size()) * r.height
                                        : panel_text_width_(r.text, r.bold != 0) +
                                              panel_text_width_(r.shortcut, r.bold != 0);
    widest = std::max(widest, w);
    sum += r.height;
  }
  const int32_t height = std::max(sum + 4, 10);
  const int32_t width = std::max(widest + ui_metrics_.menu_row_h_ + 10, min_w);
  const int32_t x = smx_ >= 0 ? smx_ : x0, y = smy_ >= 0 ? smy_ : y0;

  capture_popup_background_(2, nullptr, x, y, width + 5, height + 5);
  win_ex->make_top_level_(find_window_(p_hwnd_), x, y);
  win_ex->move_(x, y, width + 5, height + 5);
  set_window_shape_(*win_ex, true_, true_);
  list_mouse_x = list_mouse_y = -1;
  paint_drop_list_();
  popup_open_ = true_;
  const window_* active = active_window_();
  active_before_list = active ? active->handle_() : 0;
  win_ex->enable_(true);
  win_ex->show_no_activate_();
  win_ex->raise_();
  release_capture_();
  win_ex->set_capture_();
}

void xcpanelbox_::paint_drop_list_() {
  if (!win_ex) return;
  dc_ dc(win_ex->client_surface_());
  const int32_t W = win_ex->client_width_(), H = win_ex->client_height_();
  const skin_palette_rec_& p = skin_palette_;
  dc.fill_rectangle_({0, 0, W, H}, uint32_t(p.color_popup_menu));
  blit_popup_background_(2, dc, 0, 0, W, H);
  fill_rect_(dc, 0, 0, W - 5, H - 5, p.color_popup_menu, p.color_popup_menu);
  const font_ old_font = dc.select_font_(ui_font_());
  dc.set_bk_mode_(bk_mode_::transparent_);

  // What a press would pick is decided afresh by every painting: only the row or cell under
  // the pointer, never one left over from an earlier position or list.
  picked_key.clear();
  picked_value = 0;
  list_hot_row = -1;
  bool cell_hot = false;
  const int32_t n = W - 4, mx = list_mouse_x, my = list_mouse_y;
  const int32_t cell_border = blend_colors_(p.color_popup_margin, p.color_popup_border, 0.25f);
  const int32_t frame = blend_colors_(p.color_popup_border, p.color_text_border, 0.5f);
  int32_t y = 2;
  for (int32_t id = 1; id <= combo_count; ++id) {
    const panel_list_item_rec_& r = list_items[size_t(id)];
    if (r.owner_key != list_key || r.visible == 0) continue;
    const bool separator = r.text == "-";
    if (!is_cell_row_(r) && 2 <= mx && mx < n - 3 && y <= my && my < y + r.height) list_hot_row = id;
    if (separator) {
      const int32_t from = ui_metrics_.menu_row_h_ + 2, to = W - 8;
      dc.fill_rectangle_({from, y + 2, to, y + 3},
                         uint32_t(blend_colors_(p.color_menu_text_dis, p.color_main_menu, 0.5f)));
      dc.fill_rectangle_({from, y + 3, to, y + 4},
                         uint32_t(blend_colors_(p.color_menu_text_dis, p.color_main_menu, 0.95f)));
    } else if (is_cell_row_(r)) {
      const int32_t c = std::max(r.height, 4);
      for (size_t k = 0; k < r.values.size(); ++k) {
        const int32_t cx = 2 + int32_t(k) * c;
        if (!cell_hot && cx <= mx && mx <= cx + c && y <= my && my <= y + c) {
          cell_hot = true;
          draw_menu_item_(dc, cx, y, c, c, "", 0, 0, true_, 0, true_, "", 0, 0, 0, 0);
          picked_value = int32_t(k) + 1;
          picked_key = r.key;
        }
        if (r.values[k] >= 0) fill_rect_(dc, cx + 4, y + 4, c - 8, c - 8, r.values[k], cell_border);
      }
    } else {
      const int32_t indent = r.icon > 0 || r.colour >= 0 ? ui_metrics_.list_row_h_ : 0;
      const bool hot = list_hot_row == id && !cell_hot;
      draw_menu_item_(dc, 2, y, n - 5, r.height, r.text, indent, r.icon, hot ? true_ : false_, 0, true_, "", 0, 0,
                      0, 0);
      if (hot) {
        picked_key = r.key;
        picked_value = 0;
      }
      if (r.colour >= 0)
        fill_rect_(dc, 6, y + 4, indent - 8, indent - 8, r.colour, blend_colors_(r.colour, frame, 0.5f));
    }
    const int32_t top = y;
    y += r.height;
    if (!separator && top > H) break;
  }
  const int32_t fw = W - 5, fh = H - 5;
  if (fw > 0 && fh > 0) {
    dc.fill_rectangle_({0, 0, fw, 1}, uint32_t(frame));
    dc.fill_rectangle_({0, fh - 1, fw, fh}, uint32_t(frame));
    dc.fill_rectangle_({0, 0, 1, fh}, uint32_t(frame));
    dc.fill_rectangle_({fw - 1, 0, fw, fh}, uint32_t(frame));
  }
  dc.select_font_(old_font);
  win_ex->invalidate_();
}

void xcpanelbox_::list_mouse_move_(int32_t x, int32_t y) {
  list_mouse_x = x;
  list_mouse_y = y;
  paint_drop_list_();
}

void xcpanelbox_::list_mouse_up_() { paint_drop_list_(); }

void xcpanelbox_::list_mouse_down_() {
  const std::string key = trim_blanks_(picked_key);
  const int32_t value = picked_value;
  if (!key.empty() && valid_item_(list_item)) {
    int32_t found = 0;
    for (int32_t i = 1; i <= combo_count && !found; ++i)
      if (trim_blanks_(list_items[size_t(i)].key) == key) found = i;
    items[size_t(list_item)].combo_value = found;
    if (ComboItemClick) ComboItemClick(picked_key, value);
  }
  hide_winex_();
}

void xcpanelbox_::list_lost_focus_() {
  hide_winex_();
  paint_panel_(0, 0);
}

void xcpanelbox_::hide_winex_() {
  list_mouse_x = list_mouse_y = -1;
  list_button = 0;
  pressed_item = 0;
  if (win_ex) {
    if (win_ex->has_capture_()) release_capture_();
    const bool was_open = win_ex->visible_();
    win_ex->hide_();
    // Platforms that activate a window as it shows (at once or later) would leave the list
    // active: the window that was active before gets the activation back.
    if (window_* back = find_window_(active_before_list); was_open && back) back->activate_();
  }
  popup_open_ = 0;
  free_popup_background_(0);
}

std::string xcpanelbox_::cvalue_(const std::string& key_) {
  for (int32_t i = 1; i <= combo_count; ++i) {
    if (list_items[size_t(i)].owner_key != key_) continue;
    if (const int32_t id = key2id_(key_)) items[size_t(id)].combo_value = i;
    return list_items[size_t(i)].text;
  }
  return "";
}

void xcpanelbox_::cvalue_(const std::string& key_, const std::string& keyitem_) {
  const int32_t id = key2id_(key_);
  if (id == 0) return;
  for (int32_t i = 1; i <= combo_count; ++i)
    if (list_items[size_t(i)].key == keyitem_) {
      items[size_t(id)].combo_value = i;
      return;
    }
}
