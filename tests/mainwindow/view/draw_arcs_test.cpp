// Arc, circle and ellipse tools: the figure each click sequence adds, the radius lock, the
// fill hatches, and three points that span no circle.
#include <cmath>

#include "draw_fixture.h"

namespace {
constexpr float pi = 3.1415927f;
}

class draw_arcs : public draw_fixture {
 protected:
  void expect_round(int32_t r, float cx, float cy, float rx, float ry) {
    const arc_rec_& a = arc_at(r);
    EXPECT_NEAR(a.cx, cx, 1e-4);
    EXPECT_NEAR(a.cy, cy, 1e-4);
    EXPECT_NEAR(a.rx, rx, 1e-4);
    EXPECT_NEAR(a.ry, ry, 1e-4);
  }
  std::string shown(double v) { return format_fixed_(v, 4, true); }
};

TEST_F(draw_arcs, figures_from_exact_points) {
  struct figure_case {
    const char* tool;
    std::vector<std::pair<float, float>> points;
    int32_t type;
    float cx, cy, rx, ry;
    const char* label;
  };
  const figure_case cases[] = {
      {"CIRCLE.R", {{1, 1}, {4, 5}}, ot_circle_, 1, 1, 5, 5, "change.draw.circle"},
      {"CIRCLE.2P", {{0, 0}, {10, 0}}, ot_circle_, 5, 0, 5, 5, "change.draw.circle"},
      {"CIRCLE.3P", {{10, 0}, {0, 10}, {-10, 0}}, ot_circle_, 0, 0, 10, 10, "change.draw.circle"},
      {"ELLIPSE", {{0, 0}, {-6, 2}}, ot_ellipse_, 0, 0, -6, 2, "change.draw.ellipse"},
      {"ARC.R", {{0, 0}, {3, 4}}, ot_arc_, 0, 0, 5, 5, "change.draw.arc"},
      {"ARC.2P", {{0, 0}, {10, 0}}, ot_arc_, 5, 0, 5, 5, "change.draw.arc"},
      {"ARC.3P", {{0, 5}, {0, -5}, {5, 0}}, ot_arc_, 0, 0, 5, 5, "change.draw.arc"},
  };
  for (const figure_case& c : cases) {
    SCOPED_TRACE(c.tool);
    e().file_new_(true_, "");
    tool(c.tool);
    for (const auto& p : c.points) at(p.first, p.second);
    ASSERT_EQ(types(), std::vector<int32_t>{c.type});
    expect_round(1, c.cx, c.cy, c.rx, c.ry);
    EXPECT_EQ(labels(), tr({c.label}));
    EXPECT_EQ(ds().tool_step_, 0);
  }
  // The three-point arc is the right half: from straight down to straight up through (5, 0).
  const arc_rec_& a = arc_at(1);
  EXPECT_NEAR(std::cos(a.a1), 0, 1e-5);
  EXPECT_NEAR(std::sin(a.a1), -1, 1e-5);
  EXPECT_NEAR(a.a2 - a.a1, pi, 1e-5);
}

TEST_F(draw_arcs, rows_show_and_lock_the_live_values) {
  tool("ARC.2P");
  click(0, 0);
  move(10, 0);
  EXPECT_EQ(host->panel->textv_(1), shown(10));
  tool("ELLIPSE");
  click(0, 0);
  move(-6, 2);
  EXPECT_EQ(host->panel->textv_(1), shown(-6));
  EXPECT_EQ(host->panel->textv_(2), shown(2));
  row(1, "20", true);
  click(-30, 7);  // x radius locked, y radius follows the cursor
  expect_round(1, 0, 0, 20, 7);
  tool("CIRCLE.2P");
  row(1, "20", true);
  click(0, 0);
  click(10, 0);
  expect_round(2, 5, 0, 10, 10);
}

TEST_F(draw_arcs, arc_angles_come_from_the_rows) {
  tool("ARC.R");
  row(2, "300", false);
  row(3, "60", false);
  at(0, 0);
  at(0, 8);
  const arc_rec_& a = arc_at(1);
  EXPECT_NEAR(a.rx, 8, 1e-5);
  EXPECT_NEAR(a.a1, -pi / 3, 1e-5);
  EXPECT_NEAR(a.a2, pi / 3, 1e-5);
}

TEST_F(draw_arcs, collinear_or_repeated_points_add_nothing) {
  for (const char* t : {"ARC.3P", "CIRCLE.3P"}) {
    SCOPED_TRACE(t);
    e().file_new_(true_, "");
    tool(t);
    at(0, 5);
    at(0, -5);
    at(0, 0);   // on the line through the first two
    at(0, -5);  // a point repeated
    EXPECT_TRUE(live().empty());
    EXPECT_TRUE(labels().empty());
    EXPECT_EQ(ds().tool_step_, 2);
    at(5, 0);  // a good third point still finishes the figure
    ASSERT_EQ(live().size(), 1u);
    expect_round(1, 0, 0, 5, 5);
  }
}

TEST_F(draw_arcs, fill_hatches_follow_the_figure_in_one_step) {
  host->eng.hatch_active_(1);
  tool("ARC.R");
  row(2, "0", false);
  row(3, "180", false);
  row(4, "", true);
  at(0, 0);
  at(20, 0);
  ASSERT_EQ(types(), (std::vector<int32_t>{ot_arc_, ot_hatch_}));
  // 32 samples along the half circle, its exact end, the centre.
  EXPECT_EQ(e().vertex_count_(), 34);
  EXPECT_FLOAT_EQ(e().vertex_px_(0), 0);
  EXPECT_EQ(labels(), tr({"change.draw.arc"}));

  tool("CIRCLE.R");
  row(2, "", true);
  click(100, 0);
  click(130, 0);
  EXPECT_EQ(e().vertex_count_(), 63);
  EXPECT_EQ(types(), (std::vector<int32_t>{ot_arc_, ot_hatch_, ot_circle_, ot_hatch_}));
  EXPECT_EQ(labels(), tr({"change.draw.arc", "change.draw.circle"}));
}

TEST_F(draw_arcs, huge_typed_angles_still_end) {
  host->eng.hatch_active_(1);
  tool("ARC.R");
  row(2, "-1e12", false);
  row(3, "1e12", false);
  row(4, "", true);
  at(0, 0);
  at(10, 0);
  EXPECT_EQ(labels(), tr({"change.draw.arc"}));
  EXPECT_LE(e().vertex_count_(), 100002);
}
