// Mouse, Space and focus of the check box and the option button.
#include "platform/input/key_codes.h"
#include "ui/controls/checkbox/checkbox.h"

xccheckbase_::xccheckbase_(xc_kind_ kind, window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(kind, host, x, y, width, height, true) {
  window_* w = win_();
  if (!w) return;
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) { on_key_(k); };
  w->on_focus = [this](bool got) { on_focus_(got); };
  w->on_resize = [this](int32_t, int32_t) { repaint_(); };
  w->show_();
  repaint_();
}

xccheckbase_::~xccheckbase_() = default;

xccheckbox_::xccheckbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xccheckbase_(xc_kind_::checkbox, host, x, y, width, height) {}

xcoptionbox_::xcoptionbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xccheckbase_(xc_kind_::optionbox, host, x, y, width, height) {}

void xccheckbase_::set_checked_(flag16_ value) {
  st_.checked = value;
  repaint_();
}

void xccheckbase_::Caption(std::string_view value) {
  st_.caption = std::string(value);
  repaint_();
}

void xccheckbase_::Enabled(flag16_ value) {
  st_.enabled = value;
  repaint_();
}

void xccheckbase_::RightAlign(flag16_ value) {
  st_.right_align = value;
  repaint_();
}

void xccheckbox_::RightTextAlign(flag16_ value) {
  st_.right_text_align = value;
  repaint_();
}

void xccheckbase_::focus_() {
  window_* w = win_();
  st_.focused = to_flag_(w && focused_window_() == w);
  repaint_();
}

void xccheckbase_::on_focus_(bool got) {
  st_.focused = to_flag_(got);
  repaint_();
  if (got) focus_loop_(host_());
}

void xccheckbase_::release_() {
  st_.checked = option_() ? true_ : to_flag_(st_.checked == false_);
  st_.pressed = false_;
  repaint_();
  raise_(Click);
}

void xccheckbase_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w || st_.enabled != true_) return;
  switch (m.type) {
    case mouse_type_::move:
      // While a button is held the press keeps the capture, so the release comes back here.
      if (st_.pressed == true_ && m.buttons != 0)
        st_.hover = to_flag_(inside_client_(*w, m.x, m.y));
      else
        track_hover_capture_(*w, m.x, m.y, st_.hover);
      repaint_();
      break;
    case mouse_type_::down:
    case mouse_type_::double_click:
      if (!w->has_focus_()) w->set_focus_();
      w->set_capture_();  // the release comes back here wherever it happens
      st_.hover = to_flag_(inside_client_(*w, m.x, m.y));
      st_.pressed = true_;
      repaint_();
      break;
    case mouse_type_::up:
      if (!inside_client_(*w, m.x, m.y) && m.buttons == 0) {
        st_.hover = false_;
        if (w->has_capture_()) release_capture_();
      }
      release_();
      break;
    default:
      break;
  }
}

void xccheckbase_::on_key_(const key_event_& k) {
  if (st_.enabled != true_ || st_.focused != true_ || k.key_code != key_space_) return;
  if (k.type == key_type_::down && !k.repeat) {
    st_.pressed = true_;
    repaint_();
  } else if (k.type == key_type_::up) {
    release_();
  }
}
