// Windows attached to the program's frame, made fresh for each test, and the frame module's
// process-wide state put back afterwards.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/frame_proc.h"
#include "shell/frame_shadows.h"
#include "shell/frame_table.h"
#include "shell/quick_buttons.h"

class frames_fixture : public ::testing::Test {
 public:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
  }
  void TearDown() override {
    for (auto& w : windows) detach_frame_(w->handle_());
    windows.clear();
    do_events_();
    frame_count_ = 0;
    for (auto& r : frame_table_) r = frame_window_rec_{};
    frame_top_inset_.fill(0);
    caption_button_lists_.clear();
    hovered_quick_button_ = 0;
    composition_active_ = 0;
    shadow_support_ = 0;
    last_moved_frame_ = {};
    set_desktop_composition_(false);
    program_command_line_().clear();
    clear_dialog_replies_();
    take_dialog_requests_();
  }

  // A top-level window at (x, y) of w x h pixels, not yet framed.
  window_& make(int32_t x, int32_t y, int32_t w, int32_t h, const char* title = "frame") {
    window_options_ o;
    o.title = title;
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    windows.push_back(create_window_(o));
    return *windows.back();
  }
  // Makes a window and attaches it; the index.
  int32_t framed(int32_t x, int32_t y, int32_t w, int32_t h, flag16_ custom = 0, const frame_style_& style = {}) {
    return attach_frame_(make(x, y, w, h), custom, 0, style);
  }
  // Puts the pointer at a whole-window pixel of window n.
  void point_at(int32_t n, int32_t x, int32_t y) {
    const pixel_rect_ r = frame_window_(n)->window_rect_();
    inject_mouse_(mouse_type_::move, r.left + x, r.top + y);
  }
  void settle() {
    for (int i = 0; i < 5; ++i) do_events_();
  }

  std::vector<std::unique_ptr<window_>> windows;
};
