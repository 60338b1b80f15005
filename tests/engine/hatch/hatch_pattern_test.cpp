#include "engine/hatch/hatch_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

std::vector<hatch_segment_rec_> build(int32_t code) {
  hatch_build_pattern_(code);
  return {hatch_pattern_buf_.segments.begin(),
          hatch_pattern_buf_.segments.begin() + hatch_pattern_buf_.count};
}

void expect_segment(const hatch_segment_rec_& s, float x1, float y1, float x2, float y2) {
  EXPECT_NEAR(s.x1, x1, 1e-4);
  EXPECT_NEAR(s.y1, y1, 1e-4);
  EXPECT_NEAR(s.x2, x2, 1e-4);
  EXPECT_NEAR(s.y2, y2, 1e-4);
}

TEST(HatchPattern, EveryPatternHasItsSize) {
  const int32_t sizes[29] = {6,  4,   2,  2,   6,  8,  16, 12, 4,  3, 10, 14, 22, 25, 13,
                             14, 108, 24, 101, 21, 11, 13, 46, 30, 8, 52, 4,  25, 9};
  for (int32_t code = 0; code <= 28; ++code) EXPECT_EQ(build(code).size(), size_t(sizes[code])) << code;
}

TEST(HatchPattern, CodesWithoutPatternAreEmpty) {
  for (int32_t code : {-1, 29, 1000, INT32_MIN, INT32_MAX}) {
    build(16);
    hatch_build_pattern_(code);
    EXPECT_EQ(hatch_pattern_buf_.count, 0) << code;
  }
}

TEST(HatchPattern, SecondHalfBuildsOnlyItsOwnPatterns) {
  for (int32_t code : {22, 23, 24}) {
    hatch_build_pattern_ext_(code);
    EXPECT_EQ(hatch_pattern_buf_.count, int32_t(build(code).size())) << code;
  }
  for (int32_t code : {0, 21, 25, 28, -1, 29}) {
    build(16);
    hatch_build_pattern_ext_(code);
    EXPECT_EQ(hatch_pattern_buf_.count, 0) << code;
  }
}

TEST(HatchPattern, ListedPatternsKeepTheirValuesAndOrder) {
  std::vector<hatch_segment_rec_> p0 = build(0);
  expect_segment(p0[0], 0, 0, 100, 0);
  expect_segment(p0[2], 50, 50, 75, 50);
  expect_segment(p0[5], 50, 50, 50, 75);
  std::vector<hatch_segment_rec_> p16 = build(16);
  expect_segment(p16[0], 55.28f, 91.5f, 66.32f, 91.5f);
  expect_segment(p16[107], 88.41f, 91.5f, 82.89f, 99.83f);
  // Segments are not clipped to the tile.
  std::vector<hatch_segment_rec_> p20 = build(20);
  expect_segment(p20[9], 50, 57.3f, 52, 102);
  std::vector<hatch_segment_rec_> p17 = build(17);
  float min_x = 100;
  for (const auto& s : p17) min_x = std::min({min_x, s.x1, s.x2});
  EXPECT_FLOAT_EQ(min_x, -0.51f);
}

TEST(HatchPattern, MirroredPatternsFlipEveryY) {
  std::vector<hatch_segment_rec_> p12 = build(12);
  expect_segment(p12[0], 0, 100, 10, 90);
  expect_segment(p12[20], 0, 100, 0, 0);
  for (const auto& s : p12) {
    EXPECT_TRUE(s.y1 >= 0 && s.y1 <= 100 && s.y2 >= 0 && s.y2 <= 100);
  }
  for (int chain : {0, 10})  // two chains of ten chords, each continuous
    for (int i = chain + 1; i < chain + 10; ++i) {
      EXPECT_EQ(p12[size_t(i)].x1, p12[size_t(i - 1)].x2) << i;
      EXPECT_EQ(p12[size_t(i)].y1, p12[size_t(i - 1)].y2) << i;
    }
  std::vector<hatch_segment_rec_> p13 = build(13);
  expect_segment(p13[0], 0, 100, 0, 65);
  expect_segment(p13[12], 0, 0, 5, 0);
}

TEST(HatchPattern, RowsAreSqueezedIntoNineTenths) {
  std::vector<hatch_segment_rec_> p23 = build(23);
  expect_segment(p23[0], 0, 50.5f, 16.67f, 5.5f);
  expect_segment(p23[15], 0, 100, 16.67f, 55);
  for (size_t i = 0; i < p23.size(); ++i) {
    const float lo = i < 15 ? 5.5f : 55.0f, hi = i < 15 ? 50.5f : 100.0f;
    for (float y : {p23[i].y1, p23[i].y2}) {
      EXPECT_GE(y, lo - 1e-4f) << i;
      EXPECT_LE(y, hi + 1e-4f) << i;
    }
  }
}

TEST(HatchPattern, TicksGrowFromTheirStartPoints) {
  std::vector<hatch_segment_rec_> p27 = build(27);
  expect_segment(p27[0], 89.6f, 22.25f, 90.6f, 23.25f);
  for (const auto& s : p27) {
    EXPECT_EQ(s.x2, s.x1 + 1.0f);
    EXPECT_EQ(s.y2, s.y1 + 1.0f);
  }
  std::set<std::pair<float, float>> starts;
  for (const auto& s : build(28)) {
    EXPECT_EQ(s.x2, s.x1 + 1.0f);
    EXPECT_EQ(s.y2, s.y1);
    starts.insert({s.x1, s.y1});
  }
  std::set<std::pair<float, float>> grid;
  for (float y : {0.0f, 33.0f, 66.0f})
    for (float x : {0.0f, 33.0f, 66.0f}) grid.insert({x, y});
  EXPECT_EQ(starts, grid);
}

TEST(HatchPattern, SixthsAreWholeSixthsOfTheTile) {
  std::vector<hatch_segment_rec_> p21 = build(21);
  expect_segment(p21[0], 0, 33.33333f, 16.66667f, 33.33333f);
  expect_segment(p21[5], 100, 33.33333f, 100, 0);
  expect_segment(p21[12], 50, 16.66667f, 50, 83.33333f);
}

TEST(HatchPattern, RepeatedBuildsAgree) {
  for (int32_t code = 0; code <= 28; ++code) {
    std::vector<hatch_segment_rec_> a = build(code);
    build((code + 7) % 29);
    std::vector<hatch_segment_rec_> b = build(code);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
      EXPECT_TRUE(a[i].x1 == b[i].x1 && a[i].y1 == b[i].y1 && a[i].x2 == b[i].x2 && a[i].y2 == b[i].y2);
  }
}

}  // namespace
