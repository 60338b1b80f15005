// The combo box's members, the opening and closing of its drop list, and its mouse, keys,
// wheel and focus. The list is a child surface of the field that becomes an owned top-level
// window under the field while open. combo_list_open_ follows the list: whoever hides it (the
// combo, or the shell collapsing the open drop-down on a frame press), the flag is cleared and
// the combo treats its list as closed.
#include <algorithm>

#include "platform/input/cursor.h"
#include "platform/input/key_codes.h"
#include "platform/window/event_loop.h"
#include "shell/frame_state.h"
#include "shell/ui_metrics.h"
#include "ui/controls/combo/combo.h"

xccombobox_::xccombobox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height, combo_props_ props)
    : xc_control_(xc_kind_::combobox, host, x, y, width, height, true), saved_(props) {
  window_* w = win_();
  if (!w) return;
  window_options_ lo;
  lo.kind = window_kind_::child;
  lo.parent = w;
  lo.x = 0;
  lo.y = height;
  lo.width = width;
  lo.height = 100;
  lo.takes_focus = false;
  list_ = create_window_(lo);
  list_->hide_();
  list_->on_mouse = [this](const mouse_event_& m) { on_list_mouse_(m); };
  list_->on_key = [this](const key_event_& k) { on_key_(k); };
  // The shell hides the open drop-down by collapsing it to nothing.
  list_->on_resize = [this](int32_t lw, int32_t lh) {
    if ((lw <= 0 || lh <= 0) && st_.list_open == true_) list_closed_();
  };

  // Some platforms activate the shown list; the list going inactive is then the focus loss.
  list_->on_activate = [this](bool active) {
    if (active || !list_visible_()) return;
    window_* f = win_();
    if (f && (f->has_focus_() || f == focused_window_())) return;
    on_focus_(false);
  };

  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) { on_key_(k); };
  w->on_focus = [this](bool got) { on_focus_(got); };
  w->on_resize = [this](int32_t fw, int32_t fh) {
    if (window_* l = list_window_(); l && l->kind_() == window_kind_::child) l->move_(0, fh, fw, l->client_height_());
    refresh_();
  };
  w->show_();
  // The saved properties, in their saved order.
  text(props.text);
  ForeColor(props.fore_color);
  Enabled(props.enabled);
}

xccombobox_::~xccombobox_() {
  if (st_.list_open == true_) combo_list_open_ = false_;
  if (list_) {
    list_->on_mouse = nullptr;
    list_->on_key = nullptr;
    list_->on_resize = nullptr;
    list_->on_activate = nullptr;
    if (list_->exists_() && list_->has_capture_()) release_capture_();
    list_.reset();
  }
}

bool xccombobox_::list_visible_() const {
  const window_* l = list_window_();
  return l && l->visible_();
}

// ---- members ----

void xccombobox_::focus_() {
  window_* w = win_();
  st_.focused = to_flag_(w && focused_window_() == w);
  paint_field_(-1);
}

void xccombobox_::text(std::string_view value) {
  st_.text = std::string(value);
  paint_field_(-1);
  const int32_t i = combo_find_text_(st_, value);
  if (i >= 0) st_.list_index = st_.hot_row = i;
  saved_.text = st_.text;
}

void xccombobox_::Enabled(flag16_ value) {
  st_.enabled = value;
  if (window_* w = win_()) w->enable_(value != false_);
  paint_field_(st_.mouse_inside == true_ && value == true_ ? 2 : 1);
  saved_.enabled = value;
}

void xccombobox_::ForeColor(int32_t value) {
  st_.fore_color = value;
  paint_field_(-1);
  saved_.fore_color = value;
}

void xccombobox_::ListIndex(int32_t value) {
  const int32_t m = st_.items.size() > 1 ? int32_t(st_.items.size()) - 1 : 0;
  st_.list_index = std::clamp(value, 0, m);
  if (!st_.items.empty()) text(st_.items[size_t(st_.list_index)].text.text);
  st_.hot_row = st_.list_index;
  paint_field_(-1);
}

namespace {
int32_t getter_index(const combo_state_& st, int32_t id) {
  if (id < 0 || id > std::max(int32_t(st.items.size()) - 1, 0)) return -1;
  return combo_item_at_(st, id);
}
}  // namespace

std::string xccombobox_::List(int32_t id, flag16_ t2) const {
  const int32_t i = getter_index(st_, id);
  if (i < 0) return {};
  return t2 == true_ ? st_.items[size_t(i)].extra : st_.items[size_t(i)].text.text;
}
int32_t xccombobox_::ListValue(int32_t id) const {
  const int32_t i = getter_index(st_, id);
  return i < 0 ? 0 : st_.items[size_t(i)].value;
}
std::string xccombobox_::ListStrValue(int32_t id) const {
  const int32_t i = getter_index(st_, id);
  return i < 0 ? std::string() : st_.items[size_t(i)].str_value;
}
std::string xccombobox_::ListStrExValue(int32_t id) const {
  const int32_t i = getter_index(st_, id);
  return i < 0 ? std::string() : st_.items[size_t(i)].extra;
}
std::string xccombobox_::ListStrExValue2(int32_t id) const {
  const int32_t i = getter_index(st_, id);
  return i < 0 ? std::string() : st_.items[size_t(i)].extra2;
}

void xccombobox_::Clear() {
  window_* l = list_window_();
  window_* w = win_();
  if (l && w && l->kind_() != window_kind_::child) {
    if (l->visible_()) hide_list_();
    l->make_child_(*w, 0, w->client_height_());
  }
  st_.items.clear();
  st_.list_index = -1;
  st_.has_colours = st_.needs_bar = false_;
  st_.top_row = 0;
}

void xccombobox_::show_combo_() {
  paint_field_(4);
  open_list_();
}

void xccombobox_::HideCombo() {
  st_.focused = false_;
  hide_list_();
  paint_field_(-1);
}

// ---- the list's life ----

void xccombobox_::list_closed_() {
  if (st_.list_open != true_) return;
  st_.list_open = false_;
  combo_list_open_ = false_;
}

// A list hidden behind the combo's back (any way but the collapse the shell uses) is noticed
// at the combo's next event.
void xccombobox_::sync_list_flag_() {
  if (st_.list_open == true_ && !list_visible_()) list_closed_();
}

void xccombobox_::hide_list_() {
  if (window_* l = list_window_()) {
    if (l->has_capture_()) release_capture_();
    l->hide_();
  }
  list_closed_();
}

void xccombobox_::open_list_() {
  const std::weak_ptr<int> alive = life_;
  raise_(ComboShow);
  if (alive.expired()) return;
  window_* l = list_window_();
  window_* w = win_();
  if (!l || !w) return;
  st_.list_x = st_.list_y = 0;
  st_.list_pressed = false_;
  paint_list_();
  if (const auto& set = combo_shell_hooks_in_use_().set_open_dropdown) set(l->handle_());
  st_.over_list = false_;
  st_.scroll_min = 0;
  st_.last_index = int32_t(st_.items.size()) - 1;
  const pixel_rect_ field = w->window_rect_();
  const int32_t height = combo_list_height_(st_, ui_metrics_.list_row_h_);
  st_.scroll_max = int32_t(st_.items.size()) - st_.max_visible;
  if (l->kind_() == window_kind_::child) l->make_top_level_(w, field.left, field.bottom);
  l->move_(field.left, field.bottom, field.right - field.left, height);
  paint_field_(4);
  l->show_no_activate_();
  combo_list_open_ = true_;
  st_.list_open = true_;
  l->raise_();
  paint_list_();
  w->update_();
  if (!w->has_focus_()) w->set_focus_();
}

void xccombobox_::step_list_(int32_t delta) {
  if (delta < 0) st_.top_row = std::max(st_.top_row + delta, st_.scroll_min);
  else st_.top_row = std::min(st_.top_row + delta, st_.scroll_max);
}

// ---- wheel ----

flag16_ xccombobox_::call_mscroll_(int16_t scroll_val) {
  sync_list_flag_();
  const window_* l = list_window_();
  if (!l) return false_;
  const pixel_rect_ r = l->window_rect_();
  const pixel_point_ at = cursor_pos_();
  if (at.x < r.left || at.x > r.right || at.y < r.top || at.y > r.bottom) return false_;
  flag16_ result = false_;
  if (scroll_val != 0 && list_visible_() && st_.needs_bar == true_) {
    step_list_(scroll_val > 0 ? 1 : -st_.page_step);
    paint_list_();
    do_events_();
    result = true_;
  }
  raise_(MouseScroll, scroll_val);
  return result;
}

// ---- mouse ----

void xccombobox_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  sync_list_flag_();
  const int32_t W = w->client_width_(), H = w->client_height_();
  const bool inside = m.x >= 0 && m.x <= W && m.y >= 0 && m.y <= H;
  switch (m.type) {
    case mouse_type_::move: {
      st_.mouse_inside = to_flag_(inside);
      if (!inside) paint_field_(1);
      else if (st_.left_pressed == true_) paint_field_(4);
      else paint_field_(m.x >= W - 16 ? 3 : 2);
      raise_(MouseMove, int16_t(m.buttons), int16_t(m.shift & 7), float(m.x), float(m.y));
      if (!win_()) return;
      const bool was = st_.captured == true_;
      if (!track_hover_capture_(*w, m.x, m.y, st_.captured) && was) {
        st_.list_x = st_.list_y = -1;
        st_.list_pressed = false_;
      }
      break;
    }
    case mouse_type_::down:
      if (m.button != button_left_) break;
      st_.dbl_click = st_.focused = st_.left_pressed = st_.mouse_pressed = true_;
      paint_field_(4);
      if (!list_visible_()) {
        const std::weak_ptr<int> alive = life_;
        raise_(Click);
        if (!alive.expired()) open_list_();
      } else {
        hide_list_();
      }
      break;
    case mouse_type_::double_click:
      if (st_.dbl_click == true_) {
        paint_field_(-1);
        raise_(DblClick);
      }
      break;
    case mouse_type_::up:
      if (m.button != button_left_) break;
      st_.dbl_click = false_;
      st_.mouse_inside = to_flag_(inside);
      paint_field_(inside ? (m.x >= W - 16 ? 3 : 2) : 1);
      if (inside && st_.focused == true_ && st_.left_pressed == true_) {
        st_.left_pressed = st_.mouse_pressed = false_;
        raise_(Click);
        return;
      }
      st_.left_pressed = st_.mouse_pressed = false_;
      break;
    case mouse_type_::wheel:
      if (const auto& route = combo_shell_hooks_in_use_().route_mouse_wheel) {
        if (window_* host = host_()) route(host->handle_(), m);
      }
      break;
    default:
      break;
  }
}

void xccombobox_::on_list_mouse_(const mouse_event_& m) {
  window_* l = list_window_();
  if (!l) return;
  const std::weak_ptr<int> alive = life_;
  switch (m.type) {
    case mouse_type_::move: {
      st_.over_list = true_;
      st_.list_x = m.x;
      st_.list_y = m.y;
      int32_t drag = st_.top_row;
      paint_list_(&drag);
      if (st_.pressed_part == 2) {
        st_.top_row = drag;
        paint_list_();
      }
      break;
    }
    case mouse_type_::down:
    case mouse_type_::double_click: {
      st_.list_x = m.x;
      st_.list_y = m.y;
      st_.list_pressed = true_;
      st_.press_time = control_seconds_();
      l->set_capture_();
      st_.pressed_part = paint_list_();
      const int32_t part = st_.pressed_part;
      if (part == 2) break;
      if (part != 0 || st_.hot_row < 0) {
        // The held button: one step at once, then none until 0.33 s after the press, then one a pass.
        for (bool first = true; st_.needs_bar == true_ && list_visible_(); first = false) {
          const int32_t under = paint_list_();
          if (under < 1 || under == 2 || under > 5) break;
          if (first || control_seconds_() - st_.press_time > 0.33) {
            step_list_(under == 1 ? -1 : under == 3 ? 1 : under == 4 ? -st_.page_step : st_.page_step);
            paint_list_();
          }
          control_pause_(1);
          if (alive.expired()) return;
        }
        break;
      }
      const int32_t row = st_.hot_row;
      st_.list_index = row;
      st_.text = st_.items[size_t(row)].text.text;
      raise_(ItemClick, row);
      if (alive.expired()) return;
      hide_list_();
      break;
    }
    case mouse_type_::up:
      if (st_.pressed_part > 0) st_.pressed_part = 0;
      st_.list_pressed = false_;
      if (l->has_capture_()) release_capture_();
      paint_field_(1);
      paint_list_();
      break;
    case mouse_type_::wheel:
      if (const auto& route = combo_shell_hooks_in_use_().route_mouse_wheel) {
        if (window_* host = host_()) route(host->handle_(), m);
      } else if (combo_list_open_ == true_) {
        call_mscroll_(m.wheel < 0 ? 1 : -1);
      }
      break;
    default:
      break;
  }
}

// ---- keys and focus ----

void xccombobox_::on_key_(const key_event_& k) {
  sync_list_flag_();
  const std::weak_ptr<int> alive = life_;
  if (k.type == key_type_::up) {
    if (k.key_code == key_space_ && st_.mouse_pressed != true_) {
      paint_field_(st_.mouse_inside == true_ ? 2 : 1);
      const bool click = st_.left_pressed == true_;
      st_.space_down = st_.left_pressed = false_;
      if (click) raise_(Click);
    }
    return;
  }
  if (k.type != key_type_::down) return;
  const bool scrollable = list_visible_() && st_.needs_bar == true_;
  switch (k.key_code) {
    case key_return_: raise_(Click); break;
    case key_escape_: HideCombo(); break;
    case key_space_:
      if (st_.mouse_pressed != true_) {
        st_.space_down = st_.left_pressed = true_;
        paint_field_(4);
      }
      break;
    case key_prior_:
    case key_next_:
    case key_end_:
    case key_home_:
    case key_up_:
    case key_down_:
      if (!scrollable) break;
      if (k.key_code == key_prior_) step_list_(-st_.page_step);
      else if (k.key_code == key_next_) step_list_(st_.page_step);
      else if (k.key_code == key_end_) st_.top_row = st_.scroll_max;
      else if (k.key_code == key_home_) st_.top_row = st_.scroll_min;
      else step_list_(k.key_code == key_up_ ? -1 : 1);
      paint_list_();
      do_events_();
      break;
    default:
      break;
  }
  if (alive.expired()) return;
  if (k.key_code == key_right_ || k.key_code == key_down_) {
    open_list_();
    if (alive.expired()) return;
    paint_list_();
  }
  raise_(KeyDown, int16_t(k.key_code), int16_t(k.shift & 7));
}

void xccombobox_::on_focus_(bool got) {
  if (got) {
    st_.focused = true_;
    paint_field_(st_.mouse_inside == true_ ? 2 : -1);
    focus_loop_(host_());
    return;
  }
  // Showing the list may deactivate the host on some platforms while the focus stays put, or
  // activate the list itself: neither is the focus leaving the combo.
  if (window_* l = list_window_(); l && l->visible_()) {
    const window_* f = focused_window_();
    if (f == l || f == win_() || active_window_() == l) return;
  }
  hide_list_();
  st_.focused = st_.left_pressed = st_.space_down = false_;
  if (st_.enabled != true_) paint_field_(-1);
  else paint_field_(st_.mouse_inside == true_ ? 2 : 1);
}
