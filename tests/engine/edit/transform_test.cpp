#include <cmath>

#include "edit_fixture.h"

using transform = drawing_;

namespace {
constexpr float quarter_turn = 3.1415927f / 2;
}

TEST_F(transform, CopySelectionHandsOverTheSelection) {
  const int32_t a = e->add_line_(0, 0, 1, 1, 255, 1, 2, 2);
  const int32_t b = e->add_circle_(5, 5, 2, 77, 66, 0, 1, 1);
  e->vertex_add_(0, 0);
  e->vertex_add_(1, 0);
  const int32_t c = e->add_polyline_();
  const int32_t gone = e->add_line_(9, 9, 8, 8);
  obj(a).group = 4;
  select({a, b, c, gone});
  obj(gone).deleted = true_;  // left selected by an older operation
  const int32_t before = e->records_();
  EXPECT_EQ(e->transform_copy_(0), 3);
  ASSERT_EQ(e->records_(), before + 3);
  const int32_t src[3] = {a, b, c};
  for (int k = 0; k < 3; ++k) {
    const object_rec_& s = obj(src[k]);
    const object_rec_& y = obj(before + 1 + k);
    EXPECT_EQ(s.selected, false_);
    EXPECT_EQ(y.selected, true_);
    EXPECT_EQ(y.type, s.type);
    EXPECT_NE(y.index, s.index);
    EXPECT_EQ(std::tie(y.page, y.layer, y.draw_color, y.fill_color, y.group, y.x1, y.y2),
              std::tie(s.page, s.layer, s.draw_color, s.fill_color, s.group, s.x1, s.y2));
  }
  EXPECT_EQ(obj(gone).selected, false_);
  // The copy owns its points.
  e->store.live.polylines[obj(before + 3).index].x[2] = 50;
  EXPECT_EQ(e->store.live.polylines[obj(c).index].x[2], 1);
}

TEST_F(transform, CopyOfOneRecordOnAnyPage) {
  const int32_t a = e->add_line_(0, 0, 1, 1);
  obj(a).page = 0;  // a block member
  const int32_t y = e->transform_copy_(a);
  EXPECT_EQ(y, a + 1);
  EXPECT_EQ(obj(y).selected, true_);
  EXPECT_EQ(obj(y).page, 0);
  EXPECT_EQ(e->transform_copy_(999), 0);
  EXPECT_EQ(e->records_(), y);
}

TEST_F(transform, MoveCarriesTrackingPointsOfTheSelectionOnly) {
  const int32_t a = e->add_line_(0, 0, 1, 1);
  const int32_t b = e->add_line_(5, 5, 6, 6);
  e->hpoint_add_(1, 1, a);
  e->hpoint_add_(5, 5, b);
  select({a});
  e->transform_move_(10, 0, 0);
  const view_rec_& v = e->active_view_();
  EXPECT_EQ(v.hot_points[2].x, 11);  // a's point
  EXPECT_EQ(v.hot_points[1].x, 5);
  EXPECT_EQ(obj(a).x1, 10);
  EXPECT_EQ(obj(a).x2, 11);
  e->transform_move_(10, 0, a);
  EXPECT_EQ(v.hot_points[2].x, 11);
  EXPECT_EQ(line(a).x2, 21);
  EXPECT_EQ(line(b).x1, 5);
}

TEST_F(transform, RotateTurnsPointsAndAngles) {
  const int32_t t = add_text(3, 4, 0);
  const int32_t a = e->add_arc_(0, 0, 10, 10, 0, 0, 90);
  const int32_t g = e->add_bgroup_(0, 0, 10, 4, "g");
  e->transform_rotate_(90, 3, 4, t);
  EXPECT_EQ(text(t).x, 3);
  EXPECT_EQ(text(t).y, 4);
  EXPECT_EQ(text(t).rotation, quarter_turn);
  e->transform_rotate_(90, 0, 0, a);
  EXPECT_EQ(arc(a).rotation, 90);
  EXPECT_EQ(arc(a).a1, 0);
  EXPECT_EQ(arc(a).a2, quarter_turn);
  EXPECT_NEAR(obj(a).x1, -10, 0.01);  // the quarter now runs from (0, 10) to (-10, 0)
  EXPECT_NEAR(obj(a).y2, 10, 1e-3);
  // A frame turned a quarter stays axis-parallel around its turned corners.
  e->transform_rotate_(90, 0, 0, g);
  EXPECT_NEAR(group(g).x1, -4, 1e-4);
  EXPECT_NEAR(group(g).x2, 0, 1e-4);
  EXPECT_NEAR(group(g).y2, 10, 1e-4);
  EXPECT_EQ(obj(g).x1, group(g).x1);
}

TEST_F(transform, HatchPatternLinesStayOnMoveAndTurnOnRotate) {
  add_slot_ s;
  ASSERT_TRUE(e->add_begin_(ot_hatch_, -1, -2, 0, 1, 1, s));
  hatch_rec_& h = e->store.live.hatches[s.entry];
  h.count = 3;
  h.x = {0, 0, 4, 0};
  h.y = {0, 0, 0, 4};
  h.line_count = 1;
  h.lines = {{}, {1, 0, 2, 0}};
  h.tile_x = {0, 1};
  h.tile_y = {0, 1};
  const int32_t r = e->add_commit_(s);
  e->calc_orect_(r);
  auto& hh = e->store.live.hatches[obj(r).index];
  e->transform_move_(5, 0, r);
  EXPECT_EQ(hh.x[2], 9);
  EXPECT_EQ(hh.tile_x[1], 6);
  EXPECT_EQ(hh.lines[1].x1, 1);
  EXPECT_EQ(obj(r).x2, 9);
  e->transform_rotate_(90, 0, 0, r);
  EXPECT_NEAR(hh.lines[1].y1, 1, 1e-6);
  EXPECT_NEAR(hh.lines[1].x1, 0, 1e-6);
  EXPECT_EQ(hh.rotation, quarter_turn);
}

TEST_F(transform, BoxesOfSimpleKinds) {
  const int32_t p = e->add_point_(3, 4);
  const int32_t l = e->add_line_(5, 1, 2, 7);
  for (int32_t v : {1, 2, 3, 4}) e->vertex_add_(static_cast<float>(v), static_cast<float>(-v));
  const int32_t c = e->add_curve_(true_);
  ASSERT_LT(e->store.live.curves[obj(c).index].count, 0);
  struct { int32_t rec; std::array<float, 4> box; } cases[] = {
      {p, {3, 4, 3, 4}}, {l, {2, 1, 5, 7}}, {c, {1, -4, 4, -1}}};
  for (const auto& k : cases) {
    obj(k.rec).x1 = obj(k.rec).y1 = obj(k.rec).x2 = obj(k.rec).y2 = 99;
    e->calc_orect_(k.rec);
    EXPECT_EQ((std::array<float, 4>{obj(k.rec).x1, obj(k.rec).y1, obj(k.rec).x2, obj(k.rec).y2}), k.box) << k.rec;
  }
}

TEST_F(transform, CircleAndArcBoxesComeFromSamples) {
  const int32_t c = e->add_circle_(0, 0, 10);
  e->transform_move_(0, 0, c);
  EXPECT_EQ(obj(c).x2, 10);
  for (float v : {obj(c).x1, obj(c).y1}) {
    EXPECT_GT(v, -10);
    EXPECT_LT(v, -9.99f);
  }
  EXPECT_LT(obj(c).y2, 10);
  EXPECT_GT(obj(c).y2, 9.99f);
  const int32_t a = e->add_arc_(0, 0, 10, 10, 0, 0, 90);
  e->calc_orect_(a);
  EXPECT_NEAR(obj(a).x1, 10 * std::cos(31 * 0.05), 1e-3);  // last of 32 samples, not 0
}

TEST_F(transform, InsertBoxFollowsScaleAndRotation) {
  const int32_t l = e->add_line_(0, 0, 1, 0);
  select({l});
  const int32_t bid = e->block_create_("b", 0, 0, false_);
  ASSERT_EQ(bid, 1);
  const int32_t ins = e->add_block_(bid, 10, 10, 2, 2, quarter_turn);
  EXPECT_NEAR(obj(ins).x1, 10, 1e-5);
  EXPECT_NEAR(obj(ins).x2, 10, 1e-5);
  EXPECT_NEAR(obj(ins).y1, 10, 1e-5);
  EXPECT_NEAR(obj(ins).y2, 12, 1e-5);
  EXPECT_EQ(e->add_block_(0, 0, 0), 0);
  EXPECT_EQ(e->add_block_(2, 0, 0), 0);
}

using mirror = drawing_;

TEST_F(mirror, TextArcAndInsert) {
  const int32_t t = add_text(5, 5, 0.5f);
  const int32_t a = e->add_arc_(0, 0, 1, 1, 0, 0, 90);
  e->transform_mirror_(0, 0, 10, 0, t);
  EXPECT_NEAR(text(t).x, 5, 1e-4);
  EXPECT_NEAR(text(t).y, -5, 1e-4);
  EXPECT_FLOAT_EQ(text(t).rotation, -0.5f);
  e->transform_mirror_(0, 0, 10, 0, a);
  EXPECT_EQ(arc(a).rotation, 180);
  EXPECT_FLOAT_EQ(arc(a).a1, quarter_turn);
  EXPECT_FLOAT_EQ(arc(a).a2, 3.1415927f);
  const int32_t l = e->add_line_(0, 0, 1, 0);
  select({l});
  const int32_t ins = e->add_block_(e->block_create_("b", 0, 0, false_), 0, 0);
  e->transform_mirror_(0, 0, 0, 1, ins);
  EXPECT_FLOAT_EQ(insert(ins).rotation, 3.1415927f);
  EXPECT_EQ(insert(ins).sx, 1);
  EXPECT_EQ(insert(ins).sy, -1);
}

TEST_F(mirror, SelectionKeepsDimensionsAndFramesWithTheRest) {
  add_slot_ s;
  ASSERT_TRUE(e->add_begin_(ot_dimension_, -1, -2, 0, 1, 1, s));
  dimension_rec_& d = e->store.live.dimensions[s.entry];
  d.x1 = 0, d.y1 = 2, d.x2 = 4, d.y2 = 2, d.x3 = 0, d.y3 = 3, d.x4 = 4, d.y4 = 3;
  d.parts[0].x = 2, d.parts[0].y = 3.5f;
  const int32_t dim = e->add_commit_(s);
  e->calc_orect_(dim);
  const int32_t g = e->add_bgroup_(0, 1, 5, 6, "g");
  const int32_t l = e->add_line_(0, 2, 4, 2);
  e->hpoint_add_(4, 2, l);
  e->hpoint_add_(7, 7, 0);
  select({dim, g, l});
  e->transform_mirror_(-1, 0, 1, 0, 0);  // about the x axis
  const dimension_rec_& m = e->store.live.dimensions[obj(dim).index];
  EXPECT_NEAR(m.y1, -2, 1e-4);
  EXPECT_NEAR(m.y3, -3, 1e-4);
  EXPECT_NEAR(m.parts[0].y, -3.5f, 1e-4);
  EXPECT_NEAR(obj(dim).y1, -3, 1e-4);
  EXPECT_NEAR(group(g).y1, -6, 1e-4);
  EXPECT_NEAR(group(g).y2, -1, 1e-4);
  EXPECT_NEAR(line(l).y1, -2, 1e-4);
  EXPECT_NEAR(e->active_view_().hot_points[2].y, -2, 1e-4);
  EXPECT_EQ(e->active_view_().hot_points[1].y, 7);
}

using scale = drawing_;

TEST_F(scale, UnitFactorsRefitConics) {
  const int32_t el = e->add_ellipse_(0, 0, 10, 5);
  const int32_t l = e->add_line_(1, 2, 3, 4);
  e->transform_scale_(0, 0, 1, 1, el);
  e->transform_scale_(0, 0, 1, 1, l);
  const arc_rec_& r = e->store.live.ellipses[obj(el).index];
  EXPECT_EQ(r.rx, 10);
  EXPECT_GT(r.ry, 5.0f);
  EXPECT_NEAR(r.ry, 5.0012f, 5e-4);
  EXPECT_EQ(line(l).x2, 3);
  const int32_t c = e->add_circle_(1, 0, 1);
  e->transform_scale_(0, 0, 2, 1, c);
  EXPECT_EQ(obj(c).type, ot_circle_);
  EXPECT_EQ(circle(c).cx, 2);
  EXPECT_EQ(circle(c).rx, 2);
  EXPECT_NEAR(circle(c).ry, 1.0002f, 2e-4);
  EXPECT_EQ(circle(c).rotation, 0);
}

TEST_F(scale, MirroringFactorSwapsArcEnds) {
  const int32_t a = e->add_arc_(0, 0, 1, 1, 0, 0, 90);
  e->transform_scale_(0, 0, -1, 1, a);
  // The quarter from (0, 1) to (-1, 0), counter-clockwise.
  const arc_rec_& r = arc(a);
  const double s = r.rotation * 3.1415927 / 180;
  auto at = [&](double t) {
    return std::array<double, 2>{r.rx * std::cos(t) * std::cos(s) - r.ry * std::sin(t) * std::sin(s),
                                 r.rx * std::cos(t) * std::sin(s) + r.ry * std::sin(t) * std::cos(s)};
  };
  EXPECT_LT(r.a1, r.a2);
  EXPECT_NEAR(at(r.a1)[0], 0, 0.02);
  EXPECT_NEAR(at(r.a1)[1], 1, 0.02);
  EXPECT_NEAR(at(r.a2)[0], -1, 0.02);
  EXPECT_NEAR(at(r.a2)[1], 0, 0.02);
}

TEST_F(scale, TextRules) {
  struct { float rot; float h, wf; } cases[] = {
      {0, 6, 2.0f / 3}, {quarter_turn, 4, 1.5f}, {3.1415927f, 6, 2.0f / 3}};
  for (const auto& c : cases) {
    const int32_t t = add_text(1, 1, c.rot);  // height 2, width factor 1
    e->transform_scale_(0, 0, 2, 3, t);
    EXPECT_FLOAT_EQ(text(t).height, c.h) << c.rot;
    EXPECT_FLOAT_EQ(text(t).width_factor, c.wf) << c.rot;
    EXPECT_EQ(text(t).x, 2);
    EXPECT_EQ(text(t).y, 3);
  }
  // A general angle with nothing to measure ends at the smallest width factor.
  const int32_t t = add_text(0, 0, -0.5f, "");
  e->transform_scale_(0, 0, 2, 2, t);
  EXPECT_FLOAT_EQ(text(t).width_factor, 0.01f);
  EXPECT_EQ(text(t).height, 2);
}

TEST_F(scale, InsertsReferencesAndFramesFollow) {
  const int32_t l = e->add_line_(0, 0, 1, 0);
  select({l});
  const int32_t ins = e->add_block_(e->block_create_("b", 0, 0, false_), 2, 2, 1, 3);
  add_slot_ s;
  ASSERT_TRUE(e->add_begin_(ot_reference_, -1, -2, 0, 1, 1, s));
  reference_rec_& rf = e->store.live.references[s.entry];
  rf.count = 2;
  rf.x = {0, 1, 2};
  rf.y = {0, 1, 1};
  for (auto& c : rf.text_box) c = {2, 1};
  rf.parts[0].x = 2, rf.parts[0].y = 1;
  const int32_t ref = e->add_commit_(s);
  const int32_t g = e->add_bgroup_(1, 1, 2, 2, "g");
  for (int32_t r : {ins, ref, g}) e->transform_scale_(0, 0, -2, 2, r);
  EXPECT_EQ(insert(ins).x, -4);
  EXPECT_EQ(insert(ins).y, 4);
  EXPECT_EQ(insert(ins).sx, -2);
  EXPECT_EQ(insert(ins).sy, 6);
  EXPECT_NEAR(obj(ins).x1, -6, 1e-5);  // the line now runs from -4 to -6
  const reference_rec_& r = e->store.live.references[obj(ref).index];
  EXPECT_EQ(r.x[2], -4);
  EXPECT_EQ(r.y[2], 2);
  EXPECT_EQ(r.parts[0].x, -4);
  EXPECT_EQ(r.text_box[3].y, 2);
  EXPECT_EQ(group(g).x1, -4);
  EXPECT_EQ(group(g).x2, -2);
  EXPECT_LE(obj(g).x1, obj(g).x2);
}
