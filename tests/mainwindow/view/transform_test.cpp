// MOVE, ROTATE, SCALE and the arrays through injected clicks, with values locked in the rows;
// each change is one undo step with its label.
#include "view_host_fixture.h"

using transform = view_fixture;

namespace {
void expect_line_near(const line_rec_& l, float x1, float y1, float x2, float y2) {
  EXPECT_NEAR(l.x1, x1, 1e-3);
  EXPECT_NEAR(l.y1, y1, 1e-3);
  EXPECT_NEAR(l.x2, x2, 1e-3);
  EXPECT_NEAR(l.y2, y2, 1e-3);
}
}  // namespace

TEST_F(transform, move_with_locked_angle_goes_up_by_the_cursor_distance) {
  const int32_t a = line(-60, -80, -20, -80);
  e().select_record_(a, true_);
  tool("MOVE");
  host->panel->chkv_(2, true_);
  host->panel->textv_(2, "90");
  click(0, 0);
  click(30, 40);  // 50 units from the base point
  expect_line_near(line_of(a), -60, -30, -20, -30);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.move"));
  EXPECT_EQ(text_to_single_(host->panel->textv_(1)), 50);
  EXPECT_EQ(ds().tool_step_, 0);
}

TEST_F(transform, move_takes_the_object_under_the_first_click_when_nothing_is_selected) {
  const int32_t a = line(-50, 0, 50, 0);
  tool("MOVE");
  click(100, 100);  // nothing there
  EXPECT_EQ(ds().tool_step_, 0);
  click(20, 0);
  EXPECT_TRUE(selected(a));
  EXPECT_EQ(ds().tool_step_, 1);
  click(20, 10);
  expect_line_near(line_of(a), -50, 10, 50, 10);
}

TEST_F(transform, a_click_without_a_move_commits_its_own_point) {
  const int32_t a = line(-50, 0, 50, 0);
  e().select_record_(a, true_);
  tool("MOVE");
  click(0, 0);
  move(10, 0);
  const auto p = px(0, 20);
  down_px(p.x, p.y);  // pressed where no move went
  up_px(p.x, p.y);
  expect_line_near(line_of(a), -50, 20, 50, 20);
}

TEST_F(transform, rotate_copy_keeps_the_original) {
  const int32_t a = line(10, 0, 50, 0);
  e().select_record_(a, true_);
  tool("ROTATE");
  host->panel->chkv_(2, true_);
  const int32_t before = e().records_();
  click(0, 0);
  click(0, 30);
  ASSERT_EQ(e().records_(), before + 1);
  const int32_t copy = e().records_();
  expect_line_near(line_of(a), 10, 0, 50, 0);
  expect_line_near(line_of(copy), 0, 10, 0, 50);
  EXPECT_FALSE(selected(a));
  EXPECT_TRUE(selected(copy));
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.rotate"));
}

TEST_F(transform, scale_per_axis_is_signed) {
  const int32_t a = line(-40, -40, 40, 40);
  e().select_record_(a, true_);
  tool("SCALE");
  click(0, 0);
  click(20, -40);
  EXPECT_FLOAT_EQ(ds().tr_sx_, 0.5f);
  EXPECT_FLOAT_EQ(ds().tr_sy_, -1.0f);
  expect_line_near(line_of(a), -20, 40, 20, -40);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.scale"));
}

TEST_F(transform, array_counts_and_spacings_are_whole_numbers) {
  const int32_t a = line(0, 0, 1, 0);
  e().select_record_(a, true_);
  tool("ARRAY");
  xcpanelbox_& p = *host->panel;
  p.textv_(1, "2");
  p.textv_(2, "3");
  p.textv_(3, "7.5");  // halves go to even: 8
  p.textv_(4, "4");
  const int32_t before = e().records_();
  click(100, 100);
  EXPECT_EQ(e().records_(), before + 5);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e().get_exarea_(x1, y1, x2, y2, true_);  // the copies
  EXPECT_FLOAT_EQ(x1, 0);
  EXPECT_FLOAT_EQ(x2, 9);
  EXPECT_FLOAT_EQ(y2, 8);
  EXPECT_EQ(ds().tool_step_, 0);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.array.rect"));
}

// A session as a user works: a window selection, a handle drag, a move locked to 30 units, a
// rotated copy, a middle-button pan in between, then undo; geometry and labels at each stage.
TEST_F(transform, session_ends_with_expected_geometry_and_labels) {
  const int32_t a = line(0, 0, 40, 0), b = line(0, 10, 40, 30);
  // Window around both.
  const auto w1 = px(-10, 40), w2 = px(50, -10);
  move_px(w1.x, w1.y);
  down_px(w1.x, w1.y);
  move_px(w2.x, w2.y, 1);
  up_px(w2.x, w2.y);
  ASSERT_EQ(selection(), (std::vector<int32_t>{a, b}));
  host->ref_(false_, false_);
  // Handle 2 (right edge) dragged to twice the width.
  pixel_point_ h{};
  ASSERT_TRUE(handle_px(2, h));
  const auto to = px(80, 15);
  move_px(h.x, h.y);
  down_px(h.x, h.y);
  move_px(to.x, h.y, 1);
  up_px(to.x, h.y);
  expect_line_near(line_of(a), 0, 0, 80, 0);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.scale"));
  // MOVE with the length locked at 30, upwards.
  tool("MOVE");
  host->panel->chkv_(1, true_);
  host->panel->textv_(1, "30");
  click(0, 0);
  down_px(300, 200, 4);  // a pan in the middle of it
  move_px(320, 200, 4);
  up_px(320, 200, 4);
  EXPECT_EQ(ds().tool_step_, 1);
  click(0, 5);
  expect_line_near(line_of(a), 0, 30, 80, 30);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.move"));
  // A rotated copy by 90 about the origin.
  tool("ROTATE");
  host->panel->chkv_(2, true_);
  click(0, 0);
  click(0, 50);
  const int32_t copy = e().records_() - 1;
  expect_line_near(line_of(copy), -30, 0, -30, 80);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.rotate"));
  // Undo takes the copy away and names the move as the next undo.
  e().state_undo_(1);
  EXPECT_EQ(e().records_(), 2);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.move"));
  e().state_undo_(1);
  expect_line_near(line_of(a), 0, 0, 80, 0);
}

TEST_F(transform, mirror_locked_vertical_and_circular_array) {
  const int32_t a = line(10, 0, 30, 20);
  e().select_record_(a, true_);
  tool("MIRROR");
  host->panel->chkv_(1, true_);
  host->panel->textv_(1, "90");
  click(5, 0);
  click(40, -70);  // the locked axis ignores where the second click lands
  expect_line_near(line_of(a), 0, 0, -20, 20);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.mirror"));

  tool("ARRAY.CIRC");
  xcpanelbox_& p = *host->panel;
  p.textv_(1, "1");
  p.textv_(2, "4");
  p.textv_(4, "90");
  const int32_t before = e().records_();
  click(0, 0);
  ASSERT_EQ(e().records_(), before + 3);
  expect_line_near(line_of(before + 2), 0, 0, 20, -20);  // rotated by 180 about the click
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.array.circ"));
}

TEST_F(transform, scale_with_both_axes_locked_together) {
  const int32_t a = line(-10, -10, 10, 10);
  e().select_record_(a, true_);
  tool("SCALE");
  host->panel->chkv_(1, true_);
  click(0, 0);
  click(48, 64);  // 80 units away: factor 2 on both axes
  expect_line_near(line_of(a), -20, -20, 20, 20);
  EXPECT_EQ(host->panel->textv_(3), host->panel->textv_(2));
}
