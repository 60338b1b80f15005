// A framed dialog and a main-window stand-in, driven as a user drives them: maximize by the
// caption button, restore by a double click on the caption, a pick from the system menu; the
// frame the screen shows is photographed and compared. Runs offscreen and on a real X server.
#include <gtest/gtest.h>

#include <memory>

#include "platform/services/dialogs.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/frame_proc.h"
#include "shell/frame_skin.h"
#include "shell/frame_table.h"

// The application object lives until exit, and fontconfig keeps what it loads until then.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr uint32_t paper = rgb_(250, 250, 240);

class frame_scenario : public ::testing::Test {
 public:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
  }
  void TearDown() override {
    for (auto* w : {&dialog, &main}) {
      if (*w) detach_frame_((*w)->handle_());
      w->reset();
    }
    clear_dialog_replies_();
    settle();
  }

  std::unique_ptr<window_> make(const char* title, int32_t x, int32_t y, int32_t w, int32_t h) {
    window_options_ o;
    o.title = title;
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    auto win = create_window_(o);
    window_* raw = win.get();
    win->on_paint = [raw] { raw->client_surface_().fill_colour_(paper); };
    return win;
  }
  // Lets the platform show what was asked: events, and on a real server some time.
  static void settle() {
    for (int i = 0; i < 20; ++i) {
      do_events_();
      sleep_ms_(2);
    }
  }
  static void at(window_& w, mouse_type_ type, int32_t x, int32_t y, int32_t button = button_left_) {
    const pixel_rect_ r = w.window_rect_();
    inject_mouse_(type, r.left + x, r.top + y, button);
  }
  static void click(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
    at(w, mouse_type_::down, x, y, button);
    at(w, mouse_type_::up, x, y, button);
  }
  // The middle of a caption button (1 minimize, 2 maximize, 3 close) in window pixels.
  static pixel_point_ button_centre(window_& w, int32_t which) {
    int32_t l, t, r, b;
    caption_button_state_(which, find_frame_index_(w.handle_()), l, t, r, b);
    return {(l + r) / 2, (t + b) / 2};
  }

  // Photographs the window's frame band from the screen and compares it with what the frame
  // painted; the number of differing pixels (-1 when no photograph came).
  static int32_t band_mismatches(window_& w) {
    const pixel_rect_ wr = w.window_rect_();
    const int32_t band = frame_border_height_(w.handle_()) + frame_caption_height_(w.handle_());
    int32_t bad = -1;
    for (int attempt = 0; attempt < 100 && bad != 0; ++attempt) {
      surface_ shot;
      if (!capture_screen_({wr.left, wr.top, wr.right, wr.top + band}, shot)) return -1;
      const surface_& painted = w.window_surface_();
      bad = 0;
      for (int32_t y = 0; y < shot.height_(); ++y)
        for (int32_t x = 0; x < shot.width_(); ++x) bad += shot.colour_(x, y) != painted.colour_(x, y);
      if (bad) settle();
    }
    return bad;
  }
  // Pixels of the caption text colour in the band's text area.
  static int32_t caption_ink(window_& w) {
    const uint32_t ink = static_cast<uint32_t>(frame_skin_caption_text_colour_(w.is_active_()));
    const surface_& s = w.window_surface_();
    const int32_t band = frame_border_height_(w.handle_()) + frame_caption_height_(w.handle_());
    int32_t n = 0;
    for (int32_t y = 0; y < band; ++y)
      for (int32_t x = 0; x < s.width_(); ++x) n += s.colour_(x, y) == ink;
    return n;
  }

  std::unique_ptr<window_> main, dialog;
};

TEST_F(frame_scenario, main_window_maximizes_by_its_button_and_restores_by_double_click) {
  main = make("Arvex", 40, 40, 480, 320);
  const int32_t n = attach_frame_(*main, 0, 0);
  ASSERT_EQ(n, 1);
  main->show_();
  main->activate_();
  settle();
  EXPECT_GT(caption_ink(*main), 0);
  EXPECT_EQ(band_mismatches(*main), 0);

  const pixel_point_ max = button_centre(*main, 2);
  click(*main, max.x, max.y);
  settle();
  EXPECT_EQ(main->state_(), show_state_::maximized);

  at(*main, mouse_type_::double_click, 200, 12);
  at(*main, mouse_type_::up, 200, 12);
  settle();
  EXPECT_EQ(main->state_(), show_state_::normal);
  EXPECT_EQ(band_mismatches(*main), 0);
}

TEST_F(frame_scenario, dialog_takes_a_scripted_system_menu_pick) {
  main = make("Arvex", 40, 40, 480, 320);
  dialog = make("Layers", 120, 100, 300, 220);
  attach_frame_(*main, 0, 0);
  frame_style_ no_max;
  no_max.max_box = false;
  const int32_t nd = attach_frame_(*dialog, 0, true_, no_max);
  ASSERT_EQ(nd, 2);
  main->show_();
  dialog->show_();
  dialog->activate_();
  settle();
  EXPECT_EQ(band_mismatches(*dialog), 0);
  EXPECT_EQ(frame_table_[nd].has_min_box, 0);

  // The system menu at the caption: close is the fourth entry.
  dialog_reply_ pick;
  pick.kind = dialog_kind_::context_menu;
  pick.answer = 4;
  push_dialog_reply_(pick);
  click(*dialog, 150, 12, button_right_);
  settle();
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_TRUE(asked[0].answered);
  EXPECT_FALSE(dialog->visible_());
  EXPECT_TRUE(main->visible_());
}

}  // namespace
