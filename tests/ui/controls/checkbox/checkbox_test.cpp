// Check box and option button driven by injected mouse and keys.
#include <gtest/gtest.h>

#include "platform/input/key_codes.h"
#include "ui/controls/button/button.h"
#include "ui/controls/calendar/calendar.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

struct check_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    host = make_host_();
    box = std::make_unique<xccheckbox_>(*host, 20, 20, 120, 17);
    option = std::make_unique<xcoptionbox_>(*host, 20, 60, 120, 17);
    box->Click = [this] { ++box_clicks; };
    option->Click = [this] { ++option_clicks; };
  }
  std::unique_ptr<window_> host;
  std::unique_ptr<xccheckbox_> box;
  std::unique_ptr<xcoptionbox_> option;
  int box_clicks = 0, option_clicks = 0;
};

TEST_F(check_fixture, right_click_toggles_and_clicks) {
  click_at_(*box->win_(), 5, 5, button_right_);
  EXPECT_EQ(box->Checked(), true_);
  EXPECT_EQ(box_clicks, 1);
  click_at_(*box->win_(), 5, 5, button_right_);
  EXPECT_EQ(box->Checked(), false_);
  EXPECT_EQ(box_clicks, 2);
}

TEST_F(check_fixture, press_inside_release_outside_still_toggles) {
  move_at_(*box->win_(), 5, 5);
  press_at_(*box->win_(), 5, 5);
  EXPECT_EQ(check_glyph_state_(box->state_()), 4);
  move_at_(*box->win_(), 300, 5);
  EXPECT_EQ(check_glyph_state_(box->state_()), 0);  // pressed, but the pointer is elsewhere
  release_at_(*box->win_(), 300, 5);
  EXPECT_EQ(box->Checked(), true_);
  EXPECT_EQ(box_clicks, 1);
  EXPECT_FALSE(box->win_()->has_capture_());
}

TEST_F(check_fixture, space_only_when_focused_and_enabled) {
  // Not focused: the option button holds the focus.
  click_at_(*option->win_(), 5, 5);
  inject_key_(key_type_::down, key_space_);
  inject_key_(key_type_::up, key_space_);
  EXPECT_EQ(box_clicks, 0);
  EXPECT_EQ(option_clicks, 2);
  // Focused and enabled: Space toggles on its release.
  click_at_(*box->win_(), 5, 5);
  ASSERT_EQ(box_clicks, 1);
  inject_key_(key_type_::down, key_space_);
  EXPECT_EQ(box->Checked(), true_);  // the release, not the press, toggles
  inject_key_(key_type_::up, key_space_);
  EXPECT_EQ(box->Checked(), false_);
  EXPECT_EQ(box_clicks, 2);
  // Disabled: nothing.
  box->Enabled(false_);
  inject_key_(key_type_::down, key_space_);
  inject_key_(key_type_::up, key_space_);
  EXPECT_EQ(box_clicks, 2);
  EXPECT_EQ(check_glyph_state_(box->state_()), 5);
}

TEST_F(check_fixture, option_that_is_on_stays_on_and_clicks_again) {
  option->value(true_);
  EXPECT_EQ(option_clicks, 0);  // set by the host: no event
  click_at_(*option->win_(), 5, 5);
  click_at_(*option->win_(), 5, 5);
  EXPECT_EQ(option->value(), true_);
  EXPECT_EQ(option_clicks, 2);
  EXPECT_EQ(box->Checked(), false_);  // options change no other control
}

TEST(check_model, glyph_states) {
  struct row {
    flag16_ enabled, hover, pressed, checked;
    int32_t state;
  };
  const row rows[] = {{-1, 0, 0, 0, 0},  {-1, -1, 0, 0, 1}, {-1, 0, 0, -1, 2}, {-1, -1, 0, -1, 3},
                      {-1, -1, -1, 0, 4}, {-1, -1, -1, -1, 4}, {-1, 0, -1, -1, 2}, {0, -1, -1, -1, 5}};
  for (const row& r : rows) {
    check_state_ s;
    s.enabled = r.enabled;
    s.hover = r.hover;
    s.pressed = r.pressed;
    s.checked = r.checked;
    EXPECT_EQ(check_glyph_state_(s), r.state) << r.enabled << r.hover << r.pressed << r.checked;
  }
}

TEST(check_model, caption_places) {
  check_state_ s;
  EXPECT_EQ(check_layout_(s, false, 120, 50).first_line_x, 16);
  EXPECT_EQ(check_layout_(s, false, 120, 50).other_lines_x, 16);
  s.right_align = true_;
  EXPECT_EQ(check_layout_(s, false, 120, 50).glyph_x, 107);
  EXPECT_EQ(check_layout_(s, false, 120, 50).first_line_x, 0);
  s.right_text_align = true_;
  EXPECT_EQ(check_layout_(s, false, 120, 50).first_line_x, 54);  // ends 16 before the edge
  EXPECT_EQ(check_layout_(s, false, 120, 50).other_lines_x, 0);
  EXPECT_EQ(check_layout_(s, true, 120, 50).first_line_x, 0);  // options have no right text
}

TEST_F(check_fixture, focus_loop_runs_over_every_focusable_kind) {
  xcbutton_ button(*host, 200, 20, 80, 23, "b");
  xccalendar_ date(*host, 200, 60, 120, 21);
  click_at_(*button.win_(), 5, 5);
  EXPECT_EQ(button.state_().focused, true_);
  click_at_(*box->win_(), 5, 5);
  EXPECT_EQ(box->state_().focused, true_);
  EXPECT_EQ(button.state_().focused, false_);
  click_at_(*date.win_(), 5, 5);
  EXPECT_EQ(date.state_().focused, true_);
  EXPECT_EQ(box->state_().focused, false_);
  EXPECT_EQ(option->state_().focused, false_);
  date.HideCalendar();
}

}  // namespace
