// The status bar's members, mouse and keys. Holding a slider button runs a 50 ms loop inside
// the press handler that lets pending events run, so the moves and the release arrive in it.
#include "ui/controls/statusbar/statusbar.h"

namespace {
constexpr int32_t slider_repeat_ms = 50;
}

xcstatusbar_::xcstatusbar_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(xc_kind_::other, host, x, y, width, height, false) {
  window_* w = win_();
  if (!w) return;
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) { on_key_(k); };
  w->on_resize = [this](int32_t, int32_t) { repaint_(); };
  w->show_();
  repaint_();
}

xcstatusbar_::~xcstatusbar_() = default;

void xcstatusbar_::text_(std::string_view value) {
  st_.text = std::string(value);
  repaint_();
}

void xcstatusbar_::zoom_min_(int32_t value) {
  st_.zoom_min = value;
  repaint_();
}

void xcstatusbar_::zoom_max_(int32_t value) {
  st_.zoom_max = value;
  repaint_();
}

void xcstatusbar_::zoom_curr_(int32_t value) {
  st_.zoom_curr = status_zoom_clamp_(value, st_.zoom_min, st_.zoom_max);
  repaint_();
}

void xcstatusbar_::zoom_text_(std::string_view value) {
  st_.zoom_text = std::string(value);
  repaint_();
}

int32_t xcstatusbar_::add_button_(std::string_view key, std::string_view title, int32_t ico) {
  status_button_rec_ b;
  b.key = std::string(key);
  b.title = std::string(title);
  b.icon = ico;
  st_.buttons.push_back(std::move(b));
  return 0;
}

flag16_ xcstatusbar_::button_checked_(std::string_view key) const {
  for (const status_button_rec_& b : st_.buttons)
    if (b.key == key) return b.checked;
  return false_;
}

void xcstatusbar_::button_checked_(std::string_view key, flag16_ chk) {
  for (status_button_rec_& b : st_.buttons)
    if (b.key == key) {
      b.checked = chk;
      break;
    }
  repaint_();
}

bool xcstatusbar_::maximised_() const {
  const window_* h = host_();
  while (h && h->parent_()) h = h->parent_();
  return h && h->state_() == show_state_::maximized;
}

void xcstatusbar_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  switch (m.type) {
    case mouse_type_::move: {
      st_.mouse_x = m.x;
      st_.mouse_y = m.y;
      const int32_t hit = repaint_();
      w->set_cursor_(hit == -1 ? cursor_shape_::size_nwse : cursor_shape_::arrow);
      if (st_.mouse_down == true_ && st_.pressed_part == 3) raise_(ZoomScroll, st_.drag_value);
      if (st_.mouse_down != true_) {
        const bool was_captured = st_.captured == true_;
        if (!track_hover_capture_(*w, m.x, m.y, st_.captured) && was_captured) st_.mouse_x = st_.mouse_y = -1;
      }
      break;
    }
    case mouse_type_::down:
    case mouse_type_::double_click:
      press_(m);
      break;
    case mouse_type_::up:
      st_.mouse_x = m.x;
      st_.mouse_y = m.y;
      release_();
      break;
    default:
      break;
  }
}

void xcstatusbar_::press_(const mouse_event_& m) {
  window_* w = win_();
  st_.mouse_x = m.x;
  st_.mouse_y = m.y;
  if (repaint_() == -1) {
    // The grip hands the press to the window manager, which sizes the host from its corner.
    if (w->has_capture_()) release_capture_();
    st_.captured = false_;
    window_* top = host_();
    while (top && top->parent_()) top = top->parent_();
    if (top) top->start_system_resize_(4 | 8);
    return;
  }
  w->set_capture_();  // moves and the release come back here while the button is held
  st_.mouse_down = true_;
  if (m.button == button_left_) {
    const window_handle_ self = hwnd();
    while (true) {
      st_.pressed_part = repaint_();
      if (st_.pressed_part == 1) raise_(ZoomPressLeft, st_.drag_value);
      else if (st_.pressed_part == 2) raise_(ZoomPressRight, st_.drag_value);
      else break;
      control_pause_(slider_repeat_ms);
      if (!find_window_(self)) return;  // a handler took the bar away
    }
  }
  raise_(ZoomMouseDown, st_.drag_value);
  st_.down_index = st_.pressed_index;
}

void xcstatusbar_::release_() {
  raise_(ZoomMouseUp, st_.drag_value);
  repaint_();  // still down: the pressed index is the button under the pointer
  st_.mouse_down = false_;
  st_.pressed_part = 0;
  const int32_t down = st_.down_index;
  st_.down_index = 0;
  if (down >= 1 && down == st_.pressed_index && down <= static_cast<int32_t>(st_.buttons.size()))
    raise_(ButtonClick, st_.buttons[size_t(down - 1)].key);
  st_.mouse_x = st_.mouse_y = -1;
  st_.captured = false_;
  if (window_* w = win_(); w && w->has_capture_()) release_capture_();
  repaint_();
}

void xcstatusbar_::on_key_(const key_event_& k) {
  if (k.type == key_type_::down) raise_(KeyDown, int16_t(k.key_code), int16_t(k.shift));
  if (k.type == key_type_::character) raise_(KeyPress, int16_t(k.ch));
}
