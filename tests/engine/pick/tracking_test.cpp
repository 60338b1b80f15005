// Tracking points from objects near the cursor, and their display.
#include "tests/engine/pick/pick_fixture.h"

namespace {

using Tracking = pick_drawing_;

TEST_F(Tracking, PointsNearTheCursor) {
  open_window();  // zoom 1: the catch radius is 10 units
  const int32_t circle = e->add_circle_(50, 50, 5);
  const int32_t line = e->add_line_(0, 0, 100, 0);
  e->hpoint_fnd_(circle, 190.f, 190.f);
  ASSERT_EQ(e->hpoint_count_(), 1);
  EXPECT_EQ(e->active_view_().hot_points[1].x, 50);
  e->hpoint_fnd_(line, 95.f, 3.f);
  ASSERT_EQ(e->hpoint_count_(), 2);
  EXPECT_EQ(e->active_view_().hot_points[1].x, 100);
  EXPECT_EQ(e->active_view_().hot_points[1].record, line);
  e->hpoint_fnd_(999, 0.f, 0.f);
  EXPECT_EQ(e->hpoint_count_(), 2);
}

TEST_F(Tracking, NothingWithoutAWindowOrWithTrackingOff) {
  const int32_t circle = e->add_circle_(50, 50, 5);
  e->hpoint_fnd_(circle, 50.f, 50.f);
  EXPECT_EQ(e->hpoint_count_(), 0);
  e->hpoint_add_(10, 10, 0);
  flag16_ v = 7, h = 7;
  float tx = 3, ty = 4;
  e->find_tracking_lines_(v, h, tx, ty);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(tx, 3);
  open_window();
  e->hpoint_show_(false_);
  for (int32_t y = 0; y < 200; ++y)
    for (int32_t x = 0; x < 200; ++x) ASSERT_EQ(surface->colour_(x, y), 0u);
}

TEST_F(Tracking, ShowDrawsPointsLinesAndATakeBackMarker) {
  open_window();
  e->active_view_().snap_track = true_;
  e->backcolor_(0);
  e->hpoint_add_(50, 150, 0);  // pixel (50, 50)
  e->view_setting_(100, 100, 1, e->page_active_());
  e->mxy2cxy_(52, 51, true_, false_);  // lines x = 50 and y = 150
  e->hpoint_show_(false_);
  const uint32_t dot = 0x000064FF;
  EXPECT_EQ(surface->colour_(50, 1), dot);
  EXPECT_EQ(surface->colour_(50, 196), dot);
  EXPECT_EQ(surface->colour_(1, 50), dot);
  EXPECT_EQ(surface->colour_(50, 2), 0u);
  EXPECT_NE(surface->colour_(45, 45), 0u);  // the crossing marker's outer square
  e->hpoint_show_(true_);  // the repaint's call takes the marker away
  EXPECT_EQ(surface->colour_(45, 45), 0u);
  EXPECT_EQ(surface->colour_(47, 50), 0x000096FFu);  // the point's cross stays
}

}  // namespace
