#include <gtest/gtest.h>

#include <memory>

#include "engine/zaz_class.h"

namespace {

struct Views : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void SetUp() override {
    e->page_add_("one", 100, 100);
    e->page_add_("two", 100, 100);
  }
};

TEST_F(Views, ZoomHasALowerLimitOnlyThroughItsProperty) {
  for (float z : {0.0f, -3.0f, 0.0000001f}) {
    e->view_zoom_(z);
    EXPECT_EQ(e->view_zoom_(), 0.000001f) << z;
  }
  e->view_setting_(1, 2, 0, 0);
  EXPECT_EQ(e->view_zoom_(), 0);
}

TEST_F(Views, SettingAddressesPageOrActiveView) {
  struct Case { int32_t page; int32_t view; };
  for (Case c : {Case{0, 2}, Case{300, 2}, Case{-1, 2}, Case{7, 7}, Case{1, 1}, Case{255, 255}}) {
    e->view_setting_(float(c.page), 5, 3, c.page);
    EXPECT_EQ(e->views.views[c.view].posx, float(c.page)) << c.page;
    EXPECT_EQ(e->views.views[c.view].posy, 5) << c.page;
    EXPECT_EQ(e->views.views[c.view].zoom, 3) << c.page;
  }
}

TEST_F(Views, NotFiniteValuesAreIgnored) {
  e->view_setting_(1, 2, 3, 0);
  e->view_setting_(NAN, 0, 1, 0);
  e->view_zoom_(NAN);
  e->view_posx_(INFINITY);
  EXPECT_EQ(e->view_posx_(), 1);
  EXPECT_EQ(e->view_zoom_(), 3);
}

TEST_F(Views, VisibleSizeInDrawingUnits) {
  struct Case { int32_t w, h; float zoom; float vw, vh; };
  const Case cases[] = {
      {800, 600, 2, 400, 300},
      {800, 600, 10000, 1, 1},  // 0.08 raised to 1
      {0, 0, 2, 1, 1},          // no window yet
      {-800, 600, 4, 200, 150},
      {800, 600, 0, 1, 1},
  };
  for (const Case& c : cases) {
    e->views.window_width = c.w;
    e->views.window_height = c.h;
    e->view_setting_(0, 0, c.zoom, 0);
    EXPECT_EQ(e->view_width_(), c.vw) << c.w << " " << c.zoom;
    EXPECT_EQ(e->view_height_(), c.vh) << c.h << " " << c.zoom;
  }
}

TEST_F(Views, EachPageKeepsItsView) {
  e->page_active_(1);
  e->view_setting_(10, 20, 2, 0);
  e->view_gridvisible_(true_);
  e->view_gridsize_(5);
  e->view_snap2grid_(true_);
  e->view_snap2points_(true_);
  e->page_active_(2);
  e->view_setting_(-1, -2, 0.5f, 0);
  e->view_snap2ang45_(true_);
  e->view_snap2track_(true_);
  e->page_active_(1);
  EXPECT_EQ(e->view_posx_(), 10);
  EXPECT_EQ(e->view_posy_(), 20);
  EXPECT_EQ(e->view_zoom_(), 2);
  EXPECT_EQ(e->view_gridvisible_(), true_);
  EXPECT_EQ(e->view_gridsize_(), 5);
  EXPECT_EQ(e->view_snap2grid_(), true_);
  EXPECT_EQ(e->view_snap2points_(), true_);
  EXPECT_EQ(e->view_snap2ang45_(), false_);
  e->page_active_(2);
  EXPECT_EQ(e->view_posx_(), -1);
  EXPECT_EQ(e->view_zoom_(), 0.5f);
  EXPECT_EQ(e->view_snap2ang45_(), true_);
  EXPECT_EQ(e->view_snap2track_(), true_);
  EXPECT_EQ(e->view_gridvisible_(), false_);
}

TEST_F(Views, NewDrawingResetsPageViewsButNotViewZero) {
  e->views.views[0].zoom = 9;
  e->view_setting_(5, 5, 5, 0);
  e->view_gridvisible_(true_);
  e->active_view_().hot_count = 3;
  e->new_empty_drawing_();
  const view_rec_& v = e->views.views[2];
  EXPECT_EQ(v.posx, 0);
  EXPECT_EQ(v.zoom, 1);
  EXPECT_EQ(v.grid_visible, false_);
  EXPECT_EQ(v.grid_size, 1);
  EXPECT_EQ(v.hot_count, 0);
  EXPECT_EQ(e->views.views[0].zoom, 9);
}

}  // namespace
