#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/zaz_class.h"

namespace {

struct Pt { float x, y; };

struct Adds : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  void SetUp() override {
    e->page_add_("page", 297, 210);
    e->layer_add_("layer", true_, true_, -1, -2, 0, 1);
  }
  const object_rec_& obj(int32_t r) const { return e->store.live.objects[r]; }
  void fill(const std::vector<Pt>& pts) {
    e->vertex_clear_();
    for (Pt p : pts) e->vertex_add_(p.x, p.y);
  }
  std::vector<Pt> points_of(const polyline_rec_& p) const {
    std::vector<Pt> out;
    for (int i = 1; i <= std::abs(p.count); ++i) out.push_back({p.x[i], p.y[i]});
    return out;
  }
};

void expect_box(const object_rec_& o, float x1, float y1, float x2, float y2, float tol) {
  EXPECT_NEAR(o.x1, x1, tol);
  EXPECT_NEAR(o.y1, y1, tol);
  EXPECT_NEAR(o.x2, x2, tol);
  EXPECT_NEAR(o.y2, y2, tol);
}

TEST_F(Adds, CoordinatesAtTheLimitOrNotFiniteAreRefused) {
  const float inf = INFINITY, nan = NAN;
  struct Case { const char* what; int32_t r; };
  const Case cases[] = {
      {"point x", e->add_point_(10000000, 0)},
      {"point y", e->add_point_(0, -10000000)},
      {"point nan", e->add_point_(nan, 0)},
      {"line end", e->add_line_(0, 0, 10000000, 0)},
      {"line inf", e->add_line_(0, inf, 0, 0)},
      {"rect corner", e->add_rect_(0, 0, 1, -10000000)},
      {"arc rx", e->add_arc_(0, 0, 10000000, 1, 0, 0, 90)},
      {"arc ry", e->add_arc_(0, 0, 1, 10000000, 0, 0, 90)},
      {"arc angle nan", e->add_arc_(0, 0, 1, 1, 0, nan, 90)},
      {"circle radius", e->add_circle_(0, 0, 10000000)},
      {"circle centre", e->add_circle_(0, 10000000, 1)},
      {"ellipse rx", e->add_ellipse_(0, 0, 10000000, 1)},
      {"ellipse ry", e->add_ellipse_(0, 0, 1, 10000000)},
      {"ellipse rotation inf", e->add_ellipse_(0, 0, 1, 1, inf)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.r, 0) << c.what;
  EXPECT_EQ(e->records_(), 0);
}

TEST_F(Adds, PointJustBelowTheLimit) {
  const int32_t r = e->add_point_(9999999, 0, 1, 9);
  ASSERT_EQ(r, 1);
  expect_box(obj(r), 9999999, 0, 9999999, 0, 0);
  EXPECT_EQ(e->store.live.points[1].p_type, 1);
  EXPECT_EQ(e->store.live.points[1].p_size, 9);
  EXPECT_EQ(obj(r).page, 1);
}

TEST_F(Adds, LineKeepsEndOrderAndBoxesThem) {
  const int32_t r = e->add_line_(5, 5, 1, 2);
  const line_rec_& l = e->store.live.lines[obj(r).index];
  EXPECT_EQ(l.x1, 5); EXPECT_EQ(l.y1, 5); EXPECT_EQ(l.x2, 1); EXPECT_EQ(l.y2, 2);
  expect_box(obj(r), 1, 2, 5, 5, 0);
}

TEST_F(Adds, LineWithoutShiftLeavesOffsetBuffers) {
  e->geometry.offset_count_ = 77;
  e->geometry.offset_points_[1].x = 123;
  e->add_line_(0, 0, 10, 0);
  EXPECT_EQ(e->geometry.offset_count_, 77);
  EXPECT_EQ(e->geometry.offset_points_[1].x, 123);
}

TEST_F(Adds, ShiftedLineStoresOffsetEndsButTestsGivenOnes) {
  const int32_t r = e->add_line_(0, 0, 10, 0, -1, 0, 1, 1, 2);
  const line_rec_& l = e->store.live.lines[obj(r).index];
  EXPECT_NEAR(l.x1, 0, 1e-5); EXPECT_NEAR(l.y1, 2, 1e-5);
  EXPECT_NEAR(l.x2, 10, 1e-5); EXPECT_NEAR(l.y2, 2, 1e-5);
  // Given ends below the limit are accepted even when the shift carries them past it.
  EXPECT_GT(e->add_line_(0, 9999999, 10, 9999999, -1, 0, 1, 1, 10), 0);
  EXPECT_EQ(e->add_line_(0, 0, 10, 0, -1, 0, 1, 1, NAN), 0);
}

TEST_F(Adds, RectangleIsFourPointPolygonFromFirstCorner) {
  const int32_t r = e->add_rect_(4, 3, 0, 0, 255, 65280);
  ASSERT_EQ(obj(r).type, ot_polygon_);
  EXPECT_EQ(obj(r).fill_color, 65280);
  const polygon_rec_& p = e->store.live.polygons[obj(r).index];
  EXPECT_EQ(p.count, 4);
  const std::vector<Pt> want = {{4, 3}, {0, 3}, {0, 0}, {4, 0}};
  const auto got = points_of(p);
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].x, want[i].x) << i;
    EXPECT_EQ(got[i].y, want[i].y) << i;
  }
  expect_box(obj(r), 0, 0, 4, 3, 0);
}

TEST_F(Adds, ShiftedRectangleStaysAxisParallel) {
  // The outline runs clockwise, so a positive shift grows it.
  const int32_t r = e->add_rect_(0, 0, 10, 10, -1, -2, 0, 1, 1, 1);
  expect_box(obj(r), -1, -1, 11, 11, 1e-5);
  const auto got = points_of(e->store.live.polygons[obj(r).index]);
  EXPECT_EQ(got[0].y, got[1].y);
  EXPECT_EQ(got[1].x, got[2].x);
  EXPECT_EQ(got[2].y, got[3].y);
  EXPECT_EQ(got[3].x, got[0].x);
}

TEST_F(Adds, MultiPointAddsNeedTwoBufferPoints) {
  fill({{1, 1}});
  EXPECT_EQ(e->add_polyline_(), 0);
  EXPECT_EQ(e->add_polygon_(), 0);
  EXPECT_EQ(e->add_curve_(false_), 0);
  EXPECT_EQ(e->records_(), 0);
  EXPECT_EQ(e->subrecords_(ot_polyline_), 0);
  fill({{1, 1}, {4, -2}});
  const int32_t r = e->add_polyline_();
  ASSERT_EQ(r, 1);
  EXPECT_EQ(e->store.live.polylines[1].count, 2);
  expect_box(obj(r), 1, -2, 4, 1, 0);
}

TEST_F(Adds, PolylineBoxEnclosesAllPoints) {
  fill({{0, 0}, {5, -3}, {-2, 8}, {1, 1}});
  const int32_t r = e->add_polyline_(3, 1, 2, 1);
  expect_box(obj(r), -2, -3, 5, 8, 0);
  EXPECT_EQ(obj(r).fill_color, color_none_);
  EXPECT_EQ(e->store.live.polylines[1].x.size(), 5u);  // points 1..4
}

TEST_F(Adds, PointsThatAreNotFiniteFailTheAdd) {
  fill({{0, 0}, {NAN, 1}});
  EXPECT_EQ(e->add_polyline_(), 0);
  EXPECT_EQ(e->records_(), 0);
}

TEST_F(Adds, ShiftedPolygonLeavesOffsetFigureInBuffer) {
  fill({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  e->vertices.main[2].a = 0.5f;
  const int32_t r1 = e->add_polygon_(-1, -2, 0, 1, 1, 1);
  ASSERT_GT(r1, 0);
  // Counter-clockwise square: a positive shift moves inwards.
  const std::vector<Pt> want = {{1, 1}, {9, 1}, {9, 9}, {1, 9}};
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(e->vertex_px_(int32_t(i) + 1), want[i].x, 1e-5) << i;
    EXPECT_NEAR(e->vertex_py_(int32_t(i) + 1), want[i].y, 1e-5) << i;
  }
  EXPECT_EQ(e->vertex_pa_(3), 0.5f);
  const int32_t r2 = e->add_polygon_();
  const auto a = points_of(e->store.live.polygons[obj(r1).index]);
  const auto b = points_of(e->store.live.polygons[obj(r2).index]);
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].x, b[i].x);
    EXPECT_EQ(a[i].y, b[i].y);
  }
}

TEST_F(Adds, ShiftBeyondOffsetCapacityFails) {
  // Entries 0 and count + 1 of the offset buffers are working entries.
  e->vertex_clear_();
  for (int i = 0; i < 10001; ++i) e->vertex_add_(float(i), float(i % 2));
  EXPECT_EQ(e->add_polyline_(-1, 0, 1, 1, 1), 0);
  EXPECT_EQ(e->records_(), 0);
  EXPECT_GT(e->add_polyline_(-1, 0, 1, 1, 0), 0);  // unshifted: no limit
  e->vertex_clear_();
  for (int i = 0; i < 9999; ++i) e->vertex_add_(float(i), float(i % 2));
  EXPECT_GT(e->add_polyline_(-1, 0, 1, 1, 1), 0);
}

TEST_F(Adds, CurveCountSignMarksClosed) {
  fill({{0, 0}, {1, 2}, {2, 0}, {3, 2}, {4, 0}});
  struct Case { flag16_ close; int32_t count; };
  for (Case c : {Case{true_, -5}, Case{false_, 5}, Case{1, 5}}) {
    const int32_t r = e->add_curve_(c.close);
    EXPECT_EQ(e->store.live.curves[obj(r).index].count, c.count) << c.close;
    expect_box(obj(r), 0, 0, 4, 2, 0);  // control points, not the drawn curve
  }
}

TEST_F(Adds, CircleBoxFromItsSamples) {
  const int32_t r = e->add_circle_(0, 0, 10, 1, 2, 3, 4, 1);
  expect_box(obj(r), -9.99135f, -9.99923f, 10, 9.99574f, 2e-5f);
  const circle_rec_& c = e->store.live.circles[1];
  EXPECT_EQ(c.rx, 10); EXPECT_EQ(c.ry, 10);
  EXPECT_EQ(c.a1, 0); EXPECT_EQ(c.a2, 6.2831855f);
  EXPECT_EQ(c.rotation, 0); EXPECT_EQ(c.flag, 0);
  EXPECT_EQ(obj(r).fill_color, 2);
}

TEST_F(Adds, QuarterArcMissesItsEndPoint) {
  const int32_t r = e->add_arc_(0, 0, 10, 10, 0, 0, 90);
  const arc_rec_& a = e->store.live.arcs[1];
  EXPECT_EQ(a.a1, 0);
  EXPECT_EQ(a.a2, 1.5707964f);
  expect_box(obj(r), 0.20795f, 0, 10, 9.99784f, 2e-5f);
}

TEST_F(Adds, ArcStartPastEndIsTurnedBack) {
  struct Case { float a1, a2; double want_a1_deg; };
  const Case cases[] = {
      {270, 90, -90},   // one turn
      {800, 10, -280},  // needs three turns
      {720, 0, 0},      // two turns land on the end
  };
  for (const Case& c : cases) {
    const int32_t r = e->add_arc_(0, 0, 10, 10, 0, c.a1, c.a2);
    ASSERT_GT(r, 0) << c.a1;
    const arc_rec_& a = e->store.live.arcs[obj(r).index];
    EXPECT_NEAR(a.a1, c.want_a1_deg * 3.1415927 / 180, 1e-5) << c.a1;
    EXPECT_LE(a.a1, a.a2) << c.a1;
    // The box is computed: it holds the start point of the arc.
    const float sx = 10 * std::cos(a.a1), sy = 10 * std::sin(a.a1);
    EXPECT_LE(obj(r).x1, sx + 1e-4); EXPECT_GE(obj(r).x2, sx - 1e-4);
    EXPECT_LE(obj(r).y1, sy + 1e-4); EXPECT_GE(obj(r).y2, sy - 1e-4);
  }
}

TEST_F(Adds, RotatedEllipseBoxStandsUpright) {
  e->store.live.ellipses.assign(2000, ellipse_rec_{});
  e->store.live.ellipses[1].flag = 7;  // not written by the add
  const int32_t r = e->add_ellipse_(0, 0, 20, 10, 90);
  expect_box(obj(r), -9.99574f, -19.98270f, 9.99923f, 20, 2e-5f);
  EXPECT_EQ(e->store.live.ellipses[1].rotation, 90);
  EXPECT_EQ(e->store.live.ellipses[1].flag, 7);
}

TEST_F(Adds, HugeSweepStillFinishes) {
  EXPECT_GT(e->add_arc_(0, 0, 1, 1, 0, -3e38f, 3e38f), 0);
}

}  // namespace
