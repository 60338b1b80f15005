// The ribbon's drop-down windows: opening (size, place, captured background, shape, shown on
// top), closing, and their input per mode. Picks close the window before the event is raised,
// so a host handler sees the ribbon closed.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/core/types.h"
#include "platform/gdi/font.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/frame_proc.h"
#include "shell/frame_state.h"
#include "shell/frame_table.h"
#include "ui/controls/ribbon/popup_capture.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/popup_background.h"

namespace {

bool holds(const window_& w, pixel_point_ c) {
  pixel_rect_ r = w.window_rect_();
  return c.x >= r.left && c.x <= r.right && c.y >= r.top && c.y <= r.bottom;
}

int32_t to_long(const std::string& s) { return int32_t(std::strtol(s.c_str(), nullptr, 10)); }

}  // namespace

// ---- Common to the openers.

pixel_point_ xribbon_control_::bar_origin_in_host_() const {
  pixel_rect_ b = bar_->client_rect_(), h = host_.client_rect_();
  return {b.left - h.left, b.top - h.top};
}

void xribbon_control_::capture_background_(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h) {
  capture_popup_over_(slot, host_, false, x, y, w, h);
}

void xribbon_control_::show_dropdown_(window_& w, int32_t x, int32_t y, int32_t width, int32_t height) {
  w.make_child_(host_, x, y);
  w.move_(x, y, width, height);
  set_window_shape_(w, true_, true_);
}

bool xribbon_control_::popup_row_(int32_t i, int32_t owner, int32_t group) const {
  const menu_item_rec_& it = r_.popup[i];
  return is_set_(it.visible) && it.owner_id == owner && (group == 0 || it.group_index == group);
}

int32_t xribbon_control_::measure_text_(const std::string& text, bool bold) const {
  font_ f = r_.font();
  f.weight = bold ? 700 : 400;
  return text_measurer_in_use_().width_(f, text);
}

// ---- Closing.

void xribbon_control_::hide_winex_() {
  r_.press.mouse_x = -1, r_.press.mouse_y = -1, r_.press.button_down = false_;
  r_.dropdown.ex1_mouse = {};
  r_.dropdown.ex2_mouse = {};
  popup_open_ = 0;
  r_.press.app_pressed = false_;
  r_.press.pressed_control = 0, r_.press.pressed_toolbar = 0, r_.press.pressed_corner = 0;
  window_* cap = capture_window_();
  if (cap == ex1_.get() || cap == ex2_.get()) release_capture_();
  ex1_->hide_();
  ex2_->hide_();
  r_.dropdown.mode = dropdown_none_;
  free_popup_background_(0);
}

// ---- Openers.

void xribbon_control_::open_main_menu_() {
  do_events_();
  if (ex1_->visible_()) return;
  if (r_.ShowEx) r_.ShowEx();
  r_.dropdown.mode = dropdown_main_menu_;
  clear_key_tips_();
  const ui_metrics_rec_& m = r_.metrics();
  pixel_point_ o = bar_origin_in_host_();
  const int32_t x = o.x, y = o.y + r_.frame_top_offset_() + m.ribbon_top_row_h_ + 1;
  int32_t content_h = 0;
  for (int32_t i = 1; i <= r_.mainmenu_count; ++i)
    if (is_set_(r_.mainmenu[i].visible)) content_h += r_.mainmenu[i].height;
  app_menu_insets_rec_ in;
  draw_main_menu_frame_(0, nullptr, 0, 0, 0, 0, in, "", "", 0, 0);
  const int32_t w = 200 + in.left + in.right + 5, h = content_h + in.top + in.bottom + 5;
  capture_background_(1, x, y, w, h);
  show_dropdown_(*ex1_, x, y, w, h);
  popup_open_ = 0;
  r_.dropdown.ex1_width = ex1_->client_width_(), r_.dropdown.ex1_height = ex1_->client_height_();
  paint_main_menu_();
  ex1_->show_no_activate_();
  ex1_->raise_();
}

void xribbon_control_::open_collapsed_toolbar_(int32_t toolbar_id) {
  if (r_.ShowEx) r_.ShowEx();
  ex1_->hide_();
  do_events_();
  const ui_metrics_rec_& m = r_.metrics();
  pixel_point_ o = bar_origin_in_host_();
  const bool known = toolbar_id >= 1 && toolbar_id <= r_.toolbar_count;
  int32_t x = o.x + (known ? r_.toolbars[toolbar_id].left : 0);
  const int32_t y = o.y + r_.frame_top_offset_() + m.ribbon_base_h_ - 4;
  const int32_t w = (known ? r_.toolbars[toolbar_id].min_width : 0) + 5;
  const int32_t h = r_.hit.body_height + 1 + 5;
  if (x + w > host_.client_width_()) x = host_.client_width_() - w;
  r_.dropdown.collapsed_toolbar = toolbar_id;
  if (toolbar_id < 1) return;
  capture_background_(1, x, y, w, h);
  show_dropdown_(*ex1_, x, y, w, h);
  // The corner-button hit test reads the window's size.
  r_.dropdown.ex1_width = ex1_->client_width_(), r_.dropdown.ex1_height = ex1_->client_height_();
  paint_collapsed_toolbar_();
  popup_open_ = -1;
  ex1_->show_no_activate_();
  ex1_->raise_();
}

void xribbon_control_::open_button_dropdown_(int32_t toolbar_id, int32_t control_id, int32_t group_part) {
  if (r_.ShowEx) r_.ShowEx();
  clear_key_tips_();
  ex2_->hide_();
  do_events_();
  if (control_id < 1 || control_id > r_.control_count) return;
  const ui_metrics_rec_& m = r_.metrics();
  const ribbon_control_rec_& c = r_.controls[control_id];
  const int32_t state = toolbar_id >= 1 && toolbar_id <= r_.toolbar_count ? r_.toolbars[toolbar_id].fit_state : 0;
  const ribbon_rect_& q = state == toolbar_standard_ ? c.std_rect : c.min_rect;
  pixel_point_ o = bar_origin_in_host_();
  int32_t x = 0, y = 0;
  if (state == toolbar_collapsed_) {
    pixel_rect_ e = ex1_->window_rect_(), b = bar_->window_rect_();
    x = e.left - b.left + q.x + 2;
    y = e.top - b.top + q.y + 2 + q.h;
  } else {
    x = (toolbar_id >= 1 && toolbar_id <= r_.toolbar_count ? r_.toolbars[toolbar_id].left : 0) + q.x + 2;
    y = m.ribbon_top_row_h_ + 6 + q.y + q.h;
  }
  x += o.x, y += o.y;
  r_.press.pressed_drop = control_id;
  r_.press.pressed_cell = group_part;
  r_.dropdown.mode = c.type == ribbon_combo_ ? dropdown_list_ : dropdown_popup_;

  ribbon_dropdown_state_& d = r_.dropdown;
  d.list_min = d.list_max = d.list_top = d.list_rows = 0;
  d.list_scroll_shown = false_;
  d.list_hot = -1;
  int32_t content_w = 0, content_h = 0;
  for (int32_t i = 1; i <= r_.popup_count; ++i) {
    if (!popup_row_(i, control_id, group_part)) continue;
    menu_item_rec_& it = r_.popup[i];
    ++d.list_max;
    int32_t w = it.height >= m.big_item_h_ ? m.big_menu_row_h_ : m.menu_row_h_;
    if (it.value_list)
      w += int32_t(it.values.size()) * it.height;
    else {
      w += measure_text_(it.text, is_set_(it.bold));
      it.shortcut = trim_blanks_(it.shortcut);
      if (!it.shortcut.empty()) w += measure_text_(it.shortcut, is_set_(it.bold)) + 15;
    }
    content_w = std::max(content_w, w);
    if (d.mode == dropdown_popup_) {
      content_h += it.height;
    } else if (d.list_rows < 10) {
      content_h += it.height;
      ++d.list_rows;
    } else {
      d.list_scroll_shown = true_;
    }
  }
  content_h = std::max(content_h + 4, 10);
  content_w = std::max(content_w + 15, q.w);
  d.list_page = d.list_rows;
  if (x + content_w > host_.client_width_()) x = host_.client_width_() - content_w;
  y += r_.frame_top_offset_();
  capture_background_(2, x, y, content_w + 5, content_h + 5);
  show_dropdown_(*ex2_, x, y, content_w + 5, content_h + 5);
  if (d.list_max >= 1) {
    const int32_t total = d.list_max;
    d.list_min = 1, d.list_top = 1;
    d.list_page = std::max(d.list_page, 1);
    d.list_thumb = 10;
    update_list_thumb_();
    d.list_max = total - d.list_rows + 1;
  }
  popup_open_ = -1;
  if (d.mode == dropdown_popup_)
    paint_popup_menu_();
  else {
    int32_t unused = 0;
    paint_drop_list_(unused);
  }
  ex2_->show_no_activate_();
  ex2_->raise_();
}

void xribbon_control_::show_popupmenu_(int32_t pm_id_, int32_t x_, int32_t y_) {
  if (r_.ShowEx) r_.ShowEx();
  clear_key_tips_();
  ex2_->hide_();
  do_events_();
  const ui_metrics_rec_& m = r_.metrics();
  r_.press.pressed_drop = pm_id_;
  r_.press.pressed_cell = 0;
  ribbon_dropdown_state_& d = r_.dropdown;
  d.mode = dropdown_popup_;
  d.list_min = d.list_max = d.list_top = d.list_rows = 0;
  d.list_scroll_shown = false_;
  d.list_hot = -1;
  int32_t w = 0, h = 0;
  for (int32_t i = 1; i <= r_.popup_count; ++i) {
    if (!popup_row_(i, pm_id_, 0)) continue;
    menu_item_rec_& it = r_.popup[i];
    int32_t rw = it.height >= m.big_item_h_ ? m.big_menu_row_h_ : m.menu_row_h_;
    if (it.value_list)
      rw += int32_t(it.values.size()) * it.height;
    else {
      rw += measure_text_(it.text, is_set_(it.bold));
      it.shortcut = trim_blanks_(it.shortcut);
      if (!it.shortcut.empty()) rw += measure_text_(it.shortcut, is_set_(it.bold)) + 15;
    }
    w = std::max(w, rw);
    h += it.height;
  }
  h = std::max(h + 4, 10);
  w += 15;
  const int32_t right = host_.client_width_(), bottom = host_.client_height_();
  int32_t x = x_, y = y_;
  if (x + w > right - 4) x = right - w - 4;
  if (y + h > bottom - 4) {
    y = bottom - h - 4;
    if (y < 0) y = 0;
  }
  y += r_.frame_top_offset_();
  capture_background_(2, x, y, w + 5, h + 5);
  show_dropdown_(*ex2_, x, y, w + 5, h + 5);
  popup_open_ = -1;
  paint_popup_menu_();
  ex2_->show_no_activate_();
  ex2_->raise_();
}

void xribbon_control_::update_list_thumb_() {
  ribbon_dropdown_state_& d = r_.dropdown;
  double ratio = 0;
  if (d.list_max - d.list_min >= 1)
    ratio = std::clamp(std::fabs(double(d.list_page)) / std::fabs(double(d.list_max - d.list_min + 1)), 0.0, 1.0);
  d.list_thumb = cint32_(ratio * (ex2_->client_height_() - 34));
  if (d.list_thumb < 7) d.list_thumb = 17;  // as the list has always drawn it
}

// ---- Capture: the ribbon's window under the cursor takes every move.

void xribbon_control_::track_mouse_capture_(int16_t mode) {
  auto ours = [this](window_* w) { return w && (w == bar_.get() || w == ex1_.get() || w == ex2_.get()); };
  if (mode == -1) {
    if (ours(capture_window_())) release_capture_();
    return;
  }
  const ribbon_dropdown_state_& d = r_.dropdown;
  const bool scroll_held = d.mode == dropdown_list_ && d.list_pressed_part >= 1 && is_set_(d.list_scroll_shown);
  pixel_point_ c = cursor_pos_();
  window_* target = nullptr;
  if (holds(*bar_, c)) target = bar_.get();
  if (ex1_->visible_() && holds(*ex1_, c)) target = ex1_.get();
  if (ex2_->visible_() && holds(*ex2_, c)) target = ex2_.get();
  if (scroll_held) return;
  if (target) {
    if (capture_window_() != target) target->set_capture_();
  } else if (ours(capture_window_())) {
    release_capture_();
  }
}

// ---- Drop-down input.

void xribbon_control_::attach_dropdown_handlers_() {
  ex1_->on_mouse = [this](const mouse_event_& e) { ex1_mouse_(e); };
  ex2_->on_mouse = [this](const mouse_event_& e) { ex2_mouse_(e); };
  ex1_->on_key = [this](const key_event_& e) { raise_key_(e); };
  ex2_->on_key = [this](const key_event_& e) { raise_key_(e); };
  ex1_->on_focus = [this](bool got) { dropdown_focus_(true, got); };
  ex2_->on_focus = [this](bool got) { dropdown_focus_(false, got); };
  ex1_->on_resize = [this](int32_t, int32_t) {
    if (ex1_->visible_() && r_.dropdown.mode == dropdown_none_) paint_collapsed_toolbar_();
  };
  ex2_->on_resize = [this](int32_t, int32_t) {
    if (!ex2_->visible_()) return;
    int32_t unused = 0;
    if (r_.dropdown.mode == dropdown_popup_) paint_popup_menu_();
    if (r_.dropdown.mode == dropdown_list_) paint_drop_list_(unused);
  };
}

void xribbon_control_::dropdown_focus_(bool ex1, bool got) {
  (ex1 ? r_.dropdown.ex1_focused : r_.dropdown.ex2_focused) = to_flag_(got);
  if (got) return;
  check_focus_later_();
  paint_bar_(true);
}

// The focus leaves one window before it reaches the next; the check waits until the new
// owner has taken it, so that moving between the bar and its windows keeps them open.
void xribbon_control_::check_focus_later_() {
  std::shared_ptr<bool> alive = alive_;
  post_task_([this, alive] {
    if (!*alive || is_set_(r_.any_part_focused_()) || !winex_visible_()) return;
    hide_winex_();
    paint_bar_(true);
  });
}

void xribbon_control_::ex1_mouse_(const mouse_event_& e) {
  ribbon_dropdown_state_& d = r_.dropdown;
  const bool menu = d.mode == dropdown_main_menu_;
  switch (e.type) {
    case mouse_type_::move:
      d.ex1_mouse.x = e.x, d.ex1_mouse.y = e.y;
      d.inside_ex1 = to_flag_(e.x >= 0 && e.x < ex1_->client_width_() && e.y >= 0 && e.y < ex1_->client_height_());
      if (menu)
        paint_main_menu_();
      else
        paint_collapsed_toolbar_();
      track_mouse_capture_(0);
      break;
    case mouse_type_::down:
    case mouse_type_::double_click:
      d.ex1_mouse.x = e.x, d.ex1_mouse.y = e.y, d.ex1_mouse.down = true_;
      if (menu)
        main_menu_down_();
      else
        collapsed_down_(e.x, e.y);
      break;
    case mouse_type_::up:
      if (!menu && d.mode == dropdown_none_) collapsed_up_(e.x, e.y);
      break;
    default: break;
  }
}

void xribbon_control_::main_menu_down_() {
  const int32_t hot = r_.dropdown.main_hot;
  if (hot == 0) return;  // a separator, the frame or an empty area: the menu stays open
  r_.press.app_pressed = false_;
  hide_winex_();
  paint_bar_(false);
  frame_caption_hover_();
  track_mouse_capture_(-1);
  if (hot >= 1 && hot <= r_.mainmenu_count) {
    if (r_.MainMenuClick) r_.MainMenuClick(r_.mainmenu[hot].key);
  } else if (hot == -1 || hot == -2) {
    if (r_.MainButtonClick) r_.MainButtonClick(int16_t(-hot));
  }
}

void xribbon_control_::collapsed_down_(int32_t x, int32_t y) {
  ribbon_press_state_& p = r_.press;
  r_.dropdown.mode = dropdown_none_;
  ex2_->hide_();
  std::string key;
  flag16_ arrow = false_;
  int32_t cell = 0;
  p.pressed_control = r_.control_at_(x, y, true, key, cell, arrow);
  p.pressed_drop = r_.hit.drop_control;
  p.pressed_toolbar = r_.toolbar_at_(x, y, true);
  p.pressed_corner = r_.hit.corner_toolbar;
  p.pressed_cell = cell;
  paint_collapsed_toolbar_();
  if (p.pressed_control < 1 || p.pressed_drop < 1) return;
  if (cell > 0 && is_set_(arrow))
    open_button_dropdown_(p.pressed_toolbar, p.pressed_control, cell);
  else if (cell == 0)
    open_button_dropdown_(p.pressed_toolbar, p.pressed_control, 0);
}

void xribbon_control_::collapsed_up_(int32_t x, int32_t y) {
  ribbon_press_state_& p = r_.press;
  r_.dropdown.ex1_mouse.x = x, r_.dropdown.ex1_mouse.y = y;
  std::string key;
  flag16_ arrow = false_;
  int32_t cell = 0;
  int32_t c = r_.control_at_(x, y, true, key, cell, arrow);
  std::function<void()> event;
  if (c == p.pressed_control) {
    if (c < 1) {
      r_.toolbar_at_(x, y, true);
      int32_t corner = r_.hit.corner_toolbar;
      if (corner >= 1 && corner == p.pressed_corner) {
        clear_key_tips_();
        track_mouse_capture_(-1);
        std::string k = r_.toolbars[corner].key;
        event = [this, k] {
          if (r_.ToolbarExBtnClick) r_.ToolbarExBtnClick(k);
        };
      }
    } else {
      p.pressed_drop = r_.hit.drop_control;
      if (p.pressed_drop == 0) {
        clear_key_tips_();
        track_mouse_capture_(-1);
        event = [this, key, cell] {
          if (r_.ButtonClick) r_.ButtonClick(key, int16_t(cell));
        };
      }
    }
  }
  // The event comes first, as it always has; the window closes after it.
  if (event) event();
  p.pressed_control = 0, p.pressed_toolbar = 0, p.pressed_corner = 0;
  hide_winex_();
  paint_bar_(true);
}

void xribbon_control_::ex2_mouse_(const mouse_event_& e) {
  ribbon_dropdown_state_& d = r_.dropdown;
  int32_t new_top = 0;
  switch (e.type) {
    case mouse_type_::move:
      d.ex2_mouse.x = e.x, d.ex2_mouse.y = e.y;
      track_mouse_capture_(0);
      if (d.mode == dropdown_popup_) paint_popup_menu_();
      if (d.mode == dropdown_list_) {
        paint_drop_list_(new_top);
        if (d.list_pressed_part == 2 && new_top != d.list_top) {
          d.list_top = std::clamp(new_top, d.list_min, std::max(d.list_min, d.list_max));
          paint_drop_list_(new_top);
        }
      }
      break;
    case mouse_type_::down:
    case mouse_type_::double_click:
      d.ex2_mouse.x = e.x, d.ex2_mouse.y = e.y, d.ex2_mouse.down = true_;
      d.list_press_time = float(clock());
      if (d.mode == dropdown_popup_) popup_down_();
      if (d.mode == dropdown_list_) list_down_(e.x, e.y);
      break;
    case mouse_type_::up:
      d.ex2_mouse.down = false_;
      d.list_pressed_part = 0;
      track_mouse_capture_(0);
      if (d.mode == dropdown_popup_) paint_popup_menu_();
      if (d.mode == dropdown_list_) paint_drop_list_(new_top);
      break;
    default: break;
  }
}

void xribbon_control_::popup_down_() {
  const std::string key = r_.dropdown.hot_popup_key;
  const int32_t cell = to_long(r_.dropdown.hot_cell);
  track_mouse_capture_(-1);
  hide_winex_();
  if (r_.PopupMenuClick) r_.PopupMenuClick(key, cell);
  paint_bar_(false);
}

void xribbon_control_::list_down_(int32_t x, int32_t y) {
  ribbon_dropdown_state_& d = r_.dropdown;
  int32_t new_top = 0;
  d.list_pressed_part = 0;
  d.list_pressed_part = paint_drop_list_(new_top);
  const int32_t part = d.list_pressed_part;
  if (part == 2) return;
  if ((part == 1 || part == 3 || part == 4 || part == 5) && is_set_(d.list_scroll_shown)) {
    list_auto_repeat_();
    return;
  }
  const int32_t row = d.list_hot;
  if (row < 1 || row > r_.popup_count) return;
  const int32_t owner = r_.press.pressed_drop;
  if (owner < 1 || owner > r_.control_count) return;
  const std::string key = r_.popup[row].key;
  r_.controls[owner].text = r_.popup[row].text;
  // A user-drawn combo (the layer list) keeps its list open after a pick.
  if (!is_set_(r_.controls[owner].user_draw)) hide_winex_();
  if (r_.ListItemClick) r_.ListItemClick(key, 0, x, y);
}

// One step at once, then none until the delay has passed, then one per turn until the
// release or until the cursor leaves the part. The delay runs on the monotonic clock.
void xribbon_control_::list_auto_repeat_() {
  ribbon_dropdown_state_& d = r_.dropdown;
  std::shared_ptr<bool> alive = alive_;
  const double pressed_at = clock();
  for (bool first = true;; first = false) {
    const bool due = first || clock() - pressed_at > 0.33;
    int32_t new_top = 0;
    const int32_t part = paint_drop_list_(new_top);
    if (part != 1 && part != 3 && part != 4 && part != 5) break;
    if (due) {
      int32_t top = d.list_top;
      top += part == 1 ? -1 : part == 3 ? 1 : part == 4 ? -d.list_page : d.list_page;
      d.list_top = std::clamp(top, d.list_min, std::max(d.list_min, d.list_max));
      paint_drop_list_(new_top);
    }
    sleep_ms_(1);
    do_events_();
    if (!*alive || d.mode != dropdown_list_) return;
  }
}
