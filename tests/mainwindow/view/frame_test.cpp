// The view's input frame: the drop-down rule, the right-button popup, middle-button pans that
// leave the running tool as it was, the readout, leaving the view, and snap tracking by rest.
#include "view_host_fixture.h"

TEST(popup_position, is_the_cursor_in_the_main_windows_client_area) {
  // Main window left 200, border 4, cursor at 650: 446 wherever the view sits.
  for (int32_t view_left : {204, 300, 500}) {
    const pixel_point_ p = popup_position_({650, 300}, {view_left, 150, view_left + 100, 250}, {200, 100, 900, 600},
                                           4, 30, 4);
    EXPECT_EQ(p.x, 446) << view_left;
    EXPECT_EQ(p.y, 300 - 100 - 30 - 4);
  }
  EXPECT_EQ(popup_position_({400, 0}, {150, 0, 300, 10}, {100, 0, 900, 10}, 8, 0, 0).x, 292);
}

using frame = view_fixture;

namespace {
bool same(const surface_& a, const surface_& b) {
  if (a.width_() != b.width_() || a.height_() != b.height_()) return false;
  for (int32_t y = 0; y < a.height_(); ++y)
    for (int32_t x = 0; x < a.width_(); ++x)
      if (a.row_(y)[x] != b.row_(y)[x]) return false;
  return true;
}
}  // namespace

TEST_F(frame, click_with_drop_down_open_only_closes_it) {
  const int32_t r = line(-50, 0, 50, 0);
  tool("MOVE");
  input->last_x_ = 3;
  host->dropdown = true;
  click(0, 0);
  EXPECT_FALSE(host->dropdown);
  EXPECT_EQ(ds().tool_step_, 0);
  EXPECT_FALSE(selected(r));
  EXPECT_EQ(input->last_x_, 3);
  EXPECT_FALSE(is_set_(input->button_down_));  // its release was ignored
}

TEST_F(frame, right_click_opens_popup_and_middle_drag_pans_keeping_the_tool) {
  const int32_t r = line(-50, 0, 50, 0);
  tool("MOVE");
  e().select_record_(r, true_);
  click(10, 20);
  ASSERT_EQ(ds().tool_step_, 1);
  const draw_state_rec_ before = ds();

  const auto p = px(30, 30);
  move_px(p.x, p.y);
  down_px(p.x, p.y, 2);
  up_px(p.x, p.y, 2);
  ASSERT_EQ(host->popups.size(), 1u);
  const pixel_point_ c = cursor_pos_();
  const pixel_rect_ m = host->form->window_rect_();
  EXPECT_EQ(host->popups[0].owner, -1);
  EXPECT_EQ(host->popups[0].x, c.x - m.left - 4);
  EXPECT_EQ(host->popups[0].y, c.y - m.top - 34);
  EXPECT_EQ(ds().tool_step_, 1);
  EXPECT_EQ(ds().p1x_, before.p1x_);
  EXPECT_EQ(ds().p1y_, before.p1y_);

  // A middle drag 40 pixels right and 20 down at zoom 1 moves the centre by (-40, 20).
  down_px(300, 200, 4);
  move_px(340, 220, 4);
  up_px(340, 220, 4);
  EXPECT_FLOAT_EQ(e().view_posx_(), -40);
  EXPECT_FLOAT_EQ(e().view_posy_(), 20);
  EXPECT_EQ(ds().tool_step_, 1);
  EXPECT_EQ(ds().tool_name_, "MOVE");
  EXPECT_EQ(ds().p1x_, before.p1x_);
  EXPECT_EQ(ds().p1y_, before.p1y_);
}

TEST_F(frame, readout_and_leaving_the_view) {
  view(0, 0, 2);
  const auto p = px(-2.5f, 7);
  move_px(p.x, p.y);
  EXPECT_EQ(host->status, "X=-2.500000, Y=7.000000");

  // MOVE at step 1: cross-hair and mask on the picture; leaving the view takes both away.
  const int32_t r = line(-50, 0, 50, 0);
  tool("MOVE");
  e().select_record_(r, true_);
  host->ref_(false_, false_);
  surface_ clean;
  ASSERT_TRUE(host->view->grab_(clean));
  click(0, 0);
  host->ref_(false_, false_);
  move(5, 10);
  surface_ drawn;
  ASSERT_TRUE(host->view->grab_(drawn));
  EXPECT_FALSE(same(drawn, clean));
  move_px(-30, 50);
  surface_ left;
  ASSERT_TRUE(host->view->grab_(left));
  EXPECT_TRUE(same(left, clean));
  EXPECT_FALSE(is_set_(input->view_captured_));
}

TEST_F(frame, tracking_runs_once_per_half_second_rest) {
  e().view_snap2track_(true_);
  line(0, 0, 40, 0);
  tool("LINE");
  input->timer_Timer();  // the first tick repaints (and may track where the cursor was)
  e().hpoint_clear_();
  move(2, 0);
  host->now += 0.45;
  input->timer_Timer();
  EXPECT_EQ(e().hpoint_count_(), 0);
  host->now += 0.10;
  input->timer_Timer();
  EXPECT_EQ(e().hpoint_count_(), 1);  // the line's end near the cursor
  e().hpoint_clear_();
  host->now += 5;
  input->timer_Timer();
  EXPECT_EQ(e().hpoint_count_(), 0);  // no second run in the same rest
  move(2, 0);
  host->now += 0.55;
  input->timer_Timer();
  EXPECT_EQ(e().hpoint_count_(), 1);
}

TEST_F(frame, escape_drops_the_figure_or_asks_for_selectnone) {
  const int32_t r = line(-50, 0, 50, 0);
  e().select_record_(r, true_);
  tool("MOVE");
  EXPECT_TRUE(input->escape_());  // at step 0 the caller clears the selection
  click(0, 0);
  ASSERT_EQ(input->ds_tn_(), 1);
  const int32_t refs = host->refs;
  EXPECT_FALSE(input->escape_());
  EXPECT_EQ(input->ds_tn_(), 0);
  EXPECT_EQ(host->refs, refs + 1);
}

TEST_F(frame, middle_pan_during_zoom_window_keeps_the_first_corner) {
  tool("ZOOM_AREA");
  click(-150, 50);
  ASSERT_EQ(ds().tool_step_, 1);
  down_px(300, 200, 4);
  move_px(300, 210, 4);
  up_px(300, 210, 4);
  EXPECT_EQ(ds().tool_step_, 1);
  EXPECT_FLOAT_EQ(ds().p1x_, -150);
  EXPECT_FLOAT_EQ(ds().p1y_, 50);
  EXPECT_FLOAT_EQ(e().view_posy_(), 10);
}

TEST_F(frame, library_window_under_the_cursor_releases_the_view) {
  move(0, 0);
  EXPECT_TRUE(is_set_(input->view_captured_));
  const pixel_point_ c = host->view->client_to_screen_(px(10, 0));
  host->library = {c.x - 5, c.y - 5, c.x + 5, c.y + 5};
  host->library_open = true;
  move(10, 0);
  EXPECT_FALSE(is_set_(input->view_captured_));
  host->library_open = false;
  move(10, 0);
  EXPECT_TRUE(is_set_(input->view_captured_));
}
