// The scroll bar xcscrollbox_: vertical (default) or horizontal, with an arrow at each end, a
// track and a thumb. Arrows step by chsmall_, the track by chlarge_, both repeating while held;
// the thumb drags. Scroll follows every change made by the user. The wheel reaches it through
// call_mscroll_ (MouseScroll, the host answers with call_event_). A new bar is disabled until
// the host sets Enabled.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

// The values and steps; every setter keeps minimum <= value <= maximum and steps >= 1.
struct scroll_values_ {
  int32_t value = 0, minimum = 0, maximum = 32;
  int32_t small_step = 1, large_step = 1;
  float thumb_fraction = 0;
};
void scroll_set_max_(scroll_values_& v, int32_t value);
void scroll_set_min_(scroll_values_& v, int32_t value);
void scroll_set_current_(scroll_values_& v, int32_t value);
void scroll_set_small_(scroll_values_& v, int32_t value);
void scroll_set_large_(scroll_values_& v, int32_t value);
void scroll_set_fraction_(scroll_values_& v, float value);
// value + delta, saturating at the 32-bit limits, then clamped to the range.
int32_t scroll_step_(const scroll_values_& v, int64_t delta);
// call_event_'s codes 1..6 on the values; false for any other code.
bool scroll_command_(scroll_values_& v, int32_t code);
// Thumb length in pixels for a bar length_px long (arrows count 17 pixels each); at least 17.
int32_t scroll_thumb_length_(const scroll_values_& v, int32_t length_px);
// The thumb a bar length_px long shows: none (0) when its track is under 17 pixels.
int32_t scroll_painted_thumb_(int32_t length_px, int32_t thumb_length);

struct scroll_press_state_ {
  flag16_ wheel = true_;
  flag16_ list_style = false_;
  flag16_ horizontal = false_;
  flag16_ enabled = false_;
  flag16_ focused = false_;
  int32_t thumb_length = 17;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ pressed = false_;
  int32_t pressed_part = 0;
  flag16_ hover = false_;
  double press_time = 0;
  int32_t press_x = 0, press_y = 0;
  int32_t thumb_centre_x = 0, thumb_centre_y = 0;
  int32_t grab_x = 0, grab_y = 0;
};

class xcscrollbox_ : public xc_control_ {
 public:
  xcscrollbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  ~xcscrollbox_() override;

  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseDown, MouseUp;
  std::function<void(int16_t scroll_val)> MouseScroll;
  std::function<void()> Scroll, Resize;
  std::function<void(int16_t key_code, int16_t shift)> KeyDown;
  std::function<void(int16_t key_ascii)> KeyPress;

  void refresh_() { paint_(nullptr, false); }
  int32_t scrollmax_() const { return v_.maximum; }
  void scrollmax_(int32_t value) { scroll_set_max_(v_, value); }
  int32_t scrollmin_() const { return v_.minimum; }
  void scrollmin_(int32_t value) { scroll_set_min_(v_, value); }
  int32_t scrollcurrent_() const { return v_.value; }
  void scrollcurrent_(int32_t value) { scroll_set_current_(v_, value); }
  flag16_ horizontal_() const { return s_.horizontal; }
  void horizontal_(flag16_ value) { s_.horizontal = value; }
  int32_t chsmall_() const { return v_.small_step; }
  void chsmall_(int32_t value);
  int32_t chlarge_() const { return v_.large_step; }
  void chlarge_(int32_t value);
  flag16_ Enabled() const { return s_.enabled; }
  void Enabled(flag16_ value) { s_.enabled = value; }
  float cchsize_() const { return v_.thumb_fraction; }
  void cchsize_(float value);
  void call_event_(int32_t sce);
  flag16_ call_mscroll_(int16_t scroll_val);
  flag16_ get_mscroll_messages_() const { return s_.wheel; }
  void get_mscroll_messages_(flag16_ value) { s_.wheel = value; }
  flag16_ liststyle_() const { return s_.list_style; }
  void liststyle_(flag16_ value) { s_.list_style = value; }
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }

  int32_t thumb_length_() const { return s_.thumb_length; }
  const scroll_press_state_& press_state_() const { return s_; }

 private:
  // Paints the whole bar and returns the part under a held press; value_slot gets the value
  // under a dragged thumb; record keeps the thumb centre the painter reports.
  int32_t paint_(int32_t* value_slot, bool record);
  void recompute_thumb_();
  void on_mouse_(const mouse_event_& m);
  void press_(const mouse_event_& m);
  void step_loop_();

  scroll_values_ v_;
  scroll_press_state_ s_;
};
