#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/zaz_class.h"

namespace {

constexpr float pi_single = 3.1415927f;
struct Pt { float x, y; };

struct Calc : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void buffer(const std::vector<Pt>& pts) {
    e->vertex_clear_();
    for (Pt p : pts) e->vertex_add_(p.x, p.y);
  }
  void offset_source(const std::vector<Pt>& pts) {
    e->geometry.offset_count_ = int32_t(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) {
      e->geometry.offset_points_[i + 1].x = pts[i].x;
      e->geometry.offset_points_[i + 1].y = pts[i].y;
      e->geometry.offset_points_[i + 1].a = float(i) / 10;
    }
  }
};

TEST_F(Calc, CrossOfTwoLines) {
  struct Case { float l[8]; bool ok; Pt at; bool exact; };
  const Case cases[] = {
      {{0, 2, 5, 2, 3, 0, 3, 9}, true, {3, 2}, true},     // horizontal with vertical
      {{3, 0, 3, 9, 0, 2, 5, 2}, true, {3, 2}, true},     // vertical with horizontal
      {{0, 0, 0, 1, 2, 0, 2, 5}, false, {0, 0}, true},    // both vertical
      {{0, 1, 5, 1, 0, 3, 9, 3}, false, {0, 0}, true},    // both horizontal
      {{0, 0, 1, 1, 0, 1, 1, 2.000001f}, false, {0, 0}, true},  // slopes closer than 1e-5
      {{0, 0, 2, 2, 0, 2, 2, 0}, true, {1, 1}, false},
      {{0, 0, 4, 2, 1, 5, 2, 3}, true, {2.8f, 1.4f}, false},
  };
  for (const Case& c : cases) {
    float x = -7, y = -7;
    flag16_ ok = 5;
    e->calc_cross_2l_(c.l[0], c.l[1], c.l[2], c.l[3], c.l[4], c.l[5], c.l[6], c.l[7], x, y, ok);
    EXPECT_EQ(ok, to_flag_(c.ok)) << c.l[0] << c.l[1] << c.l[2] << c.l[3];
    const float tol = c.exact ? 0.0f : 1e-5f;
    EXPECT_NEAR(x, c.at.x, tol);
    EXPECT_NEAR(y, c.at.y, tol);
  }
}

TEST_F(Calc, CrossOfBrokenLinesReportsFailure) {
  float x = -7, y = -7;
  flag16_ ok = true_;
  e->calc_cross_2l_(0, 0, 1, NAN, 0, 1, 1, 2, x, y, ok);
  EXPECT_EQ(ok, false_);
  EXPECT_EQ(x, -7);
  EXPECT_EQ(y, -7);
}

TEST_F(Calc, FootOfPerpendicular) {
  struct Case { float l[4]; Pt p, foot; };
  const Case cases[] = {
      {{0, 0, 10, 0}, {3, 4}, {3, 0}},
      {{0, 0, 0, 10}, {3, 4}, {0, 4}},
      {{0, 0, 1, 1}, {2, 0}, {1, 1}},
  };
  for (const Case& c : cases) {
    float x = 0, y = 0;
    e->calc_cross_lp_(c.l[0], c.l[1], c.l[2], c.l[3], c.p.x, c.p.y, x, y);
    EXPECT_NEAR(x, c.foot.x, 1e-4) << c.l[2] << "," << c.l[3];
    EXPECT_NEAR(y, c.foot.y, 1e-4) << c.l[2] << "," << c.l[3];
  }
  float x = 11, y = 12;
  e->calc_cross_lp_(0, 0, NAN, 0, 1, 1, x, y);
  EXPECT_EQ(x, 11);
  EXPECT_EQ(y, 12);
}

TEST_F(Calc, MirrorImage) {
  struct Case { float l[4]; Pt p, image; };
  const Case cases[] = {
      {{0, 0, 1, 0}, {1, 1}, {1, -1}},
      {{0, 0, 0, 1}, {1, 1}, {-1, 1}},
      {{0, 0, 1, 1}, {2, 0}, {0, 2}},
      {{4, 4, 4, 4}, {0, 5}, {0, 3}},  // one point: the horizontal through it
  };
  for (const Case& c : cases) {
    float x = 0, y = 0;
    e->calc_mirror_(c.p.x, c.p.y, c.l[0], c.l[1], c.l[2], c.l[3], x, y);
    EXPECT_NEAR(x, c.image.x, 1e-4) << c.l[2] << "," << c.l[3];
    EXPECT_NEAR(y, c.image.y, 1e-4) << c.l[2] << "," << c.l[3];
  }
  float x = 11, y = 12;
  e->calc_mirror_(NAN, 0, 0, 0, 1, 0, x, y);
  EXPECT_EQ(x, 11);
  EXPECT_EQ(y, 12);
}

TEST_F(Calc, ParallelOffset) {
  struct Case { std::vector<Pt> in; flag16_ closed; std::vector<Pt> out; };
  const Case cases[] = {
      {{{0, 0}, {10, 0}}, false_, {{0, 1}, {10, 1}}},
      {{{0, 0}, {10, 0}, {10, 10}}, false_, {{0, 1}, {9, 1}, {9, 10}}},
      {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true_, {{1, 1}, {9, 1}, {9, 9}, {1, 9}}},
      {{{0, 0}, {10, 0}, {20, 0}}, false_, {{0, 1}, {10, 1}, {20, 1}}},  // collinear
      {{{0, 0}, {10, 0}}, true_, {{0, 1}, {10, 1}}},  // closed with two points: open
  };
  for (const Case& c : cases) {
    offset_source(c.in);
    ASSERT_TRUE(e->calc_shift_pline_(1, c.closed));
    for (size_t i = 0; i < c.out.size(); ++i) {
      const vertex_rec_& r = e->geometry.offset_result_[i + 1];
      EXPECT_NEAR(r.x, c.out[i].x, 1e-5) << c.in.size() << " point " << i;
      EXPECT_NEAR(r.y, c.out[i].y, 1e-5) << c.in.size() << " point " << i;
      EXPECT_EQ(r.a, float(i) / 10);  // carried from the input
    }
  }
}

TEST_F(Calc, OffsetOfTooFewOrTooManyPointsWritesNothing) {
  e->geometry.offset_result_[1].x = 42;
  offset_source({{0, 0}});
  EXPECT_FALSE(e->calc_shift_pline_(1, false_));
  e->geometry.offset_count_ = 9999 + 1;
  EXPECT_FALSE(e->calc_shift_pline_(1, false_));
  e->geometry.offset_count_ = 70000;
  EXPECT_FALSE(e->calc_shift_pline_(1, true_));
  EXPECT_EQ(e->geometry.offset_result_[1].x, 42);
}

TEST_F(Calc, SharpCornerIsClampedNotInfinite) {
  offset_source({{0, 0}, {10, 0}, {0, 0.000001f}});
  ASSERT_TRUE(e->calc_shift_pline_(1, false_));
  EXPECT_LE(std::fabs(e->geometry.offset_result_[2].x), 1e9f);
  EXPECT_LE(std::fabs(e->geometry.offset_result_[2].y), 1e9f);
}

TEST_F(Calc, LengthOfOpenPolyline) {
  struct Case { std::vector<Pt> pts; float len; };
  const Case cases[] = {
      {{}, 0}, {{{3, 3}}, 0}, {{{0, 0}, {3, 4}, {3, 0}}, 9}, {{{0, 0}, {0, -2}}, 2},
  };
  for (const Case& c : cases) {
    buffer(c.pts);
    EXPECT_FLOAT_EQ(e->calc_length_(), c.len) << c.pts.size();
  }
}

TEST_F(Calc, AreaOfPolygonEitherWay) {
  struct Case { std::vector<Pt> pts; float area; };
  const Case cases[] = {
      {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1},
      {{{0, 1}, {1, 1}, {1, 0}, {0, 0}}, 1},
      {{{0, 0}, {4, 0}, {0, 3}}, 6},
      {{{5, 5}}, 0},
      {{{0, 0}, {7, 7}}, 0},
  };
  for (const Case& c : cases) {
    buffer(c.pts);
    EXPECT_FLOAT_EQ(e->calc_area_(), c.area) << c.pts.size();
  }
}

TEST_F(Calc, CircleThroughThreePoints) {
  struct Case { Pt a, b, c; Pt centre; float rad, ang1, ang2; };
  const Case cases[] = {
      {{1, 0}, {0, 1}, {-1, 0}, {0, 0}, 1, 0, pi_single},
      {{-1, 0}, {0, 1}, {1, 0}, {0, 0}, 1, 2 * pi_single, pi_single},
      {{6, 2}, {4, 4}, {2, 2}, {4, 2}, 2, 0, pi_single},
      {{0, 1}, {-1, 0}, {0, -1}, {0, 0}, 1, pi_single / 2, 3 * pi_single / 2},
  };
  for (const Case& c : cases) {
    float cx = 0, cy = 0, rad = 0, a1 = -9, a2 = -9;
    e->calc_arc3p_(c.a.x, c.a.y, c.b.x, c.b.y, c.c.x, c.c.y, cx, cy, rad, a1, a2);
    EXPECT_NEAR(cx, c.centre.x, 1e-5) << c.a.x << "," << c.a.y;
    EXPECT_NEAR(cy, c.centre.y, 1e-5);
    EXPECT_NEAR(rad, c.rad, 1e-5);
    EXPECT_NEAR(a1, c.ang1, 1e-5);
    EXPECT_NEAR(a2, c.ang2, 1e-5);
  }
}

TEST_F(Calc, CollinearOrBrokenPointsLeaveOutputs) {
  struct Case { float p[6]; };
  for (Case c : {Case{{0, 0, 1, 1, 2, 2}}, Case{{0, 0, 1, 0, 2, 0}},
                 Case{{0, 0, NAN, 1, 2, 0}}, Case{{0, 0, INFINITY, 1, 2, 0}}}) {
    float cx = 11, cy = 12, rad = 13, a1 = 14, a2 = 15;
    e->calc_arc3p_(c.p[0], c.p[1], c.p[2], c.p[3], c.p[4], c.p[5], cx, cy, rad, a1, a2);
    EXPECT_EQ(cx, 11);
    EXPECT_EQ(cy, 12);
    EXPECT_EQ(rad, 13);
    EXPECT_EQ(a1, 14);
    EXPECT_EQ(a2, 15);
  }
}

}  // namespace
