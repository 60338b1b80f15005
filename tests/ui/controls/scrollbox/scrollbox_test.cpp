// The scroll box's setters, thumb length, press loop and wheel, on a stepped clock.
#include <gtest/gtest.h>

#include <limits>

#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr int32_t i32_max = std::numeric_limits<int32_t>::max();
constexpr int32_t i32_min = std::numeric_limits<int32_t>::min();

TEST(scroll_values, setters_keep_the_range_ordered) {
  scroll_values_ v;
  v.value = 20;
  scroll_set_min_(v, 10);
  scroll_set_max_(v, 5);  // under the minimum: the minimum follows, the value too
  EXPECT_EQ(v.minimum, 5);
  EXPECT_EQ(v.maximum, 5);
  EXPECT_EQ(v.value, 5);
  scroll_values_ w;
  w.value = 10;
  scroll_set_min_(w, 50);
  EXPECT_EQ(w.minimum, 50);
  EXPECT_EQ(w.maximum, 50);
  EXPECT_EQ(w.value, 50);
  scroll_set_current_(w, 99);
  EXPECT_EQ(w.value, 50);
}

TEST(scroll_values, steps_are_limited) {
  scroll_values_ v;
  v.maximum = 3;
  scroll_set_large_(v, 10);
  EXPECT_EQ(v.large_step, 4);  // the whole range plus one
  scroll_set_small_(v, 0);
  EXPECT_EQ(v.small_step, 1);
  v.maximum = 9;
  scroll_set_large_(v, 1000);
  EXPECT_EQ(v.large_step, 10);
  scroll_set_small_(v, 20);
  EXPECT_EQ(v.small_step, 20);
  EXPECT_EQ(v.large_step, 20);
}

TEST(scroll_values, thumb_length) {
  struct row {
    int32_t length_px, maximum, large;
    float fraction;
    int32_t thumb;
  };
  const row rows[] = {{200, 19, 10, 0, 87},     // 10 / 19 of 166
                      {200, 19, 10, 0.25f, 42},  // 41.5 to even
                      {100, 99, 10, 0, 17},      // 6.7 raised to the least
                      {100, 99, 10, 0.5f, 33},
                      {200, 0, 1, 0, 166}};  // no range: the step fills the track
  for (const row& r : rows) {
    scroll_values_ v;
    v.maximum = r.maximum;
    scroll_set_large_(v, r.large);
    scroll_set_fraction_(v, r.fraction);
    EXPECT_EQ(scroll_thumb_length_(v, r.length_px), r.thumb) << r.length_px << " " << r.fraction;
  }
}

TEST(scroll_values, steps_saturate_at_the_32_bit_limits) {
  scroll_values_ v;
  v.minimum = i32_min;
  v.maximum = i32_max;
  v.value = i32_max - 5;
  v.small_step = v.large_step = i32_max;
  EXPECT_TRUE(scroll_command_(v, 4));
  EXPECT_EQ(v.value, i32_max);
  v.value = i32_min + 5;
  EXPECT_TRUE(scroll_command_(v, 1));
  EXPECT_EQ(v.value, i32_min);
  EXPECT_FALSE(scroll_command_(v, 7));
  scroll_set_large_(v, i32_max);  // the span plus one does not fit 32 bits
  EXPECT_EQ(v.large_step, i32_max);
}

struct scroll_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    bar = std::make_unique<xcscrollbox_>(*host, 300, 10, 17, 200);
    bar->Scroll = [this] { ++scrolls; };
    bar->MouseDown = [this](int16_t, int16_t, float, float) { ++downs; };
    bar->MouseUp = [this](int16_t, int16_t, float, float) { ++ups; };
    bar->MouseScroll = [this](int16_t v) { wheel += v; };
  }
  window_& win() { return *bar->win_(); }
  std::unique_ptr<window_> host;
  std::unique_ptr<xcscrollbox_> bar;
  int scrolls = 0, downs = 0, ups = 0, wheel = 0;
};

TEST_F(scroll_fixture, new_bar_is_disabled_but_passes_the_wheel) {
  click_at_(win(), 8, 195);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 0);
  EXPECT_EQ(scrolls, 0);
  bar->call_event_(2);
  EXPECT_EQ(bar->scrollcurrent_(), 0);
  EXPECT_EQ(bar->call_mscroll_(1), true_);
  EXPECT_EQ(wheel, 1);
  bar->get_mscroll_messages_(false_);
  EXPECT_EQ(bar->call_mscroll_(1), false_);
}

TEST_F(scroll_fixture, wheel_is_taken_even_when_the_value_cannot_move) {
  bar->Enabled(true_);
  bar->scrollmax_(0);
  EXPECT_EQ(bar->call_mscroll_(-1), true_);
  EXPECT_EQ(wheel, -1);
}

TEST_F(scroll_fixture, held_arrow_steps_once_waits_then_steps_per_pass) {
  bar->Enabled(true_);
  bar->scrollmax_(1000);
  stepped_clock_ clock;
  clock.at(340, [this] { release_at_(win(), 8, 195); });
  move_at_(win(), 8, 195);
  press_at_(win(), 8, 195);  // the down arrow
  // One step at once, none until 0.33 s have passed, then one per 1-ms pass until the release.
  EXPECT_EQ(bar->scrollcurrent_(), 10);
  EXPECT_EQ(scrolls, 10);
  EXPECT_EQ(ups, 1);
}

TEST_F(scroll_fixture, dragging_the_thumb_scrolls_on_every_move) {
  bar->Enabled(true_);
  bar->scrollmax_(100);
  bar->chlarge_(50);  // thumb of 50 / 100 of 166
  EXPECT_EQ(bar->thumb_length_(), 83);
  bar->refresh_();
  move_at_(win(), 8, 60);
  press_at_(win(), 8, 60);  // on the thumb at the top
  move_at_(win(), 8, 60);
  EXPECT_EQ(scrolls, 1);  // a move that changes nothing still scrolls
  EXPECT_EQ(bar->scrollcurrent_(), 0);
  move_at_(win(), 8, 500);  // far below: the end of the range
  EXPECT_EQ(bar->scrollcurrent_(), 100);
  release_at_(win(), 8, 500);
  EXPECT_EQ(scrolls, 2);
}

TEST(scroll_values, bars_under_51_pixels_show_no_thumb) {
  EXPECT_EQ(scroll_painted_thumb_(50, 17), 0);
  EXPECT_EQ(scroll_painted_thumb_(51, 17), 17);
  EXPECT_EQ(scroll_painted_thumb_(0, 17), 0);
}

TEST_F(scroll_fixture, horizontal_bar_steps_along_x_and_keeps_its_thumb_until_resized) {
  bar->Enabled(true_);
  bar->scrollmax_(10);
  bar->chlarge_(5);
  const int32_t upright = bar->thumb_length_();  // 5 / 10 of 166
  EXPECT_EQ(upright, 83);
  bar->horizontal_(true_);
  EXPECT_EQ(bar->thumb_length_(), upright);
  win().move_(100, 250, 120, 17);
  do_events_();
  EXPECT_EQ(bar->thumb_length_(), 43);  // 5 / 10 of 86
  stepped_clock_ clock;
  clock.at(2, [this] { release_at_(win(), 115, 8); });
  move_at_(win(), 115, 8);
  press_at_(win(), 115, 8);  // the right arrow
  EXPECT_EQ(bar->scrollcurrent_(), 1);
  EXPECT_EQ(scrolls, 1);
}

}  // namespace
