// What the control tests share: a shown host window, fixed text widths, a stepped clock on
// which sleeping advances time and runs the actions due by then, and a beep counter.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "platform/gdi/font.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "support/test_skin.h"
#include "ui/controls/control_base.h"

// Time in whole milliseconds; sleep advances it and runs each action whose time has come.
class stepped_clock_ {
 public:
  stepped_clock_() {
    before_ = set_control_clock_({[this] { return now_ms_ / 1000.0; }, [this](int32_t ms) { advance(ms); }});
  }
  ~stepped_clock_() { set_control_clock_(before_); }
  stepped_clock_(const stepped_clock_&) = delete;
  stepped_clock_& operator=(const stepped_clock_&) = delete;

  // Runs action once the clock reaches at_ms.
  void at(int64_t at_ms, std::function<void()> action) { due_.emplace(at_ms, std::move(action)); }
  int64_t now_ms() const { return now_ms_; }
  void advance(int32_t ms) {
    now_ms_ += ms;
    while (!due_.empty() && due_.begin()->first <= now_ms_) {
      auto action = std::move(due_.begin()->second);
      due_.erase(due_.begin());
      action();
    }
  }

 private:
  int64_t now_ms_ = 0;
  std::multimap<int64_t, std::function<void()>> due_;
  control_clock_ before_;
};

class beep_counter_ {
 public:
  beep_counter_() { before_ = set_control_beep_([this] { ++count; }); }
  ~beep_counter_() { set_control_beep_(before_); }
  int count = 0;

 private:
  std::function<void()> before_;
};

class fixed_widths_ {
 public:
  explicit fixed_widths_(int32_t char_width) {
    before_ = set_text_measurer_(std::make_shared<fixed_text_measurer_>(char_width));
  }
  ~fixed_widths_() { set_text_measurer_(before_); }

 private:
  std::shared_ptr<text_measurer_> before_;
};

// A shown top-level host of 400 x 300 client pixels.
inline std::unique_ptr<window_> make_host_() {
  ensure_application_();
  window_options_ o;
  o.title = "host";
  o.x = 50;
  o.y = 50;
  o.width = 400;
  o.height = 300;
  auto w = create_window_(o);
  w->show_();
  do_events_();
  return w;
}

// The user's road: a press, moves and a release at client points of a window.
inline void press_at_(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
  inject_mouse_at_(w, mouse_type_::down, x, y, button);
}
inline void release_at_(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
  inject_mouse_at_(w, mouse_type_::up, x, y, button);
}
inline void move_at_(window_& w, int32_t x, int32_t y) { inject_mouse_at_(w, mouse_type_::move, x, y); }
// A click comes with the move onto the point first (which ends another control's hover capture).
inline void click_at_(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
  move_at_(w, x, y);
  press_at_(w, x, y, button);
  release_at_(w, x, y, button);
}

// Loads the flat test skin for tests with windows. The window layer's application object must
// come first: the picture reader would otherwise make one that is torn down at exit under the
// input devices that windows leave behind.
inline bool load_window_test_skin_() {
  ensure_application_();
  return load_test_skin_();
}
