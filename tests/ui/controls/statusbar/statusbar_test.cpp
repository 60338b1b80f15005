// The status bar's stored values, toggle buttons and held slider buttons, driven by injected
// mouse events on a stepped clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls/statusbar/statusbar.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

TEST(statusbar_values, zoom_and_progress_are_clamped) {
  const int32_t zoom[][2] = {{250, 100}, {-250, -100}, {100, 100}, {7, 7}, {-100, -100}};
  for (auto [in, out] : zoom) EXPECT_EQ(status_zoom_clamp_(in, -100, 100), out) << in;
  EXPECT_EQ(status_zoom_clamp_(5, 10, 0), 10);  // an inverted range: the minimum wins
  const int32_t progress[][2] = {{120, 100}, {-3, -1}, {-1, -1}, {0, 0}, {50, 50}};
  for (auto [in, out] : progress) EXPECT_EQ(status_progress_of_(in), out) << in;
}

TEST(statusbar_values, buttons_lie_right_to_left_from_the_zoom_area) {
  std::vector<status_button_rec_> b(4);
  b[0].title = " Snap ";  // shown trimmed: 4 characters
  b[1].title = "Grid";
  b[1].icon = 3;
  b[2].icon = 5;  // icon only
  // b[3] has neither and keeps the width before it.
  status_place_buttons_(b, 200, 22, [](std::string_view t) { return int32_t(t.size()) * 7; });
  EXPECT_EQ(b[0].left, 200 - 36);
  EXPECT_EQ(b[0].right, 200);
  EXPECT_EQ(b[1].right, 200 - 36 - 3);
  EXPECT_EQ(b[1].left, b[1].right - 54);
  EXPECT_EQ(b[2].right - b[2].left, 22);
  EXPECT_EQ(b[3].right - b[3].left, 22);
  EXPECT_EQ(b[3].top, 1);
  EXPECT_EQ(b[3].bottom, 22);
  EXPECT_EQ(status_button_at_(b, 199, 5), 1);
  EXPECT_EQ(status_button_at_(b, 200, 5), 0);
}

struct statusbar_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    bar = std::make_unique<xcstatusbar_>(*host, 0, 200, 400, 22);
    bar->zoom_min_(-100);
    bar->zoom_max_(100);
    bar->zoom_curr_(0);
    bar->add_button_("SNAP_", "Snap", 0);
    bar->add_button_("GRID_", "Grid", 0);
    bar->refresh_();
    bar->ButtonClick = [this](const std::string& k) { log.push_back("click " + k); };
    bar->ZoomMouseDown = [this](int32_t v) { log.push_back("down " + std::to_string(v)); };
    bar->ZoomMouseUp = [this](int32_t v) { log.push_back("up " + std::to_string(v)); };
    bar->ZoomPressLeft = [this](int32_t) { ++press_left; };
  }
  // The middle of button n (1-based).
  pixel_point_ centre(int32_t n) const {
    const status_button_rec_& b = bar->state_().buttons[size_t(n - 1)];
    return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
  }
  window_& win() { return *bar->win_(); }

  std::unique_ptr<window_> host;
  std::unique_ptr<xcstatusbar_> bar;
  std::vector<std::string> log;
  int press_left = 0;
};

TEST_F(statusbar_fixture, click_on_a_toggle_raises_its_key_after_the_zoom_events) {
  const pixel_point_ p = centre(2);
  click_at_(win(), p.x, p.y);
  EXPECT_EQ(log, (std::vector<std::string>{"down 0", "up 0", "click GRID_"}));
  EXPECT_EQ(bar->button_checked_("GRID_"), false_);  // the host sets the flag
}

TEST_F(statusbar_fixture, press_on_one_toggle_release_on_another_raises_no_click) {
  const pixel_point_ a = centre(1), b = centre(2);
  move_at_(win(), a.x, a.y);
  press_at_(win(), a.x, a.y);
  move_at_(win(), b.x, b.y);
  release_at_(win(), b.x, b.y);
  EXPECT_EQ(log, (std::vector<std::string>{"down 0", "up 0"}));
  log.clear();
  click_at_(win(), a.x, a.y, button_right_);
  EXPECT_EQ(log, (std::vector<std::string>{"down 0", "up 0"}));
}

TEST_F(statusbar_fixture, held_slider_button_repeats_every_50_ms) {
  stepped_clock_ clock;
  // The left slider button is centred 60 pixels into the zoom area, on the middle row.
  clock.at(260, [this] { release_at_(win(), 260, 11); });
  move_at_(win(), 260, 11);
  press_at_(win(), 260, 11);
  EXPECT_EQ(press_left, 6);  // at 0, 50, ..., 250 ms
  EXPECT_EQ(clock.now_ms(), 300);
  EXPECT_EQ(log, (std::vector<std::string>{"up 0", "down 0"}));
  EXPECT_EQ(bar->state_().pressed_part, 0);
}

TEST_F(statusbar_fixture, keys_match_exactly_and_untrimmed) {
  bar->button_checked_("GRID_", true_);
  EXPECT_EQ(bar->button_checked_("GRID_"), true_);
  EXPECT_EQ(bar->button_checked_("grid_"), false_);
  EXPECT_EQ(bar->button_checked_(" GRID_"), false_);
  bar->button_checked_(" GRID_", false_);  // no such key: nothing changes
  EXPECT_EQ(bar->button_checked_("GRID_"), true_);
}

TEST_F(statusbar_fixture, dragging_the_thumb_far_left_scrolls_to_the_minimum) {
  std::vector<int32_t> values;
  bar->ZoomScroll = [&](int32_t v) { values.push_back(v); };
  // Find the thumb along the slider row: a press on it leaves the thumb held.
  int32_t thumb_x = -1;
  for (int32_t x = 270; x < 380 && thumb_x < 0; ++x) {
    move_at_(win(), x, 11);
    press_at_(win(), x, 11);
    if (bar->state_().pressed_part == 3) thumb_x = x;
    else release_at_(win(), x, 11);
  }
  ASSERT_GT(thumb_x, 0);
  // 0 on -100..100 puts the 11-pixel thumb's centre at 315, halfway between 274 and 356.
  EXPECT_EQ(thumb_x, 310);
  move_at_(win(), 150, 11);
  move_at_(win(), -50, 11);
  release_at_(win(), -50, 11);
  EXPECT_EQ(values, (std::vector<int32_t>{-100, -100}));
  EXPECT_EQ(bar->zoom_curr_(), 0);  // the host sets the value
}

}  // namespace
