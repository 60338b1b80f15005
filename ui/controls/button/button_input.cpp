// The button's mouse, keys, focus and access key. A disabled button keeps its window enabled
// (and so may hold the focus) but ignores all of these.
#include <algorithm>

#include "platform/input/key_codes.h"
#include "platform/window/event_loop.h"
#include "ui/controls/button/button.h"

namespace {
constexpr int32_t key_click_wait_ms = 25;
}

xcbutton_::xcbutton_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height, std::string caption)
    : xc_control_(xc_kind_::button, host, x, y, width, height, true) {
  st_.caption = caption.empty() ? "..." : std::move(caption);
  window_* w = win_();
  if (!w) return;
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) { on_key_(k); };
  w->on_focus = [this](bool got) { on_focus_(got); };
  w->on_resize = [this](int32_t, int32_t) { reshape_(); };
  w->show_();
  reshape_();
  repaint_(1);
}

xcbutton_::~xcbutton_() = default;

void xcbutton_::focus_() {
  window_* w = win_();
  st_.focused = to_flag_(w && focused_window_() == w);
  repaint_(-1);
}

void xcbutton_::refresh_(flag16_ clear) { repaint_(clear == true_ ? 1 : -1); }

void xcbutton_::Enabled(flag16_ value) {
  st_.enabled = value;
  repaint_(-1);
}

void xcbutton_::Caption(std::string_view value) {
  st_.caption = std::string(value);
  repaint_(-1);
}

void xcbutton_::on_focus_(bool got) {
  st_.focused = to_flag_(got);
  repaint_(-1);
  if (got) focus_loop_(host_());
}

void xcbutton_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w || st_.enabled != true_) return;
  const bool inside = inside_client_(*w, m.x, m.y);
  switch (m.type) {
    case mouse_type_::move:
      repaint_(button_face_after_move_(inside, st_.pressed == true_));
      if (st_.pressed != true_) track_hover_capture_(*w, m.x, m.y, st_.captured);
      break;
    case mouse_type_::down:
    case mouse_type_::double_click:
      if (m.button != button_left_) break;
      st_.focused = true_;
      repaint_(4);
      if (!w->has_focus_()) w->set_focus_();
      w->set_capture_();  // the release comes back here wherever it happens
      st_.captured = true_;  // and the first move outside after it lets go
      st_.armed = true_;
      st_.pressed = true_;
      left_down_ = true;
      raise_(MouseDown, int16_t(m.button), int16_t(m.shift), float(m.x), float(m.y));
      if (st_.mouse_down_only == true_) {
        st_.pressed = false_;
        st_.armed = false_;
        repaint_(1);
      }
      break;
    case mouse_type_::up:
      if (m.button != button_left_) {
        st_.pressed = false_;
        repaint_(-1);
        break;
      }
      {
        const bool clicked = inside && left_down_;
        left_down_ = false;
        st_.pressed = false_;
        repaint_(inside ? 2 : 1);
        if (!inside) {
          st_.captured = false_;
          if (w->has_capture_()) release_capture_();
        }
        // The platform's click: a left release over the button after a left press on it.
        if (clicked) click_notification_();
      }
      break;
    default:
      break;
  }
}

void xcbutton_::click_notification_() {
  repaint_(4);
  const bool armed = st_.armed == true_;
  if (armed) raise_(Click);
  repaint_(1);
  do_events_();
}

void xcbutton_::key_click_() {
  repaint_(4);
  control_sleep_(key_click_wait_ms);
  raise_(Click);
  repaint_(1);
}

void xcbutton_::on_key_(const key_event_& k) {
  if (st_.enabled != true_) return;
  if (k.type == key_type_::down && k.key_code == key_space_ && !k.repeat) key_click_();
}

void xcbutton_::access_key_() {
  if (st_.enabled == true_) key_click_();
}

bool dispatch_access_key_(const window_& host, const key_event_& key) {
  if (key.type != key_type_::down || !(key.shift & mod_alt_)) return false;
  const int32_t code = key.key_code;
  const bool letter = code >= key_a_ && code <= key_z_;
  const bool digit = code >= '0' && code <= '9';
  if (!letter && !digit) return false;
  for (xc_control_* c : controls_on_(&host)) {
    if (c->xc_kind_of_() != xc_kind_::button) continue;
    auto* b = static_cast<xcbutton_*>(c);
    if (access_key_of_(b->Caption()) != static_cast<char32_t>(code)) continue;
    b->access_key_();
    return true;
  }
  return false;
}
