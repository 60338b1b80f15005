// The check box xccheckbox_ and its twin the option button xcoptionbox_: a skin glyph with a
// caption beside it. Any mouse release after a press on it (wherever the pointer then is), or a
// Space release while it has the focus, toggles the check box or turns the option button on,
// then raises Click. An option button never turns itself off and changes no other control.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

struct check_state_ {
  flag16_ hover = false_;
  flag16_ pressed = false_;
  flag16_ checked = false_;
  flag16_ enabled = true_;
  flag16_ right_align = false_;
  flag16_ right_text_align = false_;  // check box only
  flag16_ focused = false_;
  std::string caption;
};

// Glyph state 0..5 for the skin's glyph painters.
int32_t check_glyph_state_(const check_state_& s);
// Where the glyph and the caption lines go in a client width_px wide.
struct check_layout_rec_ {
  int32_t glyph_x = 0;
  int32_t first_line_x = 16;  // the first caption line
  int32_t other_lines_x = 16;
};
check_layout_rec_ check_layout_(const check_state_& s, bool option, int32_t width_px, int32_t caption_width);

class xccheckbase_ : public xc_control_ {
 public:
  ~xccheckbase_() override;

  std::function<void()> Click;

  const std::string& Caption() const { return st_.caption; }
  void Caption(std::string_view value);
  flag16_ Enabled() const { return st_.enabled; }
  void Enabled(flag16_ value);
  flag16_ RightAlign() const { return st_.right_align; }
  void RightAlign(flag16_ value);
  void refresh_() { repaint_(); }
  void focus_() override;
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }
  const check_state_& state_() const { return st_; }

 protected:
  xccheckbase_(xc_kind_ kind, window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  void set_checked_(flag16_ value);
  void repaint_();
  check_state_ st_;

 private:
  bool option_() const { return xc_kind_of_() == xc_kind_::optionbox; }
  void on_mouse_(const mouse_event_& m);
  void on_key_(const key_event_& k);
  void on_focus_(bool got);
  void release_();
};

class xccheckbox_ : public xccheckbase_ {
 public:
  xccheckbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  flag16_ Checked() const { return st_.checked; }
  void Checked(flag16_ value) { set_checked_(value); }
  flag16_ RightTextAlign() const { return st_.right_text_align; }
  void RightTextAlign(flag16_ value);
};

class xcoptionbox_ : public xccheckbase_ {
 public:
  xcoptionbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  flag16_ value() const { return st_.checked; }
  void value(flag16_ v) { set_checked_(v); }
};
