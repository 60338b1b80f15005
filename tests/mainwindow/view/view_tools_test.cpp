// View tools: zoom window, drag zoom, zoom in and out, page move, and the limits they keep.
#include <cmath>

#include "mainwindow/mdi.h"
#include "view_host_fixture.h"

using view_tools = view_fixture;

TEST_F(view_tools, zoom_window_fits_the_view) {
  tool("ZOOM_AREA");
  click(-150, 50);
  click(150, -50);  // 300 x 100 units in a 600 x 400-pixel view
  EXPECT_FLOAT_EQ(e().view_zoom_(), 2);
  EXPECT_FLOAT_EQ(e().view_posx_(), 0);
  EXPECT_FLOAT_EQ(e().view_posy_(), 0);
  EXPECT_EQ(ds().tool_step_, 0);
  // A window without height leaves the view.
  click(10, 10);
  click(40, 10);
  EXPECT_FLOAT_EQ(e().view_zoom_(), 2);
}

TEST_F(view_tools, drag_zoom_and_steps) {
  tool("ZOOM_ZOOM");
  down_px(300, 300);
  move_px(300, 200, 1);  // 100 px up
  up_px(300, 200);
  EXPECT_FLOAT_EQ(e().view_zoom_(), 1.5f);
  EXPECT_EQ(ds().tool_step_, 0);

  view(0, 0, 1);
  tool("ZOOM_IN");
  click(10, 0);
  EXPECT_FLOAT_EQ(e().view_posx_(), 5);
  EXPECT_FLOAT_EQ(e().view_posy_(), 0);
  EXPECT_FLOAT_EQ(e().view_zoom_(), 2);
  tool("ZOOM_OUT");
  click(15, 0);
  EXPECT_FLOAT_EQ(e().view_posx_(), -5);
  EXPECT_FLOAT_EQ(e().view_zoom_(), 1);
}

TEST_F(view_tools, zoom_and_centre_stay_finite) {
  tool("ZOOM_IN");
  for (int i = 0; i < 200; ++i) click(0, 0);
  EXPECT_TRUE(std::isfinite(e().view_zoom_()));
  EXPECT_LE(e().view_zoom_(), zoom_highest_);
  view(0, 0, 1);
  tool("ZOOM_OUT");
  for (int i = 0; i < 200; ++i) {
    const float x = e().view_posx_();
    click(x + 100 / e().view_zoom_(), 0);
  }
  EXPECT_GE(e().view_zoom_(), zoom_lowest_);
  EXPECT_TRUE(std::isfinite(e().view_posx_()));
  EXPECT_LE(std::fabs(e().view_posx_()), 1e9f);
}

TEST_F(view_tools, page_move) {
  tool("PRINTING.PAGEMOVE");
  const int16_t page = e().page_active_();
  const float x0 = e().page_posx_(page), y0 = e().page_posy_(page);
  const auto a = px(10, 10), b = px(13, 14);
  move_px(a.x, a.y);
  down_px(a.x, a.y);
  move_px(b.x, b.y, 1);
  up_px(b.x, b.y);
  EXPECT_FLOAT_EQ(e().page_posx_(page), x0 + 3);
  EXPECT_FLOAT_EQ(e().page_posy_(page), y0 + 4);
  EXPECT_EQ(ds().tool_step_, 0);
}
