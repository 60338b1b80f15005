#include <cmath>

#include "display_fixture.h"

namespace {

// Columns of row y that hold colour c.
std::vector<int32_t> columns(const surface_& s, int32_t y, uint32_t c) {
  std::vector<int32_t> out;
  for (int32_t x = 0; x < s.width_(); ++x)
    if (s.colour_(x, y) == c) out.push_back(x);
  return out;
}

}  // namespace

class grid : public display_ {
 protected:
  void SetUp() override {
    display_::SetUp();
    e->view_gridvisible_(true_);
    minor = zaz_class_::engine_blend_color_(white, 0, 0.05f);
    major = zaz_class_::engine_blend_color_(white, 0, 0.15f);
  }
  uint32_t minor = 0, major = 0;
};

TEST_F(grid, SpacingOriginsAndHiddenDenseLines) {
  struct Case { float size, cx, zoom; std::vector<int32_t> minor_cols, major_cols; };
  const Case cases[] = {
      // Size 10 at zoom 1: minor lines every 10 pixels, a major one every 100.
      {10, 0, 1, {10, 20, 30, 40, 50, 60, 70, 80, 90, 110, 120, 130, 140, 150, 160, 170, 180, 190}, {0, 100}},
      // Zoom 0.4: minor lines 4 pixels apart are left out, major ones 40 apart stay.
      {10, 0, 0.4f, {}, {20, 60, 100, 140, 180}},
      // Size 0.5 around x = 3.7 at zoom 20: lines at whole multiples of 0.5.
      {0.5f, 3.7f, 20, {6, 16, 36, 46, 56, 66, 76, 86, 96, 106, 116, 136, 146, 156, 166, 176, 186, 196}, {26, 126}},
      // Size 0.02: minor lines 2 pixels apart hidden; major lines every 0.2 still show.
      {0.02f, 0, 100, {}, {0, 20, 40, 60, 80, 100, 120, 140, 160, 180}},
      // Size 0.005: no grid at all.
      {0.005f, 0, 1000, {}, {}},
  };
  for (const Case& c : cases) {
    e->view_gridsize_(c.size);
    view(c.cx, 0.28f, c.zoom);  // keeps horizontal lines off row 1
    paint();
    EXPECT_EQ(columns(*surface, 1, minor), c.minor_cols) << c.size << " at " << c.zoom;
    EXPECT_EQ(columns(*surface, 1, major), c.major_cols) << c.size << " at " << c.zoom;
  }
}

TEST_F(grid, OriginTruncatesTowardsZero) {
  e->view_gridsize_(10);
  view(-14, 0, 1);
  paint();
  // The lines sit on multiples of 10 whatever the centre: x = -10 lands on column 104.
  EXPECT_EQ(at(104, 1), minor);
  EXPECT_EQ(at(94, 1), minor);
  EXPECT_EQ(at(105, 1), white);
}

using snap_cache = display_;

TEST_F(snap_cache, LineAndCircleGiveSevenPointsInRecordOrder) {
  view(0, 0, 1);
  e->view_snap2points_(true_);
  e->add_line_(-10, -5, 300, 5);  // one end far outside still counts
  e->add_circle_(20, 10, 5);
  paint();
  const snap_point_rec_& s = e->paint.snap;
  ASSERT_EQ(s.count, 7);
  const float expected[7][2] = {{-10, -5}, {300, 5}, {20, 10}, {25, 10}, {20, 15}, {15, 10}, {20, 5}};
  for (int i = 0; i < 7; ++i) {
    EXPECT_NEAR(s.x[i + 1], expected[i][0], 1e-5) << i;
    EXPECT_NEAR(s.y[i + 1], expected[i][1], 1e-5) << i;
  }
}

TEST_F(snap_cache, KindsAndLayersThatAddNothing) {
  view(0, 0, 1);
  e->view_snap2points_(true_);
  e->add_line_(0, 0, 10, 10, 0, 0, 1, 2);
  e->layer_atr_vis_(2, false_);
  e->add_curve_(false_);
  e->add_bgroup_(0, 0, 5, 5, "g");
  e->add_point_(1, 2, 1, 5, 0, 0, 1, 1);
  paint();
  ASSERT_EQ(e->paint.snap.count, 1);
  EXPECT_EQ(e->paint.snap.x[1], 1);
}

TEST_F(snap_cache, GrowsInThousandsForLongPolylines) {
  view(0, 0, 1);
  e->view_snap2points_(true_);
  for (int i = 0; i < 2500; ++i) e->vertex_add_(float(i % 50), float(i / 50));
  ASSERT_GT(e->add_polyline_(), 0);
  paint();
  EXPECT_EQ(e->paint.snap.count, 2500);
  EXPECT_EQ(e->paint.snap.capacity, 3000);
  EXPECT_EQ(e->paint.snap.y[2500], 49);
}

TEST_F(snap_cache, FastRepaintKeepsItAndAnotherViewMakesItStale) {
  view(0, 0, 1);
  e->view_snap2points_(true_);
  e->add_point_(3, 4);
  paint();
  float x = 0, y = 0;
  EXPECT_TRUE(e->snap_nearest_(3.5f, 4, 15, x, y));
  EXPECT_EQ(x, 3);
  EXPECT_FALSE(e->snap_nearest_(30, 4, 15, x, y));  // 27 pixels away
  e->add_point_(5, 5);
  paint(true_);
  EXPECT_EQ(e->paint.snap.count, 1);
  view(50, 0, 1);  // panned: the points no longer match the view
  EXPECT_FALSE(e->snap_nearest_(3.5f, 4, 15, x, y));
  e->page_add_("p2", 210, 297);
  e->page_active_(2);
  view(0, 0, 1);
  EXPECT_FALSE(e->snap_nearest_(3.5f, 4, 15, x, y));
}
