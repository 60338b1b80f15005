// Rubber bands: every kind drawn, moved and erased leaves the surface as it was.
#include <cmath>

#include "preview_fixture.h"

namespace {

using rubber_band_ = overlay_;

TEST_F(rubber_band_, EveryKindErasesToTheOriginalPixels) {
  const band_args kinds[] = {
      {1, -60, -20, 40, 30, 0, 0, 0, 0, 0, false_, 0, false_},
      {1, -60, -20, 40, 30, 0, 0, 0, 0, 0, true_, 4, false_},
      {2, 30, -25, 0, 0, 0, 0, 0, 0, 0, false_, 0, false_},
      {2, 30, -25, 0, 0, 0, 0, 0, 0, 0, false_, 0, true_},
      {3, 30, -25, 0, 0, 0, 0, 0, 0, 0, true_, 3, false_},
      {4, 30, -25, 0, 0, 0, 0, 0, 0, 0, true_, 3, false_},
      {5, -50, -30, 20, 25, 0, 0, 0, 0, 0, true_, 5, false_},
      {6, 0, 0, 0, 0, 30, 0, 0, 350, 100, false_, 0, false_},
      {7, 5, -5, 0, 0, 35, 0, 0, 0, 0, false_, 0, false_},
      {8, 5, -5, 0, 0, 0, 60, 25, 0, 0, false_, 0, false_},
      {17, 20, 25, -50, -30, 0, 0, 0, 0, 0, true_, 5, false_},
  };
  e->vertex_add_(-70, 30);
  e->vertex_add_(-20, 40);
  e->vertex_add_(0, -10);
  for (const band_args& k : kinds) {
    SCOPED_TRACE(k.kind);
    band(k);
    EXPECT_GT(changed(), 0);
    band_args moved = k;
    moved.x1 += 7, moved.y1 -= 3, moved.rad += 2, moved.rx += 2;
    band(moved);
    band(moved);
    EXPECT_GT(changed(), 0);
    erase_band();
    EXPECT_EQ(pixels(), before);
    EXPECT_EQ(e->preview.band.kind, 0);
  }
}

TEST_F(rubber_band_, ClosedCurveIsErasedClosedByAnEraseOnlyCall) {
  e->vertex_add_(-70, 30);
  e->vertex_add_(-20, 40);
  e->vertex_add_(0, -10);
  band({2, 30, -25, 0, 0, 0, 0, 0, 0, 0, false_, 0, true_});
  erase_band();  // passes close_ false
  EXPECT_EQ(pixels(), before);
}

TEST_F(rubber_band_, SampleCountsOfArcsAndCircles) {
  struct row {
    band_args a;
    int32_t count;
  };
  const row rows[] = {
      {{6, 0, 0, 0, 0, 30, 0, 0, 350, 10}, 8},
      {{6, 0, 0, 0, 0, 30, 0, 0, 0, 360}, 127},
      {{6, 0, 0, 0, 0, 30, 0, 0, 45, 45}, 2},
      {{7, 0, 0, 0, 0, 30, 0, 0, 0, 0}, 126},
      {{8, 0, 0, 0, 0, 0, 40, 20, 0, 0}, 126},
  };
  for (const row& r : rows) {
    band(r.a);
    EXPECT_EQ(e->preview.band.point_count, r.count) << r.a.kind << " " << r.a.aa1;
    erase_band();
  }
  // The arc from 350 to 10 degrees starts below the x axis and ends on 10 degrees.
  band(rows[0].a);
  EXPECT_LT(e->preview.band.y[0], 0.f);
  EXPECT_NEAR(e->preview.band.y[7], 30 * std::sin(10 * 3.14159265 / 180), 1e-3);
}

TEST_F(rubber_band_, RectangleCornersInEitherOrderDrawTheSameOutline) {
  band({5, -50, -30, 20, 25});
  const std::vector<uint32_t> one = pixels();
  EXPECT_GE(e->preview.band.x1, e->preview.band.x2);
  EXPECT_GE(e->preview.band.y1, e->preview.band.y2);
  erase_band();
  band({5, 20, 25, -50, -30});
  EXPECT_EQ(pixels(), one);
  erase_band();
  EXPECT_EQ(pixels(), before);
}

TEST_F(rubber_band_, ShortBuffersAndUnknownKinds) {
  band({4, 30, -25});  // one point: nothing visible
  EXPECT_EQ(pixels(), before);
  EXPECT_EQ(e->preview.band.point_count, 1);
  erase_band();
  e->vertex_add_(-70, 30);
  band({4, 30, -25});  // two points: a line
  EXPECT_GT(changed(), 0);
  erase_band();
  EXPECT_EQ(pixels(), before);
  band({9, 30, -25, 10, 10});
  EXPECT_EQ(pixels(), before);
  EXPECT_EQ(e->preview.band.kind, 9);
  erase_band();
  EXPECT_EQ(pixels(), before);
  band({42, 30, -25, 10, 10});
  EXPECT_EQ(pixels(), before);
}

TEST_F(rubber_band_, ForgettingAfterARepaintErasesNothing) {
  band({1, -60, -20, 40, 30});
  const std::vector<uint32_t> shown = pixels();
  e->preview_forget_();
  erase_band();
  EXPECT_EQ(pixels(), shown);
}

}  // namespace
