// The text box's members, mouse and focus. A disabled box records presses only, shows the
// arrow pointer and raises no mouse or key-down events; KeyPress and KeyUp pass through always.
#include <cmath>

#include "platform/input/caret.h"
#include "platform/services/screen.h"
#include "ui/controls/textbox/textbox.h"

namespace {

default_button_hooks_& button_hooks() {
  static default_button_hooks_ h;
  return h;
}

}  // namespace

default_button_hooks_ set_default_button_hooks_(default_button_hooks_ hooks) {
  default_button_hooks_ before = button_hooks();
  button_hooks() = std::move(hooks);
  return before;
}

xctextbox_::xctextbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(xc_kind_::textbox, host, x, y, width, height, true) {
  st_.font.face = "Tahoma";
  st_.font.height = -11;
  st_.fore_color = static_cast<int32_t>(system_colour_(7));  // menu text
  window_* w = win_();
  if (!w) return;
  w->set_background_(0xFFFFFF);
  w->set_cursor_(cursor_shape_::ibeam);
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) { on_key_(k); };
  w->on_focus = [this](bool got) { on_focus_(got); };
  w->on_resize = [this](int32_t, int32_t) { text_paint_(); };
  w->show_();
  text_paint_();
}

xctextbox_::~xctextbox_() {
  if (window_* w = win_(); w && caret_window_() == w) destroy_caret_();
}

void xctextbox_::focus_() {
  window_* w = win_();
  st_.focused = to_flag_(w && focused_window_() == w);
  text_paint_();
}

std::string xctextbox_::text() {
  st_.joined = textbox_join_(st_, st_.multi_line == true_ ? "\r\n" : "");
  return st_.joined;
}

void xctextbox_::text(std::string_view value) {
  st_.joined = std::string(value);
  textbox_split_text_(st_, value);
  st_.joined = textbox_join_(st_, "\r\n");
  text_paint_();
  text_check_change_();
}

void xctextbox_::MultiLine(flag16_ value) {
  st_.multi_line = value;
  if (value == true_) text(st_.joined);
  else text(std::string(st_.lines[1]));
  text_paint_();
}

void xctextbox_::SelectAll() {
  st_.anchor_line = 1;
  st_.anchor_col = 0;
  st_.extent_line = st_.line_count;
  st_.extent_col = u8_length_(textbox_display_line_(st_, st_.line_count));
  st_.caret_col = u8_length_(textbox_display_line_(st_, st_.top_line));
  text_paint_();
}

void xctextbox_::Enabled(flag16_ value) {
  st_.enabled = value;
  if (window_* w = win_()) {
    w->set_cursor_(value == true_ ? cursor_shape_::ibeam : cursor_shape_::arrow);
    if (caret_window_() == w && w == focused_window_()) value == true_ ? show_caret_() : hide_caret_();
  }
  text_paint_();
}

void xctextbox_::PasswordChar(std::string_view value) {
  const size_t b = value.find_first_not_of(' ');
  const size_t e = value.find_last_not_of(' ');
  st_.password_char = b == std::string_view::npos ? std::string() : std::string(value.substr(b, e - b + 1));
}

void xctextbox_::BackColor(int32_t value) {
  st_.back_color = value;
  text_paint_();
}

void xctextbox_::ForeColor(int32_t value) {
  st_.fore_color = value;
  text_paint_();
}

void xctextbox_::refresh_() {
  text_paint_();
  if (window_* w = win_()) w->update_();
}

void xctextbox_::text_check_change_() {
  st_.previous_text = st_.current_text;
  st_.current_text = textbox_join_(st_, "\r\n");
  if (st_.previous_text != st_.current_text) raise_(Change);
}

void xctextbox_::word_select_() {
  text_caret_from_point_(st_.press_x, st_.press_y);
  int32_t s = 0, e = 0;
  const int32_t line = std::clamp(st_.anchor_line, 1, textbox_max_lines_);
  if (!textbox_word_at_(st_.lines[size_t(line)], st_.anchor_col, s, e)) return;
  st_.anchor_col = s;
  st_.extent_col = e;
  text_paint_();
}

void xctextbox_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  const float text_x = float(m.x) + st_.scroll;
  const bool enabled = st_.enabled == true_;
  const int16_t shift = int16_t(m.shift & 7);
  switch (m.type) {
    case mouse_type_::down:
      st_.press_x = static_cast<int32_t>(std::nearbyint(text_x));
      st_.press_y = m.y;
      if (!enabled) break;
      if (m.button != button_left_) {
        open_context_menu_(m.screen_x, m.screen_y);
        break;
      }
      w->set_cursor_(cursor_shape_::ibeam);
      if (shift == 0 || shift == 1) {
        text_caret_from_point_(st_.press_x, m.y);
        textbox_select_to_caret_(st_, shift);
      }
      if (!w->has_focus_()) w->set_focus_();
      text_paint_();
      raise_(MouseDown, int16_t(m.button), shift, text_x, float(m.y));
      break;
    case mouse_type_::double_click:
      if (!enabled || m.button != button_left_) break;
      word_select_();
      break;
    case mouse_type_::move:
      if (!enabled) break;
      w->set_cursor_(cursor_shape_::ibeam);
      if (m.buttons == button_left_) {
        text_caret_from_point_(static_cast<int32_t>(std::nearbyint(text_x)), m.y);
        textbox_select_to_caret_(st_, 1);
        text_paint_();
      }
      raise_(MouseMove, int16_t(m.buttons), shift, text_x, float(m.y));
      if (win_()) track_hover_capture_(*w, m.x, m.y, st_.captured);
      break;
    case mouse_type_::up:
      if (!enabled) break;
      w->set_cursor_(cursor_shape_::ibeam);
      raise_(MouseUp, int16_t(m.button), shift, text_x, float(m.y));
      break;
    default:
      break;
  }
}

void xctextbox_::on_focus_(bool got) {
  window_* w = win_();
  if (!w) return;
  default_button_hooks_& hooks = button_hooks();
  if (got) {
    create_caret_(*w, 1, line_height_());
    if (st_.enabled == true_) show_caret_();
    st_.focused = true_;
    text_paint_();
    focus_loop_(host_());
    st_.saved_default = 0;
    if (st_.multi_line != true_ || !hooks.get || !hooks.set) return;
    for (xc_control_* c : controls_on_(host_())) {
      if (c->xc_kind_of_() != xc_kind_::button || !c->win_()) continue;
      const window_handle_ b = c->win_()->handle_();
      if (hooks.get(b) != true_) continue;
      st_.saved_default = b;
      hooks.set(b, false_);
    }
    return;
  }
  if (caret_window_() == w) {
    hide_caret_();
    set_caret_pos_(static_cast<int32_t>(std::nearbyint(3 - st_.scroll)), 3);
  }
  st_.focused = false_;
  text_paint_();
  if (st_.multi_line == true_ && st_.saved_default != 0 && hooks.set && find_window_(st_.saved_default))
    hooks.set(st_.saved_default, true_);
  st_.saved_default = 0;
}
