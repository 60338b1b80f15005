#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dim_fixture.h"

namespace {

TEST_F(dims_, LinearAddRefusesCoordinatesFromTenMillionOn) {
  struct { float v; bool added; } cases[] = {
      {9999999.0f, true}, {10000000.0f, false}, {-10000000.0f, false}, {NAN, false}, {INFINITY, false},
  };
  for (const auto& c : cases) {
    for (int slot = 0; slot < 8; ++slot) {
      float p[8] = {0, 0, 10, 0, 0, 5, 10, 5};
      p[slot] = c.v;
      const int32_t before = e->records_();
      const int32_t r = e->add_dimf_(sid, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], 1, -1, 0, 1, 1, "");
      EXPECT_EQ(r != 0, c.added) << c.v << " at " << slot;
      EXPECT_EQ(e->records_(), before + (c.added ? 1 : 0));
    }
  }
}

TEST_F(dims_, LinearAddStoresPointsLengthAndAttributes) {
  const int32_t r = e->add_dimf_(sid, 0, 0, 30, 40, 0, 50, 30, 90, 0, 0x112233, 2, 3, 1, "");
  ASSERT_EQ(r, 1);
  const object_rec_& o = obj(r);
  EXPECT_EQ(o.type, ot_dimension_);
  EXPECT_EQ(o.index, 1);
  EXPECT_EQ(o.group, 0);
  EXPECT_EQ(o.selected, false_);
  EXPECT_EQ(o.page, e->page_active_());
  EXPECT_EQ(o.draw_color, 0x112233);
  EXPECT_EQ(o.fill_color, color_none_);
  EXPECT_EQ(o.line_style, 2);
  EXPECT_EQ(o.line_width, 3);
  EXPECT_EQ(o.layer, 1);
  const dimension_rec_& d = dim(r);
  EXPECT_EQ(d.kind, 0);
  EXPECT_FLOAT_EQ(d.length, 50);  // between the dimension-line ends, not the measured points
  EXPECT_EQ(d.style_id, sid);
  EXPECT_TRUE(d.style == style());
  EXPECT_EQ(e->subrecords_(ot_dimension_), 1);

  EXPECT_FLOAT_EQ(dim(e->add_dimf_(sid, 0, 0, 30, 40, 0, 50, 30, 80, -7, -1, 0, 1, 1, "")).length, -7);
}

TEST_F(dims_, StoredBoxTakesInPointsAndTextBox) {
  style().text_adj_v = 2;
  const int32_t r = e->add_dimh_(sid, 0, 0, 100, -20, 0, 30, 0, -1, 0, 1, 1, "");
  const dimension_rec_& d = dim(r);
  EXPECT_FLOAT_EQ(obj(r).x1, 0);
  EXPECT_FLOAT_EQ(obj(r).y1, -20);
  EXPECT_FLOAT_EQ(obj(r).x2, 100);
  EXPECT_NEAR(obj(r).y2, 30 + 1 + 2.5f, 1e-4);  // the raised text's top
  EXPECT_FLOAT_EQ(obj(r).y2, std::max({d.text_box[0].y, d.text_box[1].y, d.text_box[2].y, d.text_box[3].y}));
}

TEST_F(dims_, HorizontalAndVerticalAddsPlaceTheDimensionLine) {
  const dimension_rec_& h = dim(e->add_dimh_(sid, 0, 0, 30, 40, 999, 50, 0, -1, 0, 1, 1, ""));
  EXPECT_EQ(h.x3, 0); EXPECT_EQ(h.y3, 50); EXPECT_EQ(h.x4, 30); EXPECT_EQ(h.y4, 50);
  EXPECT_FLOAT_EQ(h.length, 30);
  const dimension_rec_& v = dim(e->add_dimv_(sid, 0, 0, 30, 40, 60, 999, 0, -1, 0, 1, 1, ""));
  EXPECT_EQ(v.x3, 60); EXPECT_EQ(v.y3, 0); EXPECT_EQ(v.x4, 60); EXPECT_EQ(v.y4, 40);
  EXPECT_FLOAT_EQ(v.length, 40);
  EXPECT_EQ(v.x1, 0); EXPECT_EQ(v.y2, 40);
}

TEST_F(dims_, RadiusAndDiameterFindTheNearestPointOfTheFullCurve) {
  const int32_t circle = e->add_circle_(0, 0, 10);
  const int32_t arc = e->add_arc_(0, 0, 10, 10, 0, 0, 90);
  const int32_t ellipse = e->add_ellipse_(5, 5, 20, 10, 90);  // turned upright
  struct { int32_t obj; float cux, cuy; int32_t kind; float nx, ny, ox, oy, length; } cases[] = {
      {circle, 20, 0, 1, 10, 0, 0, 0, 10},
      {circle, 20, 0, 2, 10, 0, -10, 0, 20},
      {arc, -20, 0, 1, -10, 0, 0, 0, 10},     // on the arc's circle, not on the arc
      {ellipse, 5, 40, 1, 5, 25, 5, 5, 20},
      {ellipse, 40, 5, 2, 15, 5, -5, 5, 20},
  };
  for (const auto& c : cases) {
    const int32_t r = c.kind == 1 ? e->add_dimr_(sid, c.obj, c.cux, c.cuy, 0, -1, 0, 1, 1, "")
                                  : e->add_dimd_(sid, c.obj, c.cux, c.cuy, 0, -1, 0, 1, 1, "");
    ASSERT_NE(r, 0);
    const dimension_rec_& d = dim(r);
    EXPECT_EQ(d.kind, c.kind);
    EXPECT_NEAR(d.x1, c.nx, 0.01); EXPECT_NEAR(d.y1, c.ny, 0.01);
    EXPECT_NEAR(d.x2, c.ox, 0.01); EXPECT_NEAR(d.y2, c.oy, 0.01);
    EXPECT_EQ(d.x3, d.x1); EXPECT_EQ(d.y3, d.y1); EXPECT_EQ(d.x4, d.x2); EXPECT_EQ(d.y4, d.y2);
    EXPECT_NEAR(d.length, c.length, 0.01);
  }
}

TEST_F(dims_, RadiusDropsExtensionLinesAndCentreArrowDiameterKeepsArrows) {
  const int32_t circle = e->add_circle_(0, 0, 10);
  const dimension_rec_& r = dim(e->add_dimr_(sid, circle, 20, 0, 0, -1, 0, 1, 1, ""));
  EXPECT_EQ(r.style.extline_show1, false_);
  EXPECT_EQ(r.style.extline_show2, false_);
  EXPECT_EQ(r.style.arrow1, 1);
  EXPECT_EQ(r.style.arrow2, 0);
  const dimension_rec_& d = dim(e->add_dimd_(sid, circle, 20, 0, 0, -1, 0, 1, 1, ""));
  EXPECT_EQ(d.style.extline_show1, false_);
  EXPECT_EQ(d.style.extline_show2, false_);
  EXPECT_EQ(d.style.arrow2, 1);
  EXPECT_EQ(style().extline_show1, true_);  // the style table keeps its values
}

TEST_F(dims_, RefusedAddsLeaveTheCounts) {
  const int32_t line = e->add_line_(0, 0, 10, 0);
  const int32_t circle = e->add_circle_(0, 0, 10);
  const int32_t before = e->records_();
  EXPECT_EQ(e->add_dimr_(sid, line, 20, 0, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dimd_(sid, 0, 20, 0, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dimd_(sid, before + 1, 20, 0, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dimr_(sid, circle, 1e7f, 0, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dimf_(sid + 1, 0, 0, 1, 0, 0, 1, 1, 1, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dimf_(-1, 0, 0, 1, 0, 0, 1, 1, 1, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dima_(sid + 1, 0, 0, 1, 0, 0, 1, 0, -1, 0, 1, 1, ""), 0);
  EXPECT_EQ(e->add_dimf_(sid, 0, 0, 1, 0, 0, 1, 1, 1, 0, -1, 0, 1, 300, ""), 0);  // no such layer byte
  e->vertex_clear_();
  e->vertex_add_(1, 1);
  EXPECT_EQ(e->add_ref_(sid, "A", -1, 0, 1, 1), 0);
  EXPECT_EQ(e->records_(), before);
  EXPECT_EQ(e->subrecords_(ot_dimension_), 0);
  EXPECT_EQ(e->subrecords_(ot_reference_), 0);
  // The template, entry 0, is a style like any other.
  EXPECT_NE(e->add_dimf_(0, 0, 0, 1, 0, 0, 1, 1, 1, 0, -1, 0, 1, 1, ""), 0);
}

TEST_F(dims_, AngularAddRunsCounterClockwiseFromFirstLegToSecond) {
  struct { float x1, y1, x2, y2, a1, a2; } cases[] = {
      {10, 10, 10, -10, pi_f / 4, 7 * pi_f / 4},
      {10, -10, 10, 10, -pi_f / 4, pi_f / 4},
  };
  for (const auto& c : cases) {
    const int32_t r = e->add_dima_(sid, 0, 0, c.x1, c.y1, c.x2, c.y2, 0, -1, 0, 1, 1, "");
    ASSERT_NE(r, 0);
    const angular_dim_rec_& d = adim(r);
    EXPECT_NEAR(d.a1, c.a1, 1e-5);
    EXPECT_NEAR(d.a2, c.a2, 1e-5);
    EXPECT_NEAR(d.rx, std::sqrt(200.0f), 1e-4);
    EXPECT_EQ(d.ry, d.rx);
    EXPECT_EQ(d.rotation, 0);
    EXPECT_EQ(obj(r).type, ot_angular_dim_);
  }
  // The angle and text arguments change nothing.
  const angular_dim_rec_ a = adim(e->add_dima_(sid, 0, 0, 10, 0, 0, 10, 0, -1, 0, 1, 1, ""));
  const angular_dim_rec_& b = adim(e->add_dima_(sid, 0, 0, 10, 0, 0, 10, 123, -1, 0, 1, 1, "TYP"));
  EXPECT_EQ(a.parts[0].text, b.parts[0].text);
  EXPECT_EQ(a.text_box[2].x, b.text_box[2].x);
  EXPECT_EQ(a.a2, b.a2);
}

TEST_F(dims_, AngularBoxCoversTheArc) {
  const int32_t r = e->add_dima_(sid, 0, 0, 10, 0, 0, 10, 0, -1, 0, 1, 1, "");
  EXPECT_NEAR(obj(r).x2, 10 + 2.5f, 1e-4);  // the first extension line reaches an arrow beyond
  EXPECT_NEAR(obj(r).y2, 10 + 2.5f, 1e-4);
  EXPECT_NEAR(obj(r).x1, 0, 1e-4);          // both legs start half-way in
  EXPECT_NEAR(obj(r).y1, 0, 1e-4);
}

TEST_F(dims_, CentreMarkIsAPointAtTheCurveCentre) {
  const int32_t circle = e->add_circle_(3, 4, 10);
  const int32_t r = e->add_dimc_(99, circle, 0xFF, 1, 2, 1);
  ASSERT_NE(r, 0);
  EXPECT_EQ(obj(r).type, ot_point_);
  const point_rec_& p = e->store.live.points[size_t(obj(r).index)];
  EXPECT_EQ(p.x, 3); EXPECT_EQ(p.y, 4);
  EXPECT_EQ(p.p_type, 1);
  EXPECT_EQ(p.p_size, 15);
  EXPECT_EQ(obj(r).draw_color, 0xFF);
  const int32_t before = e->records_();
  EXPECT_EQ(e->add_dimc_(sid, e->add_line_(0, 0, 1, 1), -1, 0, 1, 1), 0);
  EXPECT_EQ(e->add_dimc_(sid, 1000, -1, 0, 1, 1), 0);
  EXPECT_EQ(e->records_(), before + 1);  // only the line
}

TEST_F(dims_, ReferenceTakesTheVertexBufferAndLeavesIt) {
  e->vertex_clear_();
  e->vertex_add_(0, 0);
  e->vertex_add_(10, 5, 7);
  e->vertex_add_(20, 5);
  const int32_t r = e->add_ref_(sid, "AB", -1, 0, 1, 1);
  ASSERT_NE(r, 0);
  const reference_rec_& d = ref(r);
  ASSERT_EQ(d.count, 3);
  EXPECT_EQ(d.x[1], 0); EXPECT_EQ(d.x[2], 10); EXPECT_EQ(d.x[3], 20);
  EXPECT_EQ(d.y[1], 0); EXPECT_EQ(d.y[2], 5); EXPECT_EQ(d.y[3], 5);
  EXPECT_EQ(d.parts[0].text, "AB");
  EXPECT_EQ(e->vertex_count_(), 3);
  EXPECT_FLOAT_EQ(obj(r).x1, 0);
  EXPECT_NEAR(obj(r).x2, 20 + 3.5f, 1e-4);  // the text continues the leader
}

TEST_F(dims_, LaterStyleChangesLeaveAddedObjectsAlone) {
  const int32_t r = linear(0, 0, 100, 0);
  const dimension_rec_ before = dim(r);
  style().prefix = "X";
  style().text_height = 9;
  EXPECT_TRUE(dim(r).style == before.style);
  EXPECT_EQ(dim(r).parts[0].text, before.parts[0].text);
}

}  // namespace
