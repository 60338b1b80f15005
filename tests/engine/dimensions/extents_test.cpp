#include <gtest/gtest.h>

#include <cmath>

#include "dim_fixture.h"

namespace {

struct box {
  float x1, y1, x2, y2;
};

void expect_box(const box& got, const box& want) {
  EXPECT_NEAR(got.x1, want.x1, 1e-4);
  EXPECT_NEAR(got.y1, want.y1, 1e-4);
  EXPECT_NEAR(got.x2, want.x2, 1e-4);
  EXPECT_NEAR(got.y2, want.y2, 1e-4);
}

TEST_F(dims_, ImageBoxTakesTheFourthCorner) {
  struct { image_rec_ im; box want; } cases[] = {
      {{0, 10, 4, 10, 0, 7, 0, "", 0}, {0, 7, 4, 10}},
      {{0, 0, 3, 4, -4, 3, 0, "", 0}, {-4, 0, 3, 7}},
  };
  for (const auto& c : cases) {
    box b{};
    e->extent_image_(c.im, b.x1, b.y1, b.x2, b.y2);
    expect_box(b, c.want);
  }
}

TEST_F(dims_, DimensionBoxByKind) {
  dimension_rec_ d;
  d.x1 = 0, d.y1 = 0, d.x2 = 10, d.y2 = 0, d.x3 = 0, d.y3 = 5, d.x4 = 10, d.y4 = 5;
  d.text_box = {box_corner_rec_{4, 6}, {4, 8}, {12, 8}, {12, 6}};
  struct { int32_t kind; float x2; box want; } cases[] = {
      {0, 10, {0, 0, 12, 8}},
      {0, 0, {0, 0, 0, 0}},     // coincident measured points: point 1 alone
      {1, 10, {0, 5, 12, 8}},   // radius and diameter: the dimension line and the text
      {2, 10, {0, 5, 12, 8}},
      {5, 10, {-1, -2, -3, -4}},  // unknown kind: the caller's box stays
  };
  for (const auto& c : cases) {
    d.kind = c.kind;
    d.x2 = c.x2;
    box b{-1, -2, -3, -4};
    e->extent_dimension_(d, b.x1, b.y1, b.x2, b.y2);
    expect_box(b, c.want);
  }
}

TEST_F(dims_, AngularBoxSamplesTheArcItsEndAndShownExtensionLines) {
  angular_dim_rec_ a;
  a.rx = a.ry = 10;
  a.a1 = 0;
  a.a2 = 1.5707964f;
  a.style.arrow_size = 2;
  struct { flag16_ ext1, ext2; box want; } cases[] = {
      {false_, false_, {0, 0, 10, 10}},  // the end point (0, 10) comes in by itself
      {true_, false_, {0, 0, 12, 10}},
      {false_, true_, {0, 0, 10, 12}},
  };
  for (const auto& c : cases) {
    a.style.extline_show1 = c.ext1;
    a.style.extline_show2 = c.ext2;
    box b{};
    e->extent_angular_dim_(a, b.x1, b.y1, b.x2, b.y2);
    expect_box(b, c.want);
  }
  a.rotation = 90;  // turned a quarter: the arc now spans the second quadrant
  a.style.extline_show1 = a.style.extline_show2 = false_;
  box b{};
  e->extent_angular_dim_(a, b.x1, b.y1, b.x2, b.y2);
  expect_box(b, {-10, 0, 0, 10});
}

TEST_F(dims_, ReferenceBoxTakesLeaderAndText) {
  reference_rec_ r;
  r.count = 2;
  r.x = {0, 0, 10};
  r.y = {0, 0, -3};
  r.text_box = {box_corner_rec_{10, -4}, {10, -1}, {15, -1}, {15, -4}};
  box b{};
  e->extent_point_list_(r, b.x1, b.y1, b.x2, b.y2);
  expect_box(b, {0, -4, 15, 0});
  r.count = 0;
  r.x.assign(1, 0), r.y.assign(1, 0);
  b = {-5, -5, -5, -5};  // no leader points: the caller's box is widened by the text
  e->extent_point_list_(r, b.x1, b.y1, b.x2, b.y2);
  expect_box(b, {-5, -5, 15, -1});
}

}  // namespace
