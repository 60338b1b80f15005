// Cursor conversion and snapping. Without a window a pixel (0, 0) converts to the view
// centre, so the centre stands for the raw cursor point.
#include <cmath>

#include "tests/engine/pick/pick_fixture.h"

namespace {

class Snap : public pick_drawing_ {
 protected:
  // The cursor point for a raw point (x, y) at the given zoom.
  std::pair<float, float> cursor(float x, float y, float zoom = 1, flag16_ an45 = true_) {
    e->view_setting_(x, y, zoom, e->page_active_());
    e->mxy2cxy_(0, 0, true_, an45);
    float cx = 0, cy = 0;
    e->get_cxy_(cx, cy, false_, 0);
    return {cx, cy};
  }
  view_rec_& view() { return e->active_view_(); }
};

TEST_F(Snap, GridTakesTheNearestMultiple) {
  struct case_ {
    float grid, v, want;
  } cases[] = {
      {10, 32, 30}, {10, 36, 40}, {10, 34.9f, 30}, {10, -7, -10},
      {1, 2.4f, 2}, {1, 2.0f, 2}, {1, 3.0f, 3},    {1, 2.6f, 3},
      {0.5f, 1.3f, 1.5f}, {0.5f, 1.1f, 1.0f}, {2.5f, 5, 5}, {2.5f, 6.3f, 7.5f},
      {0.005f, 0.0126f, 0.015f},  // finer than a hundredth
  };
  view().snap_grid = true_;
  for (const case_& c : cases) {
    view().grid_size = c.grid;
    const auto [x, y] = cursor(c.v, c.v);
    EXPECT_NEAR(x, c.want, 1e-5) << c.grid << " " << c.v;
    EXPECT_NEAR(y, c.want, 1e-5) << c.grid << " " << c.v;
  }
}

TEST_F(Snap, PointsWithinFifteenPixels) {
  view().snap_points = true_;
  snap_point_rec_& s = e->paint.snap;
  s.x = {0, 1.4f, 20};
  s.y = {0, 0, 20};
  s.count = 2;
  s.page = e->page_active_();
  struct case_ {
    float x, want;
  } cases[] = {{0, 1.4f}, {-0.2f, -0.2f}};  // 14 pixels away at zoom 10; then 16
  for (const case_& c : cases) {
    e->view_setting_(c.x, 0, 10, e->page_active_());
    s.view = e->view_transform_(0, 0);
    e->mxy2cxy_(0, 0, true_, false_);
    float x = 0, y = 0;
    e->get_cxy_(x, y, false_, 0);
    EXPECT_FLOAT_EQ(x, c.want);
  }
}

TEST_F(Snap, FortyFiveDegreeRays) {
  view().snap_ang45 = true_;
  e->set_posxy_(0, 0);
  const float deg = 3.1415927f / 180;
  struct case_ {
    float angle, want;  // degrees; want < 0: stays
  } cases[] = {{43, 45}, {39, -1}, {184, 180}, {357, 360}, {94.9f, 90}, {50.5f, -1}};
  for (const case_& c : cases) {
    const float x = 10 * std::cos(c.angle * deg), y = 10 * std::sin(c.angle * deg);
    const auto [cx, cy] = cursor(x, y);
    const float want = c.want < 0 ? c.angle : c.want;
    EXPECT_NEAR(cx, 10 * std::cos(want * deg), 1e-4) << c.angle;
    EXPECT_NEAR(cy, 10 * std::sin(want * deg), 1e-4) << c.angle;
  }
  const auto [x, y] = cursor(10 * std::cos(43 * deg), 10 * std::sin(43 * deg), 1, false_);
  EXPECT_NEAR(std::atan2(y, x) / deg, 43, 1e-3);  // the tool did not ask for it
}

TEST_F(Snap, TrackingLines) {
  view().snap_track = true_;
  e->hpoint_add_(10, 0, 0);
  e->hpoint_add_(0, 20, 0);
  auto [x, y] = cursor(10.05f, 19.9f, 50);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 20);
  std::tie(x, y) = cursor(10.2f, 19.9f, 50);  // 10 pixels off the vertical line
  EXPECT_FLOAT_EQ(x, 10.2f);
  EXPECT_EQ(y, 20);
}

TEST_F(Snap, TrackingLineMeetsTheRay) {
  view().snap_track = true_;
  view().snap_ang45 = true_;
  e->hpoint_add_(5, 100, 0);
  e->set_posxy_(0, 0);
  const auto [x, y] = cursor(5.2f, 4.9f, 10);
  EXPECT_NEAR(x, 5, 1e-4);
  EXPECT_NEAR(y, 5, 1e-4);
}

TEST_F(Snap, LockAndNoSnap) {
  view().snap_grid = true_;
  view().grid_size = 10;
  e->store.origin_x = 0.3f;
  e->store.origin_y = -1000.1f;
  e->lock_xy_(1.7f, 2.9f);
  cursor(33, 44);
  float x = 0, y = 0;
  e->get_cxy_(x, y, true_, 0);
  EXPECT_EQ(x, 1.7f);
  EXPECT_EQ(y, 2.9f);
  e->unlock_xy_();
  e->view_setting_(33, 44, 1, e->page_active_());
  e->mxy2cxy_(0, 0, false_, true_);
  e->get_cxy_(x, y, false_, 0);
  EXPECT_EQ(x, 33);
  EXPECT_EQ(y, 44);
}

}  // namespace
