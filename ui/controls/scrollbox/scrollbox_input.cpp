// The scroll box's members, press loop, thumb drag and release. The press loop runs inside the
// press handler: it steps once at once, then nothing until 0.33 s after the press, then once
// per pass; each pass sleeps 1 ms and lets pending events (the moves and the release) run.
#include "ui/controls/scrollbox/scrollbox.h"

namespace {
constexpr double repeat_delay_s = 0.33;
}

xcscrollbox_::xcscrollbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(xc_kind_::other, host, x, y, width, height, true) {
  window_* w = win_();
  if (!w) return;
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) {
    if (k.type == key_type_::down) raise_(KeyDown, int16_t(k.key_code), int16_t(k.shift));
    if (k.type == key_type_::character) raise_(KeyPress, int16_t(k.ch));
  };
  w->on_focus = [this](bool got) {
    s_.focused = to_flag_(got);
    refresh_();
  };
  w->on_resize = [this](int32_t, int32_t) {
    raise_(Resize);
    recompute_thumb_();
    refresh_();
  };
  recompute_thumb_();
  w->show_();
  refresh_();
}

xcscrollbox_::~xcscrollbox_() = default;

void xcscrollbox_::recompute_thumb_() {
  const window_* w = win_();
  if (!w) return;
  s_.thumb_length =
      scroll_thumb_length_(v_, s_.horizontal == true_ ? w->client_width_() : w->client_height_());
}

void xcscrollbox_::chsmall_(int32_t value) {
  scroll_set_small_(v_, value);
  recompute_thumb_();
}

void xcscrollbox_::chlarge_(int32_t value) {
  scroll_set_large_(v_, value);
  recompute_thumb_();
}

void xcscrollbox_::cchsize_(float value) {
  scroll_set_fraction_(v_, value);
  recompute_thumb_();
}

void xcscrollbox_::call_event_(int32_t sce) {
  if (s_.enabled == true_) scroll_command_(v_, sce);
}

flag16_ xcscrollbox_::call_mscroll_(int16_t scroll_val) {
  if (s_.wheel != true_) return false_;
  raise_(MouseScroll, scroll_val);
  return true_;  // also when the value cannot move: the wheel turn ends here
}

void xcscrollbox_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  switch (m.type) {
    case mouse_type_::down:
    case mouse_type_::double_click:
      press_(m);
      break;
    case mouse_type_::move: {
      if (s_.enabled != true_) break;
      s_.mouse_x = m.x;
      s_.mouse_y = m.y;
      if (inside_client_(*w, m.x, m.y)) {
        w->set_capture_();
        s_.hover = true_;
      } else if (s_.hover == true_ && s_.pressed_part == 0 && s_.pressed != true_) {
        s_.hover = false_;
        if (w->has_capture_()) release_capture_();
        s_.mouse_x = s_.mouse_y = -1;
      }
      if (s_.pressed_part == 2) {
        int32_t slot = v_.value;
        paint_(&slot, false);
        v_.value = slot;
        raise_(Scroll);
      } else {
        paint_(nullptr, false);
      }
      break;
    }
    case mouse_type_::up:
      if (s_.enabled != true_) break;
      s_.pressed = false_;
      s_.pressed_part = 0;
      s_.grab_x = s_.grab_y = 0;
      if (w->has_capture_()) release_capture_();
      s_.hover = false_;
      paint_(nullptr, false);
      raise_(MouseUp, int16_t(m.button), int16_t(m.shift), float(m.x), float(m.y));
      break;
    default:
      break;
  }
}

void xcscrollbox_::press_(const mouse_event_& m) {
  raise_(MouseDown, int16_t(m.button), int16_t(m.shift), float(m.x), float(m.y));
  window_* w = win_();
  if (!w || s_.enabled != true_) return;
  w->set_capture_();  // the release comes back here wherever it happens
  s_.pressed = true_;
  s_.mouse_x = m.x;
  s_.mouse_y = m.y;
  s_.press_time = control_seconds_();
  const int32_t part = paint_(nullptr, true);
  s_.press_x = m.x;
  s_.press_y = m.y;
  if (part == 2) {
    s_.grab_x = s_.press_x - s_.thumb_centre_x;
    s_.grab_y = s_.press_y - s_.thumb_centre_y;
    s_.pressed_part = 2;
    return;
  }
  s_.grab_x = s_.grab_y = 0;
  step_loop_();
}

void xcscrollbox_::step_loop_() {
  const window_handle_ self = hwnd();
  for (bool first = true;; first = false) {
    const bool late = control_seconds_() - s_.press_time > repeat_delay_s;
    const int32_t part = paint_(nullptr, false);
    const bool now = first || late;
    switch (part) {
      case 1:
      case 3:
        if (now) {
          v_.value = scroll_step_(v_, part == 1 ? -int64_t(v_.small_step) : int64_t(v_.small_step));
          s_.pressed_part = paint_(nullptr, false);
          raise_(Scroll);
        }
        break;
      case 4:
      case 5:
        if (now) {
          v_.value = scroll_step_(v_, part == 4 ? -int64_t(v_.large_step) : int64_t(v_.large_step));
          raise_(Scroll);
        }
        break;
      default:
        return;
    }
    control_pause_(1);
    if (!find_window_(self)) return;  // a handler took the bar away
  }
}
