#include "engine/hatch/hatch_place.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

struct boundary {
  std::vector<float> x, y;
};

boundary rect(float x0, float y0, float x1, float y1) { return {{x0, x1, x1, x0}, {y0, y0, y1, y1}}; }

// Sets the boundary and pattern of `h` (points from 1) and places its tiles.
bool place(const boundary& b, int32_t pattern, float scale, float rotation, hatch_rec_& h) {
  h.count = int32_t(b.x.size());
  h.x = b.x;
  h.y = b.y;
  h.x.insert(h.x.begin(), 0.0f);
  h.y.insert(h.y.begin(), 0.0f);
  h.pattern = pattern;
  h.scale = scale;
  h.rotation = rotation;
  return hatch_place_tiles_(h);
}

size_t origins(const hatch_rec_& h) { return h.tile_x.empty() ? 0 : h.tile_x.size() - 1; }

// Even-odd inside test of a closed boundary, independent of the raster.
bool inside(const boundary& b, double px, double py) {
  bool in = false;
  for (size_t i = 0, j = b.x.size() - 1; i < b.x.size(); j = i++) {
    if ((b.y[i] > py) != (b.y[j] > py) &&
        px < (b.x[j] - b.x[i]) * (py - b.y[i]) / double(b.y[j] - b.y[i]) + b.x[i])
      in = !in;
  }
  return in;
}

// True when some found tile (a square of side `tile`, turned by `rot`) holds the point.
bool covered(const hatch_rec_& t, float tile, float rot, double px, double py) {
  const double c = std::cos(rot), s = std::sin(rot);
  for (size_t k = 1; k <= origins(t); ++k) {
    const double dx = px - t.tile_x[k], dy = py - t.tile_y[k];
    if (std::fabs(dx * c + dy * s) <= tile / 2 + 1e-3 && std::fabs(-dx * s + dy * c) <= tile / 2 + 1e-3)
      return true;
  }
  return false;
}

// Every inside point of a fine grid over the boundary's box lies in a found tile.
void expect_covers_inside(const boundary& b, const hatch_rec_& t, float tile, float rot) {
  float x0 = b.x[0], x1 = b.x[0], y0 = b.y[0], y1 = b.y[0];
  for (size_t i = 0; i < b.x.size(); ++i) {
    x0 = std::min(x0, b.x[i]), x1 = std::max(x1, b.x[i]);
    y0 = std::min(y0, b.y[i]), y1 = std::max(y1, b.y[i]);
  }
  int missed = 0;
  for (int i = 0; i <= 100; ++i)
    for (int j = 0; j <= 100; ++j) {
      const double px = x0 + (x1 - x0) * (i + 0.5) / 101.5, py = y0 + (y1 - y0) * (j + 0.5) / 101.5;
      if (inside(b, px, py) && !covered(t, tile, rot, px, py)) ++missed;
    }
  EXPECT_EQ(missed, 0);
}

TEST(HatchPlace, LatticeHalfSizeRoundsHalvesToEven) {
  const struct {
    double diagonal, tile;
    int32_t n;
  } cases[] = {
      {5, 1, 2},      // m 5, 2.5 -> 2
      {7, 1, 4},      // m 7, 3.5 -> 4
      {201, 1, 100},  // 100.5 -> 100, still accepted
      {202, 1, 101},  // refused by the caller
      {111.8034, 10, 6}, {0.4, 1, 0}, {5, 0, -1}, {INFINITY, 1, -1}, {1e12, 1e-3, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hatch_lattice_half_(c.diagonal, c.tile), c.n) << c.diagonal << "/" << c.tile;
}

TEST(HatchPlace, TileSizeIsTenScaleAndNeverBelowOneHundredth) {
  EXPECT_FLOAT_EQ(hatch_tile_size_(1), 10);
  EXPECT_FLOAT_EQ(hatch_tile_size_(0.25f), 2.5f);
  for (float s : {0.0f, -3.0f, 0.0005f, NAN}) EXPECT_FLOAT_EQ(hatch_tile_size_(s), 0.01f) << s;
}

TEST(HatchPlace, LinesAreTheTileCentredScaledAndTurned) {
  hatch_rec_ t;
  ASSERT_TRUE(place(rect(0, 0, 100, 50), 3, 1, 0, t));
  ASSERT_EQ(t.line_count, 2);
  ASSERT_EQ(t.lines.size(), 3u);
  EXPECT_FLOAT_EQ(t.lines[1].x1, -5);
  EXPECT_FLOAT_EQ(t.lines[1].y1, -5);
  EXPECT_FLOAT_EQ(t.lines[1].x2, 5);
  EXPECT_FLOAT_EQ(t.lines[1].y2, -5);
  EXPECT_FLOAT_EQ(t.lines[2].y1, 0);
  ASSERT_TRUE(place(rect(0, 0, 100, 50), 3, 1, 1.5707964f, t));
  EXPECT_NEAR(t.lines[1].x1, 5, 1e-5);
  EXPECT_NEAR(t.lines[1].y1, -5, 1e-5);
  EXPECT_NEAR(t.lines[1].x2, 5, 1e-5);
  EXPECT_NEAR(t.lines[1].y2, 5, 1e-5);
}

TEST(HatchPlace, RectangleIsCoveredByTilesNearIt) {
  const boundary b = rect(0, 0, 100, 50);
  hatch_rec_ t;
  ASSERT_TRUE(place(b, 1, 1, 0, t));
  ASSERT_EQ(t.tile_x.size(), t.tile_y.size());
  expect_covers_inside(b, t, 10, 0);
  // Every tile fully inside is there; none lies beyond the reach of its samples.
  int full = 0;
  for (size_t k = 1; k <= origins(t); ++k) {
    const float ox = t.tile_x[k], oy = t.tile_y[k];
    EXPECT_TRUE(ox >= -10.5f && ox <= 110.5f && oy >= -5.5f && oy <= 55.5f) << ox << "," << oy;
    if (ox >= 5 && ox <= 95 && oy >= 5 && oy <= 45) ++full;
  }
  EXPECT_EQ(full, 9 * 5);
}

TEST(HatchPlace, LatticeReachesPastTheRoundedDiagonal) {
  // 5.3 x 1 tiles: the diagonal is 5.39 tiles, which rounds to a 5 x 5 lattice that would
  // leave both ends of the strip bare.
  const boundary b = rect(0, 0, 53, 10);
  hatch_rec_ t;
  ASSERT_TRUE(place(b, 3, 1, 0, t));
  expect_covers_inside(b, t, 10, 0);
}

TEST(HatchPlace, SlantedBoundaryAndTurnedPatternAreCovered) {
  const boundary b = {{0, 60, 80, 20}, {0, 20, 70, 50}};
  for (float rot : {0.0f, 0.5235988f, 2.0f}) {
    hatch_rec_ t;
    ASSERT_TRUE(place(b, 16, 0.5f, rot, t)) << rot;
    expect_covers_inside(b, t, 5, rot);
  }
}

TEST(HatchPlace, RandomStarShapesAreCovered) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> unit(0, 1);
  for (int shape = 0; shape < 8; ++shape) {
    boundary b;
    const int points = 3 + shape * 2;
    const float cx = unit(rng) * 1000 - 500, cy = unit(rng) * 1000 - 500;
    for (int i = 0; i < points; ++i) {
      const float a = 6.2831853f * (i + unit(rng) * 0.8f) / points, r = 20 + unit(rng) * 60;
      b.x.push_back(cx + r * std::cos(a));
      b.y.push_back(cy + r * std::sin(a));
    }
    const float rot = unit(rng) * 6.2831853f, scale = 0.4f + unit(rng);
    hatch_rec_ t;
    ASSERT_TRUE(place(b, shape % 29, scale, rot, t)) << shape;
    expect_covers_inside(b, t, hatch_tile_size_(scale), rot);
  }
}

TEST(HatchPlace, HoleKeepsItsInnerTilesOut) {
  // Outer square, then the hole in the same turning sense, joined by a bridge: only the
  // alternate rule leaves the hole out.
  const boundary b = {{0, 100, 100, 0, 0, 30, 70, 70, 30, 30}, {0, 0, 100, 100, 0, 30, 30, 70, 70, 30}};
  hatch_rec_ t;
  ASSERT_TRUE(place(b, 1, 0.5f, 0, t));
  expect_covers_inside(b, t, 5, 0);
  for (size_t k = 1; k <= origins(t); ++k) {
    const float ox = t.tile_x[k], oy = t.tile_y[k];
    EXPECT_FALSE(ox > 36 && ox < 64 && oy > 33.5f && oy < 66.5f) << ox << "," << oy;
  }
}

TEST(HatchPlace, FailuresLeaveThePreviousResult) {
  hatch_rec_ before;
  ASSERT_TRUE(place(rect(0, 0, 40, 40), 2, 1, 0, before));
  const boundary flat = {{0, 10, 20}, {5, 5, 5}};
  const boundary huge = rect(0, 0, 2020, 0.001f);  // 202 tiles along the diagonal
  const struct {
    const boundary* b;
    int32_t pattern;
  } cases[] = {{&flat, 2}, {&huge, 2}, {nullptr, 99}, {nullptr, -1}};
  const boundary ok = rect(0, 0, 10, 10);
  for (const auto& c : cases) {
    hatch_rec_ t = before;
    EXPECT_FALSE(place(c.b ? *c.b : ok, c.pattern, 1, 0, t));
    EXPECT_EQ(t.line_count, before.line_count);
    EXPECT_EQ(t.lines[1].x1, before.lines[1].x1);
    EXPECT_EQ(t.tile_x, before.tile_x);
    EXPECT_EQ(t.tile_y, before.tile_y);
  }
  // No points, a count beyond the lists, a point that is not finite.
  for (const boundary& b : {boundary{}, boundary{{0, NAN, 10}, {0, 5, 10}}}) {
    hatch_rec_ t = before;
    EXPECT_FALSE(place(b, 2, 1, 0, t));
    EXPECT_EQ(t.tile_x, before.tile_x);
  }
  hatch_rec_ t = before;
  t.count = int32_t(t.x.size());
  EXPECT_FALSE(hatch_place_tiles_(t));
  EXPECT_EQ(t.tile_x, before.tile_x);
}

TEST(HatchPlace, TwoHundredOneTilesAcrossAreAccepted) {
  hatch_rec_ t;
  EXPECT_TRUE(place(rect(0, 0, 2010, 0.001f), 2, 1, 0, t));
  EXPECT_GT(origins(t), 0u);
}

}  // namespace
