// SELECT: clicks with and without Shift and Ctrl, the 5-pixel line between a click and a
// window, and handle drags as one undo step (never one for a press without a drag).
#include "view_host_fixture.h"

using select_tool = view_fixture;

namespace {
void expect_flat(const line_rec_& l, float x1, float x2) {
  EXPECT_NEAR(l.x1, x1, 1e-3);
  EXPECT_NEAR(l.x2, x2, 1e-3);
  EXPECT_FLOAT_EQ(l.y1, 0);
  EXPECT_FLOAT_EQ(l.y2, 0);
}
}  // namespace

TEST_F(select_tool, clicks_with_modifiers) {
  const int32_t a = line(-100, 50, 100, 50), b = line(-100, 0, 100, 0), c = line(-100, -50, 100, -50);
  click(40, 50);
  EXPECT_EQ(selection(), std::vector<int32_t>{a});
  click(40, 0, mod_ctrl_);
  EXPECT_EQ(selection(), (std::vector<int32_t>{a, b}));
  click(40, -50, mod_ctrl_);
  EXPECT_EQ(selection(), (std::vector<int32_t>{a, b, c}));
  click(40, 50, mod_shift_);
  EXPECT_EQ(selection(), (std::vector<int32_t>{b, c}));
  click(0, 120, mod_ctrl_);  // nothing there: a modifier keeps the selection
  EXPECT_EQ(selection(), (std::vector<int32_t>{b, c}));
  click(40, -50);
  EXPECT_EQ(selection(), std::vector<int32_t>{c});
  click(0, 120);
  EXPECT_TRUE(selection().empty());
  EXPECT_EQ(e().state_active_(), 0);
}

TEST_F(select_tool, three_pixels_is_a_click_six_a_window) {
  const int32_t a = line(-100, 50, 100, 50), b = line(-10, 0, 10, 0);
  const auto p = px(40, 50);
  // 3 pixels from a point on line a: still a click, at the release point.
  move_px(p.x, p.y);
  down_px(p.x, p.y);
  move_px(p.x + 3, p.y);
  up_px(p.x + 3, p.y);
  EXPECT_EQ(selection(), std::vector<int32_t>{a});
  // 6 pixels: a window, which holds nothing whole.
  move_px(p.x, p.y);
  down_px(p.x, p.y);
  move_px(p.x + 6, p.y);
  up_px(p.x + 6, p.y);
  EXPECT_TRUE(selection().empty());
  // A window around line b selects it, whatever the modifiers.
  const auto q1 = px(-20, 10), q2 = px(20, -10);
  move_px(q1.x, q1.y);
  down_px(q1.x, q1.y);
  move_px(q2.x, q2.y);
  up_px(q2.x, q2.y, 1, mod_shift_);
  EXPECT_EQ(selection(), std::vector<int32_t>{b});
  EXPECT_EQ(ds().tool_step_, 0);
}

TEST_F(select_tool, handle_four_scales_about_the_top_edge) {
  const int32_t a = line(-100, 100, 100, -100);
  e().select_record_(a, true_);
  host->ref_(false_, false_);
  pixel_point_ h{};
  ASSERT_TRUE(handle_px(4, h));
  const auto to = px(0, 0);  // halfway down from the top edge at 100 to the bottom at -100
  move_px(h.x, h.y);
  down_px(h.x, h.y);
  move_px(h.x, to.y, 1);
  up_px(h.x, to.y);
  EXPECT_EQ(e().state_active_(), 1);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.scale"));
  EXPECT_FLOAT_EQ(line_of(a).y1, 100);
  EXPECT_NEAR(line_of(a).y2, 0, 1.0);  // within one pixel of the release
  EXPECT_FLOAT_EQ(line_of(a).x1, -100);
  EXPECT_FLOAT_EQ(line_of(a).x2, 100);
}

TEST_F(select_tool, handle_nine_moves_a_horizontal_line) {
  const int32_t a = line(-50, 0, 50, 0);  // zero height: only the move handle can act
  e().select_record_(a, true_);
  host->ref_(false_, false_);
  // The middle handles lie on the move handle here; the press takes the move handle.
  const auto& m = e().selection.handles[9];
  const pixel_point_ h{(m.left + m.right) / 2, (m.top + m.bottom) / 2};
  ASSERT_EQ(h.x, px(0, 0).x);
  move_px(h.x, h.y);
  down_px(h.x, h.y);
  EXPECT_EQ(input->grip_id_, 9);
  move_px(h.x + 30, h.y - 20, 1);
  up_px(h.x + 30, h.y - 20);
  EXPECT_EQ(e().state_name_(1), lang_text_("change.trn.move"));
  EXPECT_FLOAT_EQ(line_of(a).x1, -20);
  EXPECT_FLOAT_EQ(line_of(a).y1, 20);
  EXPECT_FLOAT_EQ(line_of(a).x2, 80);
}

TEST_F(select_tool, press_and_release_on_a_handle_adds_no_step) {
  const int32_t a = line(-100, 100, 100, -100);
  e().select_record_(a, true_);
  host->ref_(false_, false_);
  pixel_point_ h{};
  ASSERT_TRUE(handle_px(2, h));
  move_px(h.x, h.y);
  down_px(h.x, h.y);
  up_px(h.x, h.y);
  EXPECT_EQ(e().state_active_(), 0);
  EXPECT_EQ(input->grip_id_, 0);
  // Nor does a drag with the middle button: it neither pans nor transforms.
  const float cx = e().view_posx_();
  down_px(h.x, h.y, 4);
  move_px(h.x + 40, h.y, 4);
  up_px(h.x + 40, h.y, 4);
  EXPECT_EQ(e().state_active_(), 0);
  EXPECT_EQ(e().view_posx_(), cx);
  EXPECT_FLOAT_EQ(line_of(a).x2, 100);
}

TEST_F(select_tool, flat_selection_scales_its_one_axis_and_a_drop_on_column_zero_applies) {
  const int32_t a = line(0, 0, 40, 0);
  e().select_record_(a, true_);
  host->ref_(false_, false_);
  pixel_point_ h{};
  ASSERT_TRUE(handle_px(1, h));  // the right end: the zero-height axis keeps factor 1
  const auto to = px(80, 0);
  move_px(h.x, h.y);
  down_px(h.x, h.y);
  move_px(to.x, to.y, 1);
  up_px(to.x, to.y);
  EXPECT_EQ(e().state_active_(), 1);
  expect_flat(line_of(a), 0, 80);

  // Dragged onto the view's first pixel column: the drop still applies.
  host->ref_(false_, false_);
  ASSERT_TRUE(handle_px(1, h));
  move_px(h.x, h.y);
  down_px(h.x, h.y);
  move_px(0, h.y, 1);
  up_px(0, h.y);
  EXPECT_EQ(e().state_active_(), 2);
  EXPECT_LT(line_of(a).x2, 0);
  EXPECT_FLOAT_EQ(line_of(a).y2, 0);
}
