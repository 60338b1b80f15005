#include <cmath>

#include "display_fixture.h"

namespace {

constexpr uint32_t red = 0x0000FF, blue = 0xFF0000, green = 0x00FF00;

bool all_white(const surface_& s) {
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x)
      if (s.colour_(x, y) != 0xFFFFFF) return false;
  return true;
}

}  // namespace

class painters : public display_ {
 protected:
  void SetUp() override {
    display_::SetUp();
    view(0, 0, 1);
    surface->fill_colour_(white);
    e->dinit_(dc.get());
    v = e->view_transform_(200, 100);
  }
  // A record of kind `type` appended directly, with the box given.
  template <class T>
  int32_t add_raw(int32_t type, chunk_table_<T>& table, const T& rec, float x1, float y1, float x2, float y2,
                  int32_t colour = 0) {
    add_slot_ slot;
    if (!e->add_begin_(type, colour, -2, 0, 1, 1, slot)) return 0;
    table[slot.entry] = rec;
    object_rec_& o = obj(slot.record);
    o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
    return e->add_commit_(slot);
  }
  hatch_rec_ stripes() {
    hatch_rec_ h;
    h.count = 4;
    h.x = {0, -20, 20, 20, -20};
    h.y = {0, -20, -20, 20, 20};
    h.line_count = 1;
    h.lines = {{}, {-100, 0, 100, 0}};
    h.tile_x = {0, 0, 0};
    h.tile_y = {0, 0, 10};
    return h;
  }
  view_transform_rec_ v;
};

TEST_F(painters, EachArrowheadKind) {
  enum form { filled, hollow, open, none };
  struct Case { int32_t kind; float ix, iy; form f; };
  // Tip at the centre pixel (100, 50), line angle 0, body towards +x, size 20; (ix, iy) lies
  // inside the figure's body in drawing units.
  const Case cases[] = {
      {1, 30, 0, filled},  {2, 30, 0, open},  {3, 30, 0, hollow}, {4, 30, 0, filled}, {5, 30, 0, open},
      {6, 30, 0, hollow},  {7, 15, 0, filled}, {8, 15, 0, open},  {9, 15, 0, hollow}, {11, 0, 0, hollow},
      {12, 0, 0, filled},  {13, 15, 5, filled}, {14, 15, 5, open}, {15, 15, 5, hollow}, {16, 15, -5, filled},
      {17, 15, -5, open},  {18, 15, -5, hollow}, {19, 0, 0, hollow}, {0, 0, 0, none}, {20, 0, 0, none},
      {255, 0, 0, none},
  };
  for (const Case& c : cases) {
    surface->fill_colour_(white);
    dc->select_pen_(pen_{pen_style_::solid_, 1, blue});
    e->draw_arrowhead_(*dc, v, c.kind, 0, 0, 0, 1, 20, red);
    if (c.f == none) {
      EXPECT_TRUE(all_white(*surface)) << c.kind;
      continue;
    }
    const pixel_point_ in = zaz_class_::map_px_(v, c.ix, c.iy);
    EXPECT_EQ(at(in.x, in.y), c.f == filled ? red : white) << c.kind;
    const bool dot = c.kind == 11 || c.kind == 12 || c.kind == 19;
    EXPECT_EQ(at(dot ? 110 : 100, 50), blue) << c.kind << ": outline through the tip or round the dot";
  }
  // The oblique stroke crosses the tip at 45 degrees, the same for either body sign.
  for (float sign : {1.f, -1.f}) {
    surface->fill_colour_(white);
    e->draw_arrowhead_(*dc, v, 10, 0, 0, 0, sign, 20, red);
    EXPECT_EQ(at(100, 50), blue);
    EXPECT_EQ(at(107, 43), blue);
    EXPECT_EQ(at(93, 43), white);
  }
  // A negative body sign turns a triangle round the tip.
  surface->fill_colour_(white);
  e->draw_arrowhead_(*dc, v, 1, 0, 0, 0, -1, 20, red);
  EXPECT_EQ(at(70, 50), red);
  EXPECT_EQ(at(130, 50), white);
}

TEST_F(painters, LinearDimensionLinesArrowsAndDegenerateRecord) {
  dimension_rec_ d;
  d.x1 = -40, d.y1 = -20, d.x2 = 40, d.y2 = -20, d.x3 = -40, d.y3 = 0, d.x4 = 40, d.y4 = 0;
  d.style.arrow1 = d.style.arrow2 = 4;
  d.style.arrow_size = 5, d.style.size_factor = 1;
  d.style.dimline_show1 = d.style.dimline_show2 = d.style.extline_show1 = d.style.extline_show2 = true_;
  e->draw_dimension_(*dc, v, d, red, green, blue, -1, -1, 1);
  EXPECT_EQ(at(60, 60), green);   // first extension line
  EXPECT_EQ(at(140, 60), green);  // second
  EXPECT_EQ(at(80, 50), red);     // dimension line
  EXPECT_EQ(at(68, 49), red);     // first arrowhead, body inside
  EXPECT_EQ(at(132, 51), red);    // second arrowhead
  EXPECT_EQ(at(61, 55), white);
  EXPECT_EQ(at(60, 50), red);    // the dimension line lies over the extension line
  EXPECT_EQ(at(57, 50), white);
  surface->fill_colour_(white);
  d.x2 = d.x1, d.y2 = d.y1;
  e->draw_dimension_(*dc, v, d, red, green, blue, -1, -1, 1);
  EXPECT_TRUE(all_white(*surface));
}

TEST_F(painters, HatchClipsToItsBoundaryAndRestoresTheClipItFound) {
  hatch_rec_ h = stripes();
  dc->intersect_clip_rect_({0, 0, 110, 100});
  e->draw_hatch_(*dc, v, h, blue, -2, -1, 0, 1);
  EXPECT_EQ(at(100, 50), blue);
  EXPECT_EQ(at(100, 40), blue);   // second tile origin
  EXPECT_EQ(at(115, 50), white);  // inside the boundary but outside the caller's clip
  EXPECT_EQ(at(75, 50), white);   // outside the boundary
  dc->move_to_(0, 10);
  dc->line_to_(200, 10);
  EXPECT_EQ(at(50, 10), 0u);
  EXPECT_EQ(at(150, 10), white);  // the caller's clip still holds
  dc->clear_clip_();
  surface->fill_colour_(white);
  e->draw_hatch_(*dc, v, h, blue, -2, green, 0, 1);
  EXPECT_EQ(at(100, 50), green);
  surface->fill_colour_(white);
  for (int32_t lines : {0, 1000}) {
    h.line_count = lines;
    e->draw_hatch_(*dc, v, h, blue, -2, -1, 0, 1);
    EXPECT_TRUE(all_white(*surface)) << lines;
  }
}

TEST_F(painters, BlockInsertPlacesMembersAndTakesItsColours) {
  e->select_record_(e->add_line_(0, 0, 10, 0, color_by_block_), true_);
  const int32_t b = e->block_create_("b", 0, 0, false_);
  ASSERT_EQ(b, 1);
  e->add_block_(b, 0, 0, 2, 2, 0, red);
  e->add_block_(b, -50, -20, 1, 1, 3.1415927f / 2, color_by_layer_);
  e->layer_atr_dcolor_(1, green);
  paint();
  EXPECT_EQ(at(118, 50), red);    // scale 2: twenty units long
  EXPECT_EQ(at(121, 50), white);
  EXPECT_EQ(at(50, 65), green);   // turned a quarter, colour of the insert's layer
  EXPECT_EQ(at(55, 70), white);
  surface->fill_colour_(white);
  for (int32_t bad : {0, 2, -1}) e->draw_block_insert_(*dc, bad, 1, 0, 0, 1, 1, 0, 0, 0, 0, 1, -1, false_, false_);
  EXPECT_TRUE(all_white(*surface));
}

TEST_F(painters, BlockInsertOverrideAndOutlineModes) {
  e->select_record_(e->add_circle_(0, 0, 10, blue, green), true_);
  ASSERT_EQ(e->block_create_("c", 0, 0, false_), 1);
  e->paint.insert_view = v;
  e->paint.insert_view_rect = {0, 0, 200, 100};
  e->draw_block_insert_(*dc, 1, 1, 0, 0, 1, 1, 0, -1, -1, -1, -1, 77, true_, false_);
  EXPECT_EQ(at(100, 50), 77u);
  EXPECT_EQ(at(110, 50), 77u);
  surface->fill_colour_(white);
  dc->set_rop_(rop_::invert_);
  e->draw_block_outline_(*dc, 1, 0, 0, 1, 1, 0);
  EXPECT_EQ(at(100, 50), white);  // outlines only
  EXPECT_FALSE(all_white(*surface));
  e->draw_block_outline_(*dc, 1, 0, 0, 1, 1, 0);
  EXPECT_TRUE(all_white(*surface));  // drawn twice inverted: gone
}

TEST_F(painters, ThumbnailFitsTheExtentsOntoTheSquare) {
  e->select_record_(e->add_line_(0, 0, 10, 5, 0), true_);
  ASSERT_EQ(e->block_create_("t", 0, 0, false_), 1);
  const block_def_rec_& def = e->library.blocks[1];
  ASSERT_EQ((std::array<float, 4>{def.x1, def.y1, def.x2, def.y2}), (std::array<float, 4>{0, 0, 10, 5}));
  // The longer side spans the 40 pixels; the shorter is centred: y from -2.5 to 7.5.
  e->display_block_(*dc, 1, 5, 5, 40, white);
  EXPECT_EQ(at(5, 35), 0u);
  EXPECT_EQ(at(25, 25), 0u);
  EXPECT_EQ(at(44, 15), 0u);
  EXPECT_EQ(at(25, 35), white);
  surface->fill_colour_(white);
  e->display_block_(*dc, 1, 5, 5, 4, white);
  e->display_block_(*dc, 2, 5, 5, 40, white);
  EXPECT_TRUE(all_white(*surface));
}

TEST_F(painters, CurvesFromPixelAndFloatPoints) {
  // Open curve of three points: to the midpoint of the last two, then a straight piece.
  const pixel_point_ p[3] = {{20, 50}, {60, 50}, {100, 50}};
  dc->select_pen_(pen_{pen_style_::solid_, 1, blue});
  e->draw_curve_(*dc, p, 3, nullptr);
  EXPECT_EQ(at(20, 50), blue);
  EXPECT_EQ(at(80, 50), blue);
  EXPECT_EQ(at(100, 50), white);  // the last pixel of a line is left out
  surface->fill_colour_(white);
  // A closed triangle passes through the midpoints of its sides.
  const pixel_point_ t[3] = {{20, 80}, {100, 80}, {60, 20}};
  e->draw_curve_(*dc, t, -3, nullptr);
  EXPECT_EQ(at(60, 80), blue);
  EXPECT_EQ(at(40, 50), blue);
  EXPECT_EQ(at(60, 60), white);
  surface->fill_colour_(white);
  graphics_ g(*surface);
  const gp_point_ f[2] = {{10, 5}, {30, 5}};
  e->draw_curve_f_(g, 10, 0, 5, f, 2, gp_pen_{gp_colour_(red), 1.f});
  EXPECT_EQ(at(50, 25), red);  // ((20 - 10) * 5, 5 * 5)
  EXPECT_EQ(at(50, 40), white);
}

TEST_F(painters, AngularDimensionMembersArePlacedAndPainted) {
  ASSERT_EQ(e->dimstyle_add_("standard"), 1);
  const int32_t a = e->add_dima_(1, 0, 0, 20, 0, 0, 20, 0, int32_t(red), 0, 1, 1, "");
  ASSERT_GT(a, 0);
  e->select_record_(a, true_);
  ASSERT_EQ(e->block_create_("angle", 0, 0, false_), 1);
  e->add_block_(1, -60, -30, 1, 1, 0, 0);
  paint();
  auto reds = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    int32_t n = 0;
    for (int32_t y = y1; y < y2; ++y)
      for (int32_t x = x1; x < x2; ++x) n += at(x, y) == red;
    return n;
  };
  // The vertex lands at pixel (40, 80); the arc of radius 20 runs up and to the right of it.
  EXPECT_GT(reds(38, 50, 70, 82), 20);
  EXPECT_EQ(reds(0, 0, 200, 100), reds(38, 50, 70, 82));
  surface->fill_colour_(white);
  e->display_block_(*dc, 1, 0, 0, 100, white);
  EXPECT_GT(reds(0, 0, 110, 110), 20);
}

// Angles far from zero (a damaged or foreign record) stop the float sampling counters from
// growing: painting and cutting such records must end.
TEST_F(painters, AnglesThatStopTheCounterStillEnd) {
  const float big = 1e30f;
  arc_rec_ arc;
  arc.rx = arc.ry = 20;
  arc.a1 = arc.a2 = big;
  const int32_t a = add_raw(ot_arc_, e->store.live.arcs, arc, -20, -20, 20, 20, int32_t(red));
  ASSERT_GT(a, 0);
  paint();
  e->display_(dc.get(), false_, false_);
  const int32_t records = e->records_();
  e->mod_objcut_(a, 20, 0, a, 0, 20);
  EXPECT_LE(e->records_(), records + 2);  // at most the two pieces of a cut
  ASSERT_EQ(e->dimstyle_add_("standard"), 1);
  const int32_t d = e->add_dima_(1, 0, 0, 20, 0, 0, 20, 0, int32_t(red), 0, 1, 1, "");
  ASSERT_GT(d, 0);
  angular_dim_rec_& r = e->store.live.angular_dims[obj(d).index];
  r.a1 = -big, r.a2 = big;
  e->draw_angular_dim_(*dc, v, r, int32_t(red), int32_t(red), int32_t(red), -1, 0);
  // A view so far out that a grid spacing no longer moves the counter.
  e->view_gridvisible_(true_);
  e->view_gridsize_(0.01f);
  view(1e12f, 1e12f, 1000);
  paint();
}
