#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/zaz_class.h"

namespace {

constexpr float pi_f = 3.1415927f;

struct Angles : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
};

TEST_F(Angles, ClampNonzero) {
  struct Case { float in, out; };
  for (Case c : {Case{0, 0.000001f}, Case{-0.0000005f, -0.000001f}, Case{0.0000005f, 0.000001f},
                 Case{0.000001f, 0.000001f}, Case{-0.000001f, -0.000001f}, Case{5, 5},
                 Case{-2, -2}}) {
    EXPECT_EQ(e->clamp_nonzero_(c.in), c.out) << c.in;
  }
}

TEST_F(Angles, DirectionInDegrees) {
  struct Case { float x, y, av, deg; };
  const Case cases[] = {
      {1, 0, 0, 0},    {0, 1, 0, 90},   {-1, 0, 0, 180}, {0, -1, 0, 270},
      {1, -1, 0, 315}, {1, 1, 0, 45},   {-1, 1, 0, 135}, {-1, -1, 0, 225},
      {0, 0, 0, 0},    {0, 0, 30, 30},  {1, 0, -30, 330}, {1, 0, 800, 440},
      {0, 1, 300, 30},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(e->calc_angle_(0, 0, c.x, c.y, true_, c.av), c.deg, 1e-4) << c.x << "," << c.y;
}

TEST_F(Angles, DirectionInRadiansStaysInOneTurn) {
  struct Case { float x, y, rad; };
  for (Case c : {Case{0, 1, pi_f / 2}, Case{-1, 0, pi_f}, Case{0, -1, 3 * pi_f / 2},
                 Case{1, -0.0001f, 2 * pi_f - 0.0001f}}) {
    const float a = e->calc_angle_(2, 3, 2 + c.x, 3 + c.y, false_, 0);
    EXPECT_NEAR(a, c.rad, 1e-5) << c.x << "," << c.y;
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 2 * pi_f);
  }
}

TEST_F(Angles, NotFiniteInputGivesZero) {
  EXPECT_EQ(e->calc_angle_(0, 0, NAN, 1, true_, 0), 0);
}

TEST_F(Angles, RotationAboutOrigin) {
  struct Case { float deg, px, py, rx, ry; };
  for (Case c : {Case{90, 1, 0, 0, 1}, Case{-90, 1, 0, 0, -1}, Case{180, 2, 1, -2, -1},
                 Case{45, 1, 1, 0, std::sqrt(2.0f)}, Case{0, 3, 4, 3, 4}}) {
    float rx = 99, ry = 99;
    e->calc_rotate_00_deg_(c.deg, c.px, c.py, rx, ry);
    EXPECT_NEAR(rx, c.rx, 1e-6) << c.deg;
    EXPECT_NEAR(ry, c.ry, 1e-6) << c.deg;
    float rrx = 99, rry = 99;
    e->calc_rotate_00_rad_(c.deg * pi_f / 180, c.px, c.py, rrx, rry);
    EXPECT_NEAR(rrx, c.rx, 1e-6) << c.deg;
    EXPECT_NEAR(rry, c.ry, 1e-6) << c.deg;
  }
}

TEST_F(Angles, RotationKeepsSineAndCosineOfNegatedAngle) {
  float x, y;
  e->calc_rotate_00_deg_(30, 1, 0, x, y);
  EXPECT_NEAR(e->geometry.rot_sin_, -0.5, 1e-6);
  EXPECT_NEAR(e->geometry.rot_cos_, std::sqrt(3.0) / 2, 1e-6);
}

TEST_F(Angles, FailedRotationLeavesUnrotatedPoint) {
  float x = 99, y = 99;
  e->calc_rotate_00_deg_(NAN, 3, 4, x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 4);
  e->calc_rotate_00_rad_(1, 3e38f, 3e38f, x, y);  // overflows
  EXPECT_EQ(x, 3e38f);
  EXPECT_EQ(y, 3e38f);
}

TEST_F(Angles, RotationAboutCentre) {
  float x = 0, y = 0;
  e->rotate_about_deg_(180, 2, 1, 1, 1, x, y);
  EXPECT_NEAR(x, 0, 1e-6);
  EXPECT_NEAR(y, 1, 1e-6);
  e->rotate_about_rad_(pi_f / 2, 5, 0, 4, 0, x, y);
  EXPECT_NEAR(x, 4, 1e-6);
  EXPECT_NEAR(y, 1, 1e-6);
}

}  // namespace
