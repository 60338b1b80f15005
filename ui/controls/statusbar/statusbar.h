// The status bar xcstatusbar_: a message (with an optional progress bar before it), keyed
// toggle buttons, a zoom box with its text and a zoom slider, and a size grip. A left press and
// release over one toggle raises ButtonClick with its key; holding a slider button raises
// ZoomPressLeft or ZoomPressRight every 50 ms, dragging the thumb raises ZoomScroll.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

struct status_button_rec_ {
  std::string key;  // compared exactly: case and blanks count
  std::string title;
  flag16_ checked = false_;
  int32_t icon = 0;  // icon table entry; below 1 none
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct status_state_ {
  std::vector<status_button_rec_> buttons;  // buttons[0] is button 1
  std::string text, zoom_text;
  int32_t zoom_min = 0, zoom_max = 0, zoom_curr = 0;
  int32_t progress = -1;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ mouse_down = false_;
  int32_t pressed_part = 0;  // 1 left slider button, 2 right one, 3 thumb
  int32_t drag_value = 0;
  int32_t pressed_index = 0;
  int32_t down_index = 0;
  flag16_ captured = false_;
};

// zoom_curr_ as stored: at or above the maximum the maximum, then at or below the minimum the minimum.
int32_t status_zoom_clamp_(int32_t value, int32_t zoom_min, int32_t zoom_max);
// progress_ as stored: -1 (none) to 100.
int32_t status_progress_of_(int32_t value);
// The zoom area's left edge in a client width_px wide.
int32_t status_zoom_left_(int32_t width_px, bool maximised);
// Places the toggle buttons right to left from the zoom area's left edge; widths come from
// the titles' text widths (title_width gives them for trimmed titles).
void status_place_buttons_(std::vector<status_button_rec_>& buttons, int32_t zoom_left, int32_t height,
                           const std::function<int32_t(std::string_view)>& title_width);
// The first button (1-based) whose rectangle holds the point, 0 for none.
int32_t status_button_at_(const std::vector<status_button_rec_>& buttons, int32_t x, int32_t y);

class xcstatusbar_ : public xc_control_ {
 public:
  xcstatusbar_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  ~xcstatusbar_() override;

  std::function<void(const std::string& bkey)> ButtonClick;
  std::function<void(int32_t value)> ZoomScroll, ZoomMouseDown, ZoomMouseUp, ZoomPressLeft, ZoomPressRight;
  std::function<void(int16_t key_code, int16_t shift)> KeyDown;
  std::function<void(int16_t key_ascii)> KeyPress;

  void refresh_() { repaint_(); }
  const std::string& text_() const { return st_.text; }
  void text_(std::string_view value);
  int32_t zoom_min_() const { return st_.zoom_min; }
  void zoom_min_(int32_t value);
  int32_t zoom_max_() const { return st_.zoom_max; }
  void zoom_max_(int32_t value);
  int32_t zoom_curr_() const { return st_.zoom_curr; }
  void zoom_curr_(int32_t value);
  const std::string& zoom_text_() const { return st_.zoom_text; }
  void zoom_text_(std::string_view value);
  int32_t progress_() const { return st_.progress; }
  void progress_(int32_t value) { st_.progress = status_progress_of_(value); }
  int32_t add_button_(std::string_view key, std::string_view title, int32_t ico);
  void clear_buttons_() { st_.buttons.clear(); }
  flag16_ button_checked_(std::string_view key) const;
  void button_checked_(std::string_view key, flag16_ chk);
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }
  const status_state_& state_() const { return st_; }

 private:
  int32_t repaint_();  // returns the hit result: -1 size grip, 1..3 slider part held, 0 none
  bool maximised_() const;
  void on_mouse_(const mouse_event_& m);
  void on_key_(const key_event_& k);
  void press_(const mouse_event_& m);
  void release_();

  status_state_ st_;
};
