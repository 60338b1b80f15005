// The wheel on the real main window, as the ribbon hands it over: zoom about the cursor point
// over the view, a small scroll over the blocks list, nothing elsewhere; limits kept.
#include "ribbon_fixture.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/statusbar/statusbar.h"

class ribbon_wheel : public ribbon_fixture {
 protected:
  // View at zoom 4 about (10, 10), the pointer on the drawing point (30, -10).
  void view_at_4() {
    mdi->gocmd_("select");
    engine->view_zoom_(4);
    engine->view_posx_(10);
    engine->view_posy_(10);
    const pixel_point_ p = pixel_of(30, -10);
    float x = 0, y = 0;
    convert(p, x, y);
    ASSERT_FLOAT_EQ(x, 30);
    ASSERT_FLOAT_EQ(y, -10);
    point_at(p);
  }
  // One wheel step along the ribbon's road (+1 toward the user, -1 away).
  bool turn(int16_t step) { return rb().call_mscroll_(step); }
};

TEST_F(ribbon_wheel, a_step_zooms_about_the_cursor_point) {
  struct case_ {
    int16_t step;
    float zoom, x, y;
  };
  const case_ cases[] = {{-1, 5, 15, 5}, {1, 3, 5, 15}};
  for (const case_& c : cases) {
    view_at_4();
    const int32_t states = engine->state_active_();
    ASSERT_TRUE(turn(c.step));
    EXPECT_FLOAT_EQ(engine->view_zoom_(), c.zoom) << c.step;
    EXPECT_FLOAT_EQ(engine->view_posx_(), c.x) << c.step;
    EXPECT_FLOAT_EQ(engine->view_posy_(), c.y) << c.step;
    EXPECT_EQ(engine->state_active_(), states);
  }
}

TEST_F(ribbon_wheel, the_zoom_point_is_snapped_for_drawing_tools_only) {
  // Grid 10 and snapping on: the line tool zooms about the grid point nearest the cursor.
  engine->view_snap2grid_(true_);
  engine->view_gridsize_(10);
  for (const char* word : {"line", "select"}) {
    engine->view_zoom_(4);
    engine->view_posx_(0);
    engine->view_posy_(0);
    mdi->gocmd_(word);
    const pixel_point_ p = pixel_of(23, 0);
    point_at(p);
    float raw = 0, y = 0;
    convert(p, raw, y);
    ASSERT_TRUE(turn(-1));
    const float about = std::string(word) == "line" ? 20.f : raw;
    EXPECT_FLOAT_EQ(engine->view_posx_(), about * 0.25f) << word;
  }
}

TEST_F(ribbon_wheel, elsewhere_the_wheel_does_nothing_and_the_blocks_list_scrolls) {
  // Enough blocks that the list runs past the panel: the list sets the bar's range itself.
  for (int i = 1; i <= 40; ++i) {
    const int32_t r = engine->add_line_(0, 0, float(i), 1);
    engine->select_clear_();
    engine->select_record_(r, true_);
    ASSERT_EQ(engine->block_create_("b" + std::to_string(i), 0, 0, false_), i);
  }
  engine->select_clear_();
  view_at_4();
  xcscrollbox_& bar = mdi->blocks_scroll();
  mdi->side_panel_mode_ = 2;
  mdi->mdi_resize_();
  const pixel_rect_ side = mdi->panel2().window_rect_();
  ASSERT_GT(side.right - side.left, 20);
  const pixel_point_ in_side = {(side.left + side.right) / 2, (side.top + side.bottom) / 2};
  inject_mouse_(mouse_type_::move, in_side.x, in_side.y);
  bar.scrollcurrent_(50);
  turn(-1);
  EXPECT_EQ(bar.scrollcurrent_(), 50);  // the property editor is shown there
  mdi->side_panel_mode_ = 1;
  mdi->mdi_resize_();
  mdi->ref_blocks_(-1, -1);
  const int32_t step = bar.chsmall_(), start = 2 * step;
  ASSERT_GT(step, 0);
  ASSERT_GE(bar.scrollmax_(), 4 * step);
  bar.scrollcurrent_(start);
  const pixel_rect_ blocks = mdi->panel2().window_rect_();
  inject_mouse_(mouse_type_::move, (blocks.left + blocks.right) / 2, (blocks.top + blocks.bottom) / 2);
  turn(-1);
  EXPECT_EQ(bar.scrollcurrent_(), start - step);
  turn(1);
  turn(1);
  EXPECT_EQ(bar.scrollcurrent_(), start + step);
  // Over the status bar: neither zoom nor scroll.
  const pixel_rect_ status = mdi->statusbar().win_()->window_rect_();
  inject_mouse_(mouse_type_::move, (status.left + status.right) / 2, (status.top + status.bottom) / 2);
  turn(-1);
  EXPECT_EQ(bar.scrollcurrent_(), start + step);
  EXPECT_FLOAT_EQ(engine->view_zoom_(), 4);
}

TEST_F(ribbon_wheel, an_open_drop_down_keeps_the_wheel) {
  view_at_4();
  mdi->ribbon()->show_popupmenu_(-1, 10, 10);
  do_events_();
  ASSERT_TRUE(rb().winex_visible_());
  EXPECT_FALSE(turn(-1));
  EXPECT_FLOAT_EQ(engine->view_zoom_(), 4);
  mdi->ribbon()->hide_winex_();
}

TEST_F(ribbon_wheel, zoom_and_centre_stay_within_finite_limits) {
  view_at_4();
  for (int i = 0; i < 200; ++i) turn(-1);
  EXPECT_LE(engine->view_zoom_(), zoom_highest_);
  EXPECT_TRUE(std::isfinite(engine->view_posx_()));
  for (int i = 0; i < 400; ++i) turn(1);
  EXPECT_GE(engine->view_zoom_(), zoom_lowest_);
  EXPECT_TRUE(std::isfinite(engine->view_posx_()));
  EXPECT_TRUE(std::isfinite(engine->view_posy_()));
  EXPECT_LE(std::fabs(engine->view_posx_()), 1e9f);
  EXPECT_LE(std::fabs(engine->view_posy_()), 1e9f);
}
