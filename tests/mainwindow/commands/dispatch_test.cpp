// The command entry itself: normalisation, grid sizes, the tail and typed points.
#include "cmd_fixture.h"
#include "ui/controls/textbox/textbox.h"

// Qt's font database registers fonts with fontconfig, which keeps them until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

TEST_F(cmd_fixture, words_are_trimmed_and_lower_cased_and_the_empty_word_does_nothing) {
  open_window();
  line(100, 40, 110, 60);
  eng().view_zoom_(0.001f);
  eng().view_posx_(-5000);
  EXPECT_TRUE(mdi->gocmd_("  ZoomAll "));
  EXPECT_NEAR(eng().view_posx_(), 105, 1);
  EXPECT_NEAR(eng().view_posy_(), 50, 1);
  EXPECT_GT(eng().view_zoom_(), 1.0f);
  EXPECT_EQ(mdi->tool_name_(), "SELECT");

  mdi->ds_tn_(2);
  EXPECT_FALSE(mdi->gocmd_(""));
  EXPECT_FALSE(mdi->gocmd_("   "));
  EXPECT_EQ(mdi->ds_tn_(), 2);
  EXPECT_TRUE(mdi->gocmd_(" UNDO "));
  EXPECT_EQ(eng().state_active_(), 0);
}

TEST_F(cmd_fixture, grid_sizes_follow_the_users_notation_and_a_minimum) {
  open_window();
  const struct {
    char decimal;
    const char* word;
    bool taken;
    float size;
  } cases[] = {{'.', "Grid 2.5", true, 2.5f},    {',', "grid 2,5", true, 2.5f},   {'.', "grid 0.0001", true, 0.0001f},
               {'.', "grid 7abc", true, 7.0f},   {'.', "grid 0.00005", false, 0}, {'.', "grid -3", false, 0},
               {'.', "grid 1e60", false, 0},     {',', "GRID 1 000,5", true, 1000.5f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    pin_command_decimal_(c.decimal);
    eng().view_gridsize_(9.0f);
    view().last_x_ = view().last_y_ = 42;
    EXPECT_EQ(mdi->gocmd_(c.word), c.taken);
    EXPECT_EQ(eng().view_gridsize_(), c.taken ? c.size : 9.0f);
    // A refused size is never clicked as a point either.
    EXPECT_EQ(view().last_x_, 42.0f);
  }
}

TEST_F(cmd_fixture, tracking_points_are_cleared_only_after_a_drawing_tool_word) {
  open_window();
  const struct {
    const char* word;
    int32_t left;
  } cases[] = {{"mview", 1}, {"zoomall", 1}, {"selectall", 1}, {"line", 0}, {"dimh", 0}, {"cut", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    eng().hpoint_clear_();
    eng().hpoint_add_(1, 1, 0);
    ASSERT_TRUE(mdi->gocmd_(c.word));
    EXPECT_EQ(eng().hpoint_count_(), c.left);
  }
}

TEST_F(cmd_fixture, typed_points_replay_locked_clicks_absolute_and_relative) {
  open_window();
  EXPECT_TRUE(mdi->gocmd_("@3 4"));  // before any click: relative to (0, 0)
  EXPECT_EQ(view().last_x_, 3.0f);
  EXPECT_EQ(view().last_y_, 4.0f);
  EXPECT_TRUE(mdi->gocmd_("2 3"));
  EXPECT_EQ(view().last_x_, 2.0f);
  EXPECT_EQ(view().last_y_, 3.0f);
  EXPECT_TRUE(mdi->gocmd_("@4 -1"));
  EXPECT_EQ(view().last_x_, 6.0f);
  EXPECT_EQ(view().last_y_, 2.0f);
  EXPECT_TRUE(mdi->gocmd_("@ 4 -1"));
  EXPECT_EQ(view().last_x_, 10.0f);
  EXPECT_EQ(view().last_y_, 1.0f);
  // The lock is gone afterwards: the view converts mouse positions again.
  float x = 0, y = 0;
  eng().mxy2cxy_(0, 0, false_, false_);
  eng().get_cxy_(x, y, false_, 0);
  EXPECT_FALSE(x == 10.0f && y == 1.0f);
}

TEST_F(cmd_fixture, a_trailing_e_clicks_with_ctrl) {
  open_window();
  eng().add_point_(0, 0);
  eng().add_point_(5, 5);
  const struct {
    const char* word;
    int32_t selected;
  } cases[] = {{"5 5", 1}, {"5 5e", 2}, {"5 5E", 2}, {"5 5 e", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    ASSERT_TRUE(mdi->gocmd_("0 0"));
    ASSERT_EQ(eng().select_info_(), 1);
    EXPECT_TRUE(mdi->gocmd_(c.word));
    EXPECT_EQ(eng().select_info_(), c.selected);
  }
}

TEST_F(cmd_fixture, texts_that_are_not_two_numbers_are_not_taken) {
  open_window();
  for (const char* w : {"a b", "1 2 3", "abc def", "10", "10e", "e", "@", "10,20", "1 x", "block", "pon", "bg2d"}) {
    SCOPED_TRACE(w);
    view().last_x_ = view().last_y_ = 42;
    EXPECT_FALSE(mdi->gocmd_(w));
    EXPECT_EQ(view().last_x_, 42.0f);
  }
  pin_command_decimal_(',');
  EXPECT_TRUE(mdi->gocmd_("1,5 2"));
  EXPECT_EQ(view().last_x_, 1.5f);
  // The command line keeps and selects a text that was not taken, and clears one that was.
  mdi->cmd().text("1 2 3");
  int16_t enter = 13;
  mdi->cmd_KeyPress(enter);
  EXPECT_EQ(mdi->cmd().text(), "1 2 3");
  mdi->cmd().text("7 8");
  mdi->cmd_KeyPress(enter);
  EXPECT_EQ(mdi->cmd().text(), "");
  EXPECT_EQ(view().last_x_, 7.0f);
}

TEST_F(cmd_fixture, typed_points_draw_with_the_running_tool_and_e_finishes_the_figure) {
  open_window();
  ASSERT_TRUE(mdi->gocmd_("polyline"));
  for (const char* p : {"0 0", "10 0"}) EXPECT_TRUE(mdi->gocmd_(p));
  EXPECT_EQ(live_on_page(1), 0);
  EXPECT_TRUE(mdi->gocmd_("@0 10e"));
  ASSERT_EQ(live_on_page(1), 1);
  const object_rec_& o = eng().object_(eng().store.counts[0]);
  EXPECT_EQ(o.type, ot_polyline_);
  EXPECT_EQ(o.x1, 0.0f);
  EXPECT_EQ(o.y1, 0.0f);
  EXPECT_EQ(o.x2, 10.0f);
  EXPECT_EQ(o.y2, 10.0f);
  EXPECT_EQ(mdi->ds_tn_(), 0);
}
