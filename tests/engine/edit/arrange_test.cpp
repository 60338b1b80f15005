#include <cmath>

#include "edit_fixture.h"

using arrays = drawing_;

TEST_F(arrays, RectangularCellsInRowOrder) {
  const int32_t src = e->add_line_(0, 0, 1, 0);
  select({src});
  e->transform_array_rect_(3, 2, 10, 5);
  ASSERT_EQ(e->records_(), src + 5);
  const float offsets[5][2] = {{10, 0}, {20, 0}, {0, 5}, {10, 5}, {20, 5}};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(line(src + 1 + k).x1, offsets[k][0]) << k;
    EXPECT_EQ(line(src + 1 + k).y1, offsets[k][1]) << k;
    EXPECT_EQ(obj(src + 1 + k).selected, true_);
  }
  EXPECT_EQ(obj(src).selected, false_);
  EXPECT_EQ(line(src).x1, 0);
}

TEST_F(arrays, NoCellsNoSelectionAndNoProgressWithoutSources) {
  int calls = 0;
  e->progress_function_([&] { ++calls; });
  const int32_t src = e->add_line_(0, 0, 1, 0);
  e->transform_array_rect_(3, 3, 1, 1);  // nothing selected
  EXPECT_EQ(e->records_(), src);
  EXPECT_EQ(calls, 0);
  for (auto counts : {std::array<int32_t, 2>{1, 1}, std::array<int32_t, 2>{0, 5}}) {
    select({src});
    e->transform_array_rect_(counts[0], counts[1], 1, 1);
    EXPECT_EQ(e->records_(), src);
    EXPECT_EQ(obj(src).selected, false_);
  }
  EXPECT_EQ(e->progress_(), -1);
}

TEST_F(arrays, ProgressEveryHundredRows) {
  std::vector<int32_t> reports;
  e->progress_function_([&] { reports.push_back(e->progress_()); });
  select({e->add_point_(0, 0)});
  e->transform_array_rect_(1, 250, 0, 1);
  EXPECT_EQ(reports, (std::vector<int32_t>{40, 80, -1}));
  EXPECT_EQ(e->records_(), 250);
}

TEST_F(arrays, CircularTurnsCellsAndTheirAngles) {
  const int32_t t = add_text(10, 0, 0);
  select({t});
  e->transform_array_circ_(0, 0, 1, 4, 0, 90);
  ASSERT_EQ(e->records_(), t + 3);
  const float pi = 3.1415927f;
  const float rot[3] = {pi / 2, pi, 3 * pi / 2};
  const float pos[3][2] = {{0, 10}, {-10, 0}, {0, -10}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_FLOAT_EQ(text(t + 1 + k).rotation, rot[k]);
    EXPECT_NEAR(text(t + 1 + k).x, pos[k][0], 1e-4);
    EXPECT_NEAR(text(t + 1 + k).y, pos[k][1], 1e-4);
  }
}

TEST_F(arrays, CircularShiftsBeforeTurning) {
  const int32_t p = e->add_point_(1, 0);
  const int32_t elsewhere = e->add_point_(9, 9);
  e->page_add_("p2", 10, 10);
  e->layer_add_("a", true_, true_, -1, -2, 0, 1);
  const int32_t other = e->add_point_(0, 0);
  e->page_active_(1);
  select({p});
  obj(other).selected = true_;
  e->transform_array_circ_(0, 0, 2, 2, 5, 90);
  const auto& pts = e->store.live.points;
  ASSERT_EQ(e->records_(), other + 3);
  const float want[3][2] = {{6, 0}, {0, 1}, {0, 6}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(pts[obj(other + 1 + k).index].x, want[k][0], 1e-5);
    EXPECT_NEAR(pts[obj(other + 1 + k).index].y, want[k][1], 1e-5);
  }
  EXPECT_EQ(obj(other).selected, true_);
  EXPECT_EQ(obj(elsewhere).selected, false_);
}

using arrange = drawing_;

TEST_F(arrange, OrderRemapsBlockMembersAndTrackingPoints) {
  const int32_t member = e->add_line_(0, 0, 1, 1);
  select({member});
  e->block_create_("b", 0, 0, false_);
  const int32_t a = e->add_line_(0, 0, 2, 2);
  const int32_t b = e->add_line_(0, 0, 3, 3);
  const int32_t c = e->add_line_(0, 0, 4, 4);
  e->hpoint_add_(2, 2, a);
  select({a});
  e->arrange_order_(1);
  // Unselected page objects first (b, c), then everything else in its old order: the
  // block member, then the selection (a).
  const int32_t want[4] = {b, c, member, a};
  const float ends[4] = {3, 4, 1, 2};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(line(k + 1).x2, ends[k]) << want[k];
  EXPECT_EQ(obj(4).selected, true_);
  EXPECT_EQ(e->library.blocks[1].members[1], 3);
  EXPECT_EQ(e->active_view_().hot_points[1].record, 4);
  e->arrange_order_(2);
  EXPECT_EQ(line(1).x2, 2);
  EXPECT_EQ(e->active_view_().hot_points[1].record, 1);
}

TEST_F(arrange, AlignMovesEveryKind) {
  const int32_t low = e->add_line_(0, 0, 2, 0);
  const int32_t frame = e->add_bgroup_(5, 3, 6, 4, "g");
  const int32_t high = e->add_circle_(10, 10, 1);
  select({low, frame, high});
  e->arrange_align_(3);  // top edges
  EXPECT_EQ(obj(low).y2, obj(high).y2);
  EXPECT_EQ(obj(frame).y2, obj(high).y2);
  EXPECT_EQ(group(frame).y2, obj(high).y2);
  e->arrange_align_(1);
  EXPECT_EQ(obj(frame).x1, obj(low).x1);
  EXPECT_EQ(group(frame).x1, 0);
}

TEST_F(arrange, ResizeAboutTheBoxCentre) {
  const int32_t a = e->add_line_(0, 0, 2, 1);
  const int32_t b = e->add_line_(10, 10, 14, 13);
  const int32_t flat = e->add_line_(20, 5, 30, 5);
  select({a, b, flat});
  e->arrange_resize_(4);  // largest width (10) and height (3)
  const std::array<float, 4> want_a{-4, -1, 6, 2}, want_b{7, 10, 17, 13}, want_flat{20, 5, 30, 5};
  for (auto [r, want] : {std::pair{a, want_a}, std::pair{b, want_b}, std::pair{flat, want_flat}})
    EXPECT_EQ((std::array<float, 4>{obj(r).x1, obj(r).y1, obj(r).x2, obj(r).y2}), want) << r;
}

TEST_F(arrange, SpaceEdgeToEdgeThenRecentre) {
  // Widths 4, 8, 6; equal-centred pair keeps record order.
  const int32_t a = e->add_line_(0, 0, 4, 0);
  const int32_t c = e->add_line_(20, 0, 28, 0);
  const int32_t b = e->add_line_(7, 1, 13, 1);
  const int32_t tie = e->add_line_(9, 2, 11, 2);
  select({a, b, c, tie});
  e->arrange_space_(2);
  // Row a, b, tie, c with gaps of 10 from x = 0, then shifted so its centre stays at 14.
  const float row[4][2] = {{0, 4}, {14, 20}, {30, 32}, {42, 50}};
  const double shift = 14 - 25;
  const int32_t order[4] = {a, b, tie, c};
  for (int k = 0; k < 4; ++k) {
    EXPECT_FLOAT_EQ(obj(order[k]).x1, row[k][0] + shift) << k;
    EXPECT_FLOAT_EQ(obj(order[k]).x2, row[k][1] + shift) << k;
  }
}

using convert = drawing_;

TEST_F(convert, CirclesAndArcsToPointLists) {
  const int32_t c = e->add_circle_(0, 0, 10, 255, -2, 1, 2, 2);
  const int32_t half = e->add_arc_(0, 0, 5, 5, 0, 0, 180);
  select({c, half});
  e->conv2pl_(false_);
  EXPECT_EQ(obj(c).deleted, true_);
  EXPECT_EQ(obj(half).deleted, true_);
  const int32_t pg = half + 1, pl = half + 2;
  ASSERT_EQ(obj(pg).type, ot_polygon_);
  ASSERT_EQ(obj(pl).type, ot_polyline_);
  const polygon_rec_& g = e->store.live.polygons[obj(pg).index];
  EXPECT_EQ(g.count, 253);
  EXPECT_NEAR(g.x[253], g.x[1], 1e-4);
  EXPECT_NEAR(g.y[253], g.y[1], 1e-4);
  EXPECT_EQ(std::tie(obj(pg).draw_color, obj(pg).fill_color, obj(pg).layer, obj(pg).selected),
            std::make_tuple(int32_t{255}, int32_t{-2}, uint8_t{2}, true_));
  EXPECT_EQ(e->store.live.polylines[obj(pl).index].count, 127);
}

TEST_F(convert, LineModeAndObjectsThatStay) {
  const int32_t c = e->add_circle_(0, 0, 10);
  const int32_t l = e->add_line_(0, 0, 1, 1);
  const int32_t bad = e->add_arc_(0, 0, 5, 5, 0, 0, 90);
  arc(bad).a1 = 2, arc(bad).a2 = 1;  // end before start: one point, nothing to build
  select({c, l, bad});
  const int32_t before = e->records_();
  e->conv2pl_(true_);
  EXPECT_EQ(e->records_(), before + 252);
  EXPECT_EQ(obj(c).deleted, true_);
  EXPECT_EQ(obj(l).deleted, false_);
  EXPECT_EQ(obj(l).selected, false_);
  EXPECT_EQ(obj(bad).deleted, false_);  // kept: nothing replaced it
}

TEST_F(convert, OtherPagesAreNotConverted) {
  const int32_t c = e->add_circle_(0, 0, 10);
  obj(c).selected = true_;
  e->page_add_("p2", 10, 10);
  const int32_t before = e->records_();
  e->conv2pl_(false_);
  e->conv2pg_();
  EXPECT_EQ(e->records_(), before);
  EXPECT_EQ(obj(c).deleted, false_);
  EXPECT_EQ(obj(c).selected, true_);
}

TEST_F(convert, ChainOfLinesToPolygon) {
  const int32_t ab = e->add_line_(0, 0, 10, 0, 255, 0, 1, 1);
  const int32_t cb = e->add_line_(10, 10, 10, 0);
  const int32_t cd = e->add_line_(10, 10, 0, 10);
  const int32_t da = e->add_line_(0, 10, 0, 0, 77, 2, 3, 2);
  const int32_t loose = e->add_line_(50, 50, 60, 60);
  select({ab, cb, cd, da, loose});
  e->conv2pg_();
  const int32_t pg = loose + 1;
  ASSERT_EQ(e->records_(), pg);
  const polygon_rec_& g = e->store.live.polygons[obj(pg).index];
  const float want[5][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  ASSERT_EQ(g.count, 5);
  for (int k = 0; k < 5; ++k) EXPECT_EQ((std::array<float, 2>{g.x[k + 1], g.y[k + 1]}), (std::array<float, 2>{want[k][0], want[k][1]}));
  EXPECT_EQ(std::tie(obj(pg).draw_color, obj(pg).fill_color, obj(pg).line_style, obj(pg).layer, obj(pg).selected),
            std::make_tuple(int32_t{77}, int32_t{77}, int16_t{2}, uint8_t{2}, false_));
  for (int32_t r : {ab, cb, cd, da}) EXPECT_EQ(obj(r).deleted, true_);
  EXPECT_EQ(obj(loose).deleted, false_);
  EXPECT_EQ(obj(loose).selected, true_);
  e->conv2pg_();  // one line alone makes nothing
  EXPECT_EQ(e->records_(), pg);
  EXPECT_EQ(obj(loose).deleted, false_);
}

using smooth = drawing_;

TEST_F(smooth, FlatteningCountsAndEnds) {
  auto pts = [](std::initializer_list<std::array<float, 2>> l) {
    std::vector<vertex_rec_> v;
    for (auto p : l) v.push_back({p[0], p[1], 0});
    return v;
  };
  struct { std::vector<vertex_rec_> in; int32_t count, flattened; } cases[] = {
      {{}, 0, 0},
      {pts({{0, 0}}), 1, 101},
      {pts({{0, 0}, {10, 0}}), 2, 101},
      {pts({{0, 0}, {1, 1}, {2, 0}}), 3, 202},
      {pts({{0, 0}, {1, 1}, {2, 0}, {3, 3}}), 4, 202},
      {pts({{0, 0}, {1, 1}, {2, 0}}), -3, 303},
      {pts({{0, 0}}), 5, 0},  // promises more points than given
  };
  for (const auto& c : cases) {
    e->curve_to_vertices_(c.in, c.count);
    EXPECT_EQ(e->vertex_count_(true_), c.flattened) << c.count;
  }
  e->curve_to_vertices_(pts({{0, 0}, {10, 0}}), 2);
  EXPECT_EQ(e->vertex_px_(1, true_), 0);
  EXPECT_EQ(e->vertex_px_(0, true_), 10);
  for (int32_t i = 1; i <= 101; ++i) ASSERT_EQ(e->vertex_py_(i, true_), 0);
  // Midpoints are whole units, half to even: mid(2, 3) = 2 starts the second segment.
  e->curve_to_vertices_(pts({{0, 0}, {2, 0}, {3, 0}, {5, 0}}), 4);
  EXPECT_EQ(e->vertex_px_(102, true_), 2);
}

TEST_F(convert, EndsMatchWithinTheZoomToleranceOnlyWithAWindow) {
  struct { int32_t window; float zoom; bool joined; } cases[] = {
      {0, 1, false}, {800, 0.05f, false}, {800, 1, true}};
  for (const auto& c : cases) {
    e->views.window_width = c.window;
    e->active_view_().zoom = c.zoom;
    const int32_t a = e->add_line_(0, 0, 10, 0);
    const int32_t b = e->add_line_(10.07f, 0, 10, 10);
    const int32_t before = e->records_();
    e->select_clear_();
    select({a, b});
    e->conv2pg_();
    EXPECT_EQ(e->records_() > before, c.joined) << c.zoom;
    EXPECT_EQ(obj(a).deleted == true_, c.joined) << c.zoom;
  }
}
