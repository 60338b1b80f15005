// Dimension and reference tools on the real engine: the points and dimension lines of the
// records each click sequence adds, the series, and the refusals.
#include <cmath>

#include "draw_fixture.h"

class draw_dims : public draw_fixture {
 protected:
  void expect_dim(int32_t r, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const dimension_rec_& d = dim_at(r);
    EXPECT_NEAR(d.x1, x1, 1e-4);
    EXPECT_NEAR(d.y1, y1, 1e-4);
    EXPECT_NEAR(d.x2, x2, 1e-4);
    EXPECT_NEAR(d.y2, y2, 1e-4);
    EXPECT_NEAR(d.x3, x3, 1e-4);
    EXPECT_NEAR(d.y3, y3, 1e-4);
    EXPECT_NEAR(d.x4, x4, 1e-4);
    EXPECT_NEAR(d.y4, y4, 1e-4);
  }
};

TEST_F(draw_dims, horizontal_vertical_and_aligned) {
  struct dim_case {
    const char* tool;
    float dist;  // row 3 typed and ticked when not 0
    std::array<float, 6> clicks;
    std::array<float, 8> expected;
  };
  const dim_case cases[] = {
      {"DIM.V", 0, {0, 0, 0, 10, 7, 5}, {0, 0, 0, 10, 7, 0, 7, 10}},
      {"DIM.H", 0, {0, 0, 10, 3, 5, 8}, {0, 0, 10, 3, 0, 8, 10, 8}},
      {"DIM.F", 0, {0, 0, 10, 0, 5, -4}, {0, 0, 10, 0, 0, -4, 10, -4}},
      {"DIM.F", 6, {0, 0, 10, 0, 5, -4}, {0, 0, 10, 0, 0, 6, 10, 6}},
  };
  for (const dim_case& c : cases) {
    SCOPED_TRACE(c.tool);
    e().file_new_(true_, "");
    tool(c.tool);
    if (c.dist != 0) row(3, format_fixed_(c.dist, 2, true), true);
    for (size_t i = 0; i < 6; i += 2) at(c.clicks[i], c.clicks[i + 1]);
    ASSERT_EQ(types(), std::vector<int32_t>{ot_dimension_});
    const auto& x = c.expected;
    expect_dim(1, x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7]);
    EXPECT_EQ(labels(), tr({"change.dim.distance"}));
    EXPECT_EQ(ds().tool_step_, 0);
  }
}

TEST_F(draw_dims, a_click_without_a_move_places_the_line_at_its_own_point) {
  tool("DIM.H");
  click(0, 0);
  move(10, 0);
  press_only(20, 0);  // the second point where no move went
  move(15, 30);
  press_only(15, 12);
  expect_dim(1, 0, 0, 20, 0, 0, 12, 20, 12);
}

TEST_F(draw_dims, baseline_and_chained_series) {
  tool("DIM.B");
  at(0, 0);
  at(10, 0);
  at(5, 5);
  EXPECT_EQ(ds().tool_step_, 3);
  at(20, 0);
  expect_dim(2, 0, 5, 20, 0, 0, 15, 20, 15);  // from the first extension line, 10 further out

  tool("DIM.G");
  at(0, 100);
  at(10, 100);
  at(5, 105);
  at(20, 100);
  at(35, 100);
  ASSERT_EQ(live().size(), 5u);
  expect_dim(4, 10, 100, 20, 100, 10, 105, 20, 105);
  expect_dim(5, 20, 100, 35, 100, 20, 105, 35, 105);
  EXPECT_EQ(ds().tool_step_, 3);
  EXPECT_EQ(labels().size(), 5u);
}

TEST_F(draw_dims, angular_spans_the_legs_counter_clockwise) {
  tool("DIM.A");
  at(0, 0);
  at(10, 0);
  at(0, 10);
  ASSERT_EQ(types(), std::vector<int32_t>{ot_angular_dim_});
  const angular_dim_rec_& a = e().store.live.angular_dims[size_t(e().object_(1).index)];
  EXPECT_NEAR(a.a2 - a.a1, 3.1415927f / 2, 1e-5);
  EXPECT_NEAR(a.rx, 10, 1e-4);
  EXPECT_EQ(labels(), tr({"change.dim.angle"}));
}

TEST_F(draw_dims, radius_diameter_and_centre_need_a_round_object) {
  e().add_circle_(0, 0, 20);
  line(50, 0, 60, 0);
  tool("DIM.C");
  click(55, 0);  // a line
  click(90, 90);  // nothing
  EXPECT_EQ(messages(), tr({"message.invalidobject", "message.invalidobject"}));
  EXPECT_TRUE(labels().empty());
  click(20, 0);
  EXPECT_EQ(e().object_(e().records_()).type, ot_point_);
  tool("DIM.R");
  click(0, 20);
  EXPECT_EQ(ds().tool_step_, 1);
  click(80, 80);  // placed towards an empty point
  tool("DIM.D");
  click(55, 0);
  EXPECT_EQ(messages(), tr({"message.invalidobject"}));
  click(-20, 0);
  click(-30, 0);
  const int32_t n = e().records_();
  EXPECT_EQ(dim_at(n - 1).kind, 1);
  EXPECT_EQ(dim_at(n).kind, 2);
  EXPECT_EQ(labels(), tr({"change.dim.center", "change.dim.radius", "change.dim.dimeter"}));
}

TEST_F(draw_dims, reference_finishes_on_ctrl) {
  tool("DIM.E");
  row(3, "Note", false);
  at(0, 0, 2);  // one point: nothing
  EXPECT_TRUE(live().empty());
  at(0, 0);
  at(10, 10, 3);  // Ctrl+Shift only collects
  at(30, 10, 2);
  ASSERT_EQ(types(), std::vector<int32_t>{ot_reference_});
  const reference_rec_& r = e().store.live.references[size_t(e().object_(1).index)];
  ASSERT_EQ(r.count, 3);
  EXPECT_FLOAT_EQ(r.x[3], 30);
  EXPECT_EQ(r.parts[0].text, "Note");
  EXPECT_EQ(labels(), tr({"change.dim.ref"}));
}
