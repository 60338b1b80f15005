// Extend, cut, join, chamfer and fillet on small figures.
#include <cmath>

#include "tests/engine/pick/pick_fixture.h"

namespace {

constexpr float tol = 0.01f;

struct ends_ {
  float x1, y1, x2, y2;
};

// An angle in radians as degrees in 0..360.
double degrees_in_turn(float a) {
  const double deg = std::fmod(a * 180.0 / 3.1415927, 360.0);
  return deg < 0 ? deg + 360 : deg;
}

void expect_line(const line_rec_& l, ends_ w) {
  EXPECT_NEAR(l.x1, w.x1, tol);
  EXPECT_NEAR(l.y1, w.y1, tol);
  EXPECT_NEAR(l.x2, w.x2, tol);
  EXPECT_NEAR(l.y2, w.y2, tol);
}

using Edit = pick_drawing_;

TEST_F(Edit, ExtendMovesTheEndNearerThePickAfterRounding) {
  struct case_ {
    float pick_x, pick_y, to_x, to_y;
    ends_ want;
  } cases[] = {
      {9, 1, 15, 3, {0, 0, 15, 0}},    // extends the end
      {1, 0, -4, 7, {-4, 0, 10, 0}},   // extends the start
      {9, 0, 6, 5, {0, 0, 6, 0}},      // trims
      {5.3f, 0, 2, 3, {2, 0, 10, 0}},  // 5.3 and 4.7 both round to 5: the start moves
      {5.5f, 0, 8, 3, {0, 0, 8, 0}},   // 6 against 4: the end moves
  };
  for (const case_& c : cases) {
    const int32_t r = e->add_line_(0, 0, 10, 0);
    EXPECT_EQ(e->mod_exln_(r, c.pick_x, c.pick_y, c.to_x, c.to_y), true_);
    expect_line(line(r), c.want);
    EXPECT_NEAR(obj(r).x1, std::min(c.want.x1, c.want.x2), tol);
    EXPECT_NEAR(obj(r).x2, std::max(c.want.x1, c.want.x2), tol);
  }
}

TEST_F(Edit, ExtendPolylineEndAndRefusals) {
  const int32_t p = add_polyline({{0, 0}, {10, 0}, {10, 10}});
  EXPECT_EQ(e->mod_exln_(p, 10, 9, 20, 15), true_);
  EXPECT_NEAR(polyline(p).x[3], 10, tol);
  EXPECT_NEAR(polyline(p).y[3], 15, tol);
  EXPECT_NEAR(obj(p).y2, 15, tol);
  const int32_t c = e->add_circle_(0, 0, 5);
  EXPECT_EQ(e->mod_exln_(c, 5, 0, 9, 0), false_);
  EXPECT_EQ(e->store.live.circles[obj(c).index].rx, 5);
  EXPECT_EQ(e->mod_exln_(0, 0, 0, 1, 1), false_);
}

TEST_F(Edit, CutLineKeepsBothOuterParts) {
  struct case_ {
    float ax, ay, bx, by;
    ends_ kept, added;
  } cases[] = {
      {3, 1, 6, -2, {0, 0, 3, 0}, {6, 0, 10, 0}},
      {6, 0, 3, 0, {0, 0, 3, 0}, {6, 0, 10, 0}},
      {-5, 0, 4, 0, {0, 0, 0, 0}, {4, 0, 10, 0}},  // pulled back to the end
      {5, 0, 5, 0, {0, 0, 5, 0}, {5, 0, 10, 0}},   // one point splits
  };
  for (const case_& c : cases) {
    const int32_t r = e->add_line_(0, 0, 10, 0);
    EXPECT_EQ(e->mod_objcut_(r, c.ax, c.ay, r, c.bx, c.by), true_);
    expect_line(line(r), c.kept);
    expect_line(line(e->records_()), c.added);
    EXPECT_EQ(obj(r).deleted, false_);
  }
}

TEST_F(Edit, CutPolylineIntoTwo) {
  const int32_t p = add_polyline({{0, 0}, {10, 0}, {10, 10}, {20, 10}});
  ASSERT_EQ(e->mod_objcut_(p, 10, 3, p, 10, 6), true_);
  EXPECT_EQ(obj(p).deleted, true_);
  const polyline_rec_& a = polyline(p + 1);
  const polyline_rec_& b = polyline(p + 2);
  ASSERT_EQ(a.count, 3);
  ASSERT_EQ(b.count, 3);
  EXPECT_NEAR(a.x[3], 10, tol);
  EXPECT_NEAR(a.y[3], 3, tol);
  EXPECT_NEAR(b.x[1], 10, tol);
  EXPECT_NEAR(b.y[1], 6, tol);
  EXPECT_EQ(b.x[3], 20);
}

TEST_F(Edit, CutRectangleRemovesTheShortWayRound) {
  const int32_t g = add_polyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true, 255);
  ASSERT_EQ(e->mod_objcut_(g, 3, 0, g, 6, 0), true_);
  EXPECT_EQ(obj(g).deleted, true_);
  const int32_t r = e->records_();
  EXPECT_EQ(obj(r).type, ot_polyline_);
  EXPECT_EQ(obj(r).fill_color, color_none_);
  const polyline_rec_& p = polyline(r);
  ASSERT_EQ(p.count, 6);  // from the second cut round the outline back to the first
  EXPECT_NEAR(p.x[1], 6, tol);
  EXPECT_EQ(p.x[2], 10);
  EXPECT_EQ(p.y[4], 10);
  EXPECT_EQ(p.x[5], 0);
  EXPECT_NEAR(p.x[6], 3, tol);
}

TEST_F(Edit, CutCircleLeavesTheLongArc) {
  const int32_t c = e->add_circle_(0, 0, 10, 255, -2, 1, 2, 1);
  const float a = 10 * 3.1415927f / 180, b = 40 * 3.1415927f / 180;
  ASSERT_EQ(e->mod_objcut_(c, 10 * std::cos(a), 10 * std::sin(a), c, 10 * std::cos(b), 10 * std::sin(b)), true_);
  EXPECT_EQ(obj(c).deleted, true_);
  const int32_t r = e->records_();
  ASSERT_EQ(obj(r).type, ot_arc_);
  EXPECT_EQ(obj(r).draw_color, 255);
  EXPECT_EQ(obj(r).line_style, 1);
  // From 40 degrees through 0 to 10 degrees.
  EXPECT_NEAR(arc(r).a1, b - 2 * 3.1415927f, 0.002);
  EXPECT_NEAR(arc(r).a2, a, 0.002);
}

TEST_F(Edit, CutRefusesOtherKindsAndMismatchedRecords) {
  const int32_t l = e->add_line_(0, 0, 10, 0);
  const int32_t t = e->add_point_(5, 5);
  const int32_t before = e->records_();
  EXPECT_EQ(e->mod_objcut_(l, 1, 0, t, 2, 0), false_);
  EXPECT_EQ(e->mod_objcut_(t, 5, 5, t, 5, 5), false_);
  EXPECT_EQ(e->records_(), before);
  expect_line(line(l), {0, 0, 10, 0});
}

TEST_F(Edit, JoinMeetsInACorner) {
  struct case_ {
    ends_ l1;
    float p1x, p1y;
    ends_ l2;
    float p2x, p2y;
    ends_ w1, w2;
  } cases[] = {
      {{0, 0, 4, 0}, 3, 0, {5, 2, 5, 10}, 5, 3, {0, 0, 5, 0}, {5, 0, 5, 10}},
      {{0, 0, 10, 0}, 8, 0, {5, -5, 5, 5}, 5, 4, {0, 0, 5, 0}, {5, -5, 5, 0}},
      {{0, 0, 10, 0}, 5, 0, {5, -5, 5, 5}, 5, 4, {5, 0, 10, 0}, {5, -5, 5, 0}},  // a tie moves the start
  };
  for (const case_& c : cases) {
    const int32_t a = e->add_line_(c.l1.x1, c.l1.y1, c.l1.x2, c.l1.y2);
    const int32_t b = e->add_line_(c.l2.x1, c.l2.y1, c.l2.x2, c.l2.y2);
    EXPECT_EQ(e->mod_join_(a, c.p1x, c.p1y, b, c.p2x, c.p2y), true_);
    expect_line(line(a), c.w1);
    expect_line(line(b), c.w2);
    EXPECT_NEAR(obj(b).y1, std::min(c.w2.y1, c.w2.y2), tol);
  }
}

TEST_F(Edit, JoinPolylineAndLineInEitherOrder) {
  for (bool polyline_first : {true, false}) {
    const int32_t p = add_polyline({{0, 5}, {0, 0}, {10, 0}});
    const int32_t l = e->add_line_(12, -5, 12, 5);
    const flag16_ ok = polyline_first ? e->mod_join_(p, 9, 0, l, 12, -4) : e->mod_join_(l, 12, -4, p, 9, 0);
    EXPECT_EQ(ok, true_);
    EXPECT_NEAR(polyline(p).x[3], 12, tol);
    EXPECT_NEAR(polyline(p).y[3], 0, tol);
    EXPECT_EQ(polyline(p).x[1], 0);
    expect_line(line(l), {12, 0, 12, 5});
    EXPECT_NEAR(obj(p).x2, 12, tol);
  }
}

TEST_F(Edit, JoinRefusesAndChangesNothing) {
  const int32_t a = e->add_line_(0, 0, 10, 0);
  const int32_t b = e->add_line_(0, 5, 10, 5);
  const int32_t c = e->add_circle_(0, 0, 3);
  const int32_t single = add_polyline({{1, 1}, {2, 2}});
  polyline(single).count = 1;  // a damaged record with one vertex
  EXPECT_EQ(e->mod_join_(a, 9, 0, b, 9, 5), false_);  // parallel
  EXPECT_EQ(e->mod_join_(a, 9, 0, a, 1, 0), false_);  // itself
  EXPECT_EQ(e->mod_join_(a, 9, 0, c, 3, 0), false_);
  EXPECT_EQ(e->mod_join_(a, 9, 0, single, 1, 1), false_);
  EXPECT_EQ(e->mod_join_(0, 0, 0, a, 1, 0), false_);
  EXPECT_EQ(e->mod_join_(a, 0, 0, 999, 1, 0), false_);
  expect_line(line(a), {0, 0, 10, 0});
  expect_line(line(b), {0, 5, 10, 5});
}

TEST_F(Edit, ChamferAndFilletAcrossACorner) {
  for (bool reversed : {false, true}) {
    const int32_t p = reversed ? add_polyline({{10, 0}, {0, 0}, {0, 10}}) : add_polyline({{0, 10}, {0, 0}, {10, 0}});
    obj(p).draw_color = 255, obj(p).line_style = 2, obj(p).layer = 2;
    ASSERT_EQ(e->mod_vslash_(p, 0.5f, 0.5f, 3), true_);
    const line_rec_& ch = line(e->records_());
    EXPECT_NEAR(std::min(ch.x1, ch.x2), 0, tol);
    EXPECT_NEAR(std::max(ch.x1, ch.x2), 3, tol);
    EXPECT_NEAR(std::max(ch.y1, ch.y2), 3, tol);
    EXPECT_EQ(obj(e->records_()).draw_color, 255);
    EXPECT_EQ(obj(e->records_()).layer, 2);
    ASSERT_EQ(e->mod_vround_(p, 0.5f, 0.5f, 5), true_);
    const int32_t r = e->records_();
    EXPECT_EQ(obj(r).fill_color, color_none_);
    EXPECT_EQ(obj(r).line_style, 2);
    EXPECT_NEAR(arc(r).cx, 5, tol);
    EXPECT_NEAR(arc(r).cy, 5, tol);
    EXPECT_NEAR(arc(r).rx, 5, tol);
    EXPECT_NEAR(degrees_in_turn(arc(r).a1), 180, 0.1);
    EXPECT_NEAR(degrees_in_turn(arc(r).a2), 270, 0.1);
    EXPECT_NEAR(arc(r).a2 - arc(r).a1, 3.1415927f / 2, 0.002);
    EXPECT_EQ(polyline(p).x[2], 0);  // the picked corner stays
  }
}

TEST_F(Edit, FilletBeyondAShortEdgeIsStillAdded) {
  const int32_t p = add_polyline({{10, 0}, {0, 0}, {10, 10}});
  ASSERT_EQ(e->mod_vround_(p, 0, 0, 5), true_);
  const arc_rec_& a = arc(e->records_());
  EXPECT_NEAR(a.cx, 12.07f, 0.01);
  EXPECT_NEAR(a.cy, 5, 0.01);
  EXPECT_NEAR(a.rx, 5, 0.01);
  EXPECT_NEAR(degrees_in_turn(a.a1), 135, 0.1);
  EXPECT_NEAR(degrees_in_turn(a.a2), 270, 0.1);
}

TEST_F(Edit, DegenerateCornersAddNothing) {
  const int32_t straight = add_polyline({{0, 0}, {5, 0}, {10, 0}});
  const int32_t folded = add_polyline({{0, 0}, {5, 0}, {1, 0}});
  const int32_t doubled = add_polyline({{0, 10}, {0, 0}, {0, 0}, {10, 0}});
  const int32_t corner = add_polyline({{0, 10}, {0, 0}, {10, 0}});
  const int32_t thin = add_polyline({{0, 0}, {10, 0}}, true);
  const int32_t text = e->add_point_(0, 0);
  struct case_ {
    int32_t record;
    float x, y, value;
    bool fillet_only;
  } cases[] = {
      {straight, 5, 0, 2, false}, {folded, 5, 0, 2, false}, {doubled, 0, 0, 2, false},
      {corner, 0, 0, 0, true},    {thin, 0, 0, 2, false},   {text, 0, 0, 2, false},
      {corner, 0, 10, 2, false},  // an end of a polyline
  };
  const int32_t before = e->records_();
  for (const case_& c : cases) {
    if (!c.fillet_only) {
      EXPECT_EQ(e->mod_vslash_(c.record, c.x, c.y, c.value), false_) << c.record;
    }
    EXPECT_EQ(e->mod_vround_(c.record, c.x, c.y, c.value), false_) << c.record;
  }
  EXPECT_EQ(e->records_(), before);
}

TEST_F(Edit, PolygonCornersWrapAround) {
  const int32_t g = add_polyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  ASSERT_EQ(e->mod_vslash_(g, 0, 0, 2), true_);
  const line_rec_& l = line(e->records_());
  EXPECT_NEAR(l.x1 + l.x2, 2, tol);  // (0, 2) and (2, 0) in some order
  EXPECT_NEAR(l.y1 + l.y2, 2, tol);
}

}  // namespace
