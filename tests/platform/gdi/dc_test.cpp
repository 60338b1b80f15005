#include "platform/gdi/dc.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

namespace {

constexpr uint32_t white = rgb_(255, 255, 255);
constexpr uint32_t black = rgb_(0, 0, 0);

using pixel_set = std::set<std::pair<int32_t, int32_t>>;

pixel_set changed(const surface_& before, const surface_& after) {
  pixel_set out;
  for (int32_t y = 0; y < after.height_(); ++y)
    for (int32_t x = 0; x < after.width_(); ++x)
      if (before.argb_(x, y) != after.argb_(x, y)) out.insert({x, y});
  return out;
}

pixel_set with_colour(const surface_& s, uint32_t colour) {
  pixel_set out;
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x)
      if (s.colour_(x, y) == colour) out.insert({x, y});
  return out;
}

// A background where every pixel differs from its neighbours, so a lost or doubled touch shows.
void fill_noise(surface_& s) {
  uint32_t v = 12345;
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x) {
      v = v * 1103515245u + 12345u;
      s.set_colour_(x, y, (v >> 8) & 0xFFFFFF);
    }
}

bool same_pixels(const surface_& a, const surface_& b) {
  for (int32_t y = 0; y < a.height_(); ++y)
    for (int32_t x = 0; x < a.width_(); ++x)
      if (a.argb_(x, y) != b.argb_(x, y)) return false;
  return true;
}

}  // namespace

TEST(DcLines, InvertedCrossChangesItsArmsAndSecondDrawRestores) {
  surface_ s(100, 100);
  s.fill_colour_(white);
  const surface_ blank = s;
  dc_ dc(s);
  dc.set_rop_(rop_::invert_);
  dc.select_pen_({pen_style_::solid_, 1, black});
  auto cross = [&] {
    dc.move_to_(20, 50);
    dc.line_to_(80, 50);
    dc.move_to_(50, 20);
    dc.line_to_(50, 80);
  };
  cross();
  // Each arm covers 30 pixels each side of the centre with the end pixel left out; the
  // centre lies on both lines, so it is inverted twice.
  pixel_set expected;
  for (int32_t i = 20; i < 80; ++i) expected.insert({i, 50});
  for (int32_t i = 20; i < 80; ++i)
    if (!expected.erase({50, i})) expected.insert({50, i});
  EXPECT_EQ(changed(blank, s), expected);
  for (auto [x, y] : expected) EXPECT_EQ(s.colour_(x, y), black);
  cross();
  EXPECT_TRUE(same_pixels(blank, s));
}

TEST(DcLines, LeaveOutTheEndPixelAndStayConnected) {
  struct line_case { int32_t x0, y0, x1, y1; };
  const line_case cases[] = {{10, 10, 30, 10}, {10, 10, 30, 17}, {10, 10, 17, 30}, {10, 10, 10, 30},
                             {30, 10, 10, 17}, {30, 30, 10, 10}, {10, 30, 30, 10}, {17, 30, 10, 10},
                             {20, 20, 21, 20}, {20, 20, 21, 21}, {5, 5, 35, 5}};
  for (const line_case& c : cases) {
    surface_ s(40, 40);
    dc_ dc(s);
    dc.select_pen_({pen_style_::solid_, 1, white});
    dc.move_to_(c.x0, c.y0);
    dc.line_to_(c.x1, c.y1);
    const pixel_set px = with_colour(s, white);
    const int32_t steps = std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0));
    SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1);
    EXPECT_EQ(int32_t(px.size()), steps);
    EXPECT_TRUE(px.count({c.x0, c.y0}));
    EXPECT_FALSE(px.count({c.x1, c.y1}));
    // Every pixel lies within half a pixel of the true line, measured along the minor axis.
    for (auto [x, y] : px) {
      const double t = std::abs(c.x1 - c.x0) >= std::abs(c.y1 - c.y0) ? double(x - c.x0) / (c.x1 - c.x0)
                                                                       : double(y - c.y0) / (c.y1 - c.y0);
      const double ex = c.x0 + t * (c.x1 - c.x0), ey = c.y0 + t * (c.y1 - c.y0);
      EXPECT_LE(std::abs(x - ex) + std::abs(y - ey), 0.5 + 1e-9);
    }
    EXPECT_EQ(dc.current_position_(), (pixel_point_{c.x1, c.y1}));
  }
}

TEST(DcLines, ZeroLengthAndFarAwayLinesAreSafe) {
  surface_ s(50, 50);
  dc_ dc(s);
  dc.select_pen_({pen_style_::solid_, 1, white});
  dc.move_to_(10, 10);
  dc.line_to_(10, 10);
  EXPECT_TRUE(with_colour(s, white).empty());
  // A line from far outside to far outside crossing row 25 fills that row and nothing else.
  dc.move_to_(INT32_MIN, 25);
  dc.line_to_(INT32_MAX, 25);
  const pixel_set row = with_colour(s, white);
  EXPECT_EQ(row.size(), 50u);
  for (auto [x, y] : row) EXPECT_EQ(y, 25);
  dc.move_to_(-2000000000, -2000000000);
  dc.line_to_(2000000000, 2000000000);
  EXPECT_EQ(s.colour_(40, 40), white);
  EXPECT_EQ(s.colour_(41, 40), black);
}

TEST(DcShapes, RectangleBorderOnOuterPixelsAndFillInside) {
  surface_ s(30, 30);
  dc_ dc(s);
  const uint32_t border = rgb_(10, 20, 30), inside = rgb_(200, 100, 50);
  dc.select_pen_({pen_style_::solid_, 1, border});
  dc.select_brush_({brush_style_::solid_, inside});
  dc.rectangle_(10, 10, 15, 14);
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 30; ++x) {
      const bool in = x >= 10 && x <= 14 && y >= 10 && y <= 13;
      const bool edge = in && (x == 10 || x == 14 || y == 10 || y == 13);
      EXPECT_EQ(s.colour_(x, y), edge ? border : in ? inside : black) << x << "," << y;
    }
}

TEST(DcShapes, FillWithoutPenFollowsTheTopLeftRule) {
  surface_ s(30, 30);
  dc_ dc(s);
  dc.select_pen_(null_pen_);
  dc.select_brush_({brush_style_::solid_, white});
  const pixel_point_ square[] = {{5, 5}, {15, 5}, {15, 12}, {5, 12}};
  dc.polygon_(square, 4);
  pixel_set expected;
  for (int32_t y = 5; y < 12; ++y)
    for (int32_t x = 5; x < 15; ++x) expected.insert({x, y});
  EXPECT_EQ(with_colour(s, white), expected);
  // Two squares sharing an edge cover it once between them: no gap, no overlap.
  surface_ t(30, 30);
  dc_ dt(t);
  dt.select_pen_(null_pen_);
  dt.select_brush_({brush_style_::solid_, white});
  dt.set_rop_(rop_::invert_);
  const pixel_point_ left[] = {{2, 2}, {10, 2}, {13, 20}, {2, 20}};
  const pixel_point_ right[] = {{10, 2}, {25, 2}, {25, 20}, {13, 20}};
  dt.polygon_(left, 4);
  dt.polygon_(right, 4);
  pixel_set whole;
  for (int32_t y = 2; y < 20; ++y)
    for (int32_t x = 2; x < 25; ++x) whole.insert({x, y});
  EXPECT_EQ(with_colour(t, white), whole);
}

TEST(DcShapes, RedPolygonReadsBackAsExactColourValue) {
  surface_ s(60, 60);
  dc_ dc(s);
  const uint32_t red = rgb_(255, 0, 0);
  ASSERT_EQ(red, 255u);
  dc.select_pen_({pen_style_::solid_, 1, red});
  dc.select_brush_({brush_style_::solid_, red});
  const pixel_point_ poly[] = {{10, 5}, {50, 20}, {40, 55}, {5, 40}};
  dc.polygon_(poly, 4);
  for (const pixel_point_& p : poly) EXPECT_EQ(dc.get_pixel_(p.x, p.y), 255u);
  EXPECT_EQ(dc.get_pixel_(25, 30), 255u);
  EXPECT_EQ(dc.get_pixel_(30, 12), 255u);  // on the first edge
  EXPECT_EQ(dc.get_pixel_(2, 2), 0u);
  EXPECT_EQ(dc.get_pixel_(-1, 0), invalid_colour_);
}

TEST(DcShapes, FillModesDifferOnlyWhereTheOutlineWindsTwice) {
  // A five-pointed star: its centre is wound twice.
  const pixel_point_ star[] = {{50, 5}, {77, 90}, {5, 37}, {95, 37}, {23, 90}};
  surface_ alt(100, 100), wind(100, 100);
  for (auto [surface, mode] : {std::pair{&alt, fill_mode_::alternate_}, std::pair{&wind, fill_mode_::winding_}}) {
    dc_ dc(*surface);
    dc.select_pen_(null_pen_);
    dc.select_brush_({brush_style_::solid_, white});
    dc.set_fill_mode_(mode);
    dc.polygon_(star, 5);
  }
  EXPECT_EQ(alt.colour_(50, 50), black);
  EXPECT_EQ(wind.colour_(50, 50), white);
  EXPECT_EQ(alt.colour_(50, 20), white);
  EXPECT_EQ(wind.colour_(50, 20), white);
  const pixel_set a = with_colour(alt, white), w = with_colour(wind, white);
  EXPECT_TRUE(std::includes(w.begin(), w.end(), a.begin(), a.end()));
}

TEST(DcShapes, EllipseStaysInsideItsBoxAndTouchesEachSide) {
  for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {10, 10}, {11, 6}, {40, 17}}) {
    surface_ s(60, 60);
    dc_ dc(s);
    dc.select_pen_({pen_style_::solid_, 1, white});
    dc.select_brush_({brush_style_::solid_, rgb_(0, 0, 255)});
    dc.ellipse_(5, 7, 5 + w, 7 + h);
    int32_t minx = 99, maxx = -1, miny = 99, maxy = -1;
    for (int32_t y = 0; y < 60; ++y)
      for (int32_t x = 0; x < 60; ++x)
        if (s.colour_(x, y) != black) {
          minx = std::min(minx, x); maxx = std::max(maxx, x);
          miny = std::min(miny, y); maxy = std::max(maxy, y);
        }
    SCOPED_TRACE(testing::Message() << w << "x" << h);
    EXPECT_EQ(minx, 5);
    EXPECT_EQ(maxx, 5 + w - 1);
    EXPECT_EQ(miny, 7);
    EXPECT_EQ(maxy, 7 + h - 1);
    EXPECT_EQ(s.colour_(5, 7), w > 2 && h > 2 ? black : white);  // corners stay outside
  }
}

// Every primitive of the table, drawn with the inverting operation, touches each of its pixels
// exactly once: the pixels it inverts are the pixels it paints with the copy operation, and a
// second drawing gives the surface back.
TEST(DcInvert, EveryPrimitiveTouchesEachPixelOnceAndUndoesItself) {
  const pixel_point_ zigzag[] = {{10, 10}, {90, 80}, {90, 10}, {10, 80}, {50, 5}};
  const pixel_point_ star[] = {{50, 5}, {77, 90}, {5, 37}, {95, 37}, {23, 90}};
  const pixel_point_ rings[] = {{10, 10}, {90, 10}, {90, 90}, {10, 90}, {30, 30}, {70, 30}, {70, 70}, {30, 70}};
  const int32_t ring_counts[] = {4, 4};
  const pixel_point_ bez[] = {{10, 90}, {10, 0}, {90, 100}, {90, 10}, {60, 60}, {5, 50}, {40, 5}};
  struct prim { const char* name; pen_ pen; brush_ brush; fill_mode_ mode; std::function<void(dc_&)> draw; };
  const pen_ thin{pen_style_::solid_, 1, white};
  const brush_ solid{brush_style_::solid_, rgb_(0, 200, 0)};
  std::vector<prim> prims;
  for (int32_t k = 0; k < 16; ++k) {
    static const int32_t dx[] = {40, 40, 40, 20, 0, -20, -40, -40, -40, -40, -40, -20, 0, 20, 40, 40};
    static const int32_t dy[] = {0, 20, 40, 40, 40, 40, 40, 20, 0, -20, -40, -40, -40, -40, -40, -20};
    prims.push_back({"line", thin, null_brush_, fill_mode_::alternate_, [k](dc_& dc) {
                       dc.move_to_(50, 50);
                       dc.line_to_(50 + dx[k], 50 + dy[k]);
                     }});
  }
  prims.push_back({"polyline", thin, null_brush_, fill_mode_::alternate_, [&](dc_& dc) { dc.polyline_(zigzag, 5); }});
  for (fill_mode_ m : {fill_mode_::alternate_, fill_mode_::winding_}) {
    prims.push_back({"star", thin, solid, m, [&](dc_& dc) { dc.polygon_(star, 5); }});
    prims.push_back({"rings", thin, solid, m, [&](dc_& dc) { dc.poly_polygon_(rings, ring_counts, 2); }});
  }
  prims.push_back({"rectangle", thin, solid, fill_mode_::alternate_, [](dc_& dc) { dc.rectangle_(20, 15, 70, 61); }});
  prims.push_back({"ellipse", thin, solid, fill_mode_::alternate_, [](dc_& dc) { dc.ellipse_(8, 12, 93, 71); }});
  prims.push_back({"beziers", thin, null_brush_, fill_mode_::alternate_, [&](dc_& dc) { dc.poly_bezier_(bez, 7); }});
  prims.push_back({"rings outline", thin, null_brush_, fill_mode_::alternate_,
                   [&](dc_& dc) { dc.poly_polyline_(rings, ring_counts, 2); }});
  for (int32_t width : {2, 3, 6}) {
    const pen_ wide{pen_style_::solid_, width, white};
    prims.push_back({"wide polyline", wide, null_brush_, fill_mode_::alternate_, [&](dc_& dc) { dc.polyline_(zigzag, 5); }});
    prims.push_back({"wide star", wide, solid, fill_mode_::winding_, [&](dc_& dc) { dc.polygon_(star, 5); }});
    prims.push_back({"wide ellipse", wide, solid, fill_mode_::alternate_, [](dc_& dc) { dc.ellipse_(8, 12, 93, 71); }});
    prims.push_back({"wide dashed", {pen_style_::dash_dot_, width, white}, null_brush_, fill_mode_::alternate_,
                     [&](dc_& dc) { dc.polyline_(zigzag, 5); }});
  }
  for (pen_style_ st : {pen_style_::dash_, pen_style_::dot_, pen_style_::dash_dot_, pen_style_::dash_dot_dot_}) {
    prims.push_back({"dashed polyline", {st, 1, white}, null_brush_, fill_mode_::alternate_,
                     [&](dc_& dc) { dc.polyline_(zigzag, 5); }});
    prims.push_back({"dashed ellipse", {st, 1, white}, solid, fill_mode_::alternate_,
                     [](dc_& dc) { dc.ellipse_(8, 12, 93, 71); }});
  }
  for (const prim& p : prims) {
    SCOPED_TRACE(p.name);
    for (bk_mode_ bk : {bk_mode_::transparent_, bk_mode_::opaque_}) {
      surface_ copy(100, 100), inv(100, 100);
      fill_noise(copy);
      fill_noise(inv);
      const surface_ original = inv;
      // Copy pen over a background of one colour shows the painted set.
      copy.fill_colour_(black);
      const surface_ blank = copy;
      dc_ dcc(copy), dci(inv);
      for (dc_* dc : {&dcc, &dci}) {
        dc->select_pen_(p.pen);
        dc->select_brush_(p.brush);
        dc->set_fill_mode_(p.mode);
        dc->set_bk_mode_(bk);
        dc->set_bk_colour_(rgb_(1, 2, 3));
      }
      dci.set_rop_(rop_::invert_);
      p.draw(dcc);
      p.draw(dci);
      const pixel_set painted = changed(blank, copy);
      EXPECT_FALSE(painted.empty());
      EXPECT_EQ(changed(original, inv), painted);
      p.draw(dci);
      EXPECT_TRUE(same_pixels(original, inv));
    }
  }
}

TEST(DcRaster, SixteenOperationsCombinePenAndDestination) {
  const uint32_t d = rgb_(0x0F, 0x33, 0xAA), p = rgb_(0xF0, 0x55, 0x0F);
  struct rop_case { rop_ rop; uint32_t expected; };
  const rop_case cases[] = {
      {rop_::black_, 0},           {rop_::not_merge_pen_, ~(d | p)}, {rop_::mask_not_pen_, d & ~p},
      {rop_::not_copy_pen_, ~p},   {rop_::mask_pen_not_, p & ~d},    {rop_::invert_, ~d},
      {rop_::xor_pen_, d ^ p},     {rop_::not_mask_pen_, ~(d & p)},  {rop_::mask_pen_, d & p},
      {rop_::not_xor_pen_, ~(d ^ p)}, {rop_::nop_, d},               {rop_::merge_not_pen_, d | ~p},
      {rop_::copy_pen_, p},        {rop_::merge_pen_not_, p | ~d},   {rop_::merge_pen_, d | p},
      {rop_::white_, 0xFFFFFF}};
  for (const rop_case& c : cases) {
    surface_ s(4, 4);
    s.fill_colour_(d);
    dc_ dc(s);
    dc.set_rop_(c.rop);
    dc.select_pen_({pen_style_::solid_, 1, p});
    dc.move_to_(0, 1);
    dc.line_to_(3, 1);
    EXPECT_EQ(s.colour_(1, 1), c.expected & 0xFFFFFF) << int(c.rop);
    EXPECT_EQ(s.colour_(1, 2), d);
  }
}

TEST(DcRaster, DashedPenFollowsAFixedPatternAcrossSegments) {
  surface_ s(120, 10);
  dc_ dc(s);
  dc.select_pen_({pen_style_::dash_, 1, white});
  dc.set_bk_mode_(bk_mode_::transparent_);
  const pixel_point_ path[] = {{0, 2}, {50, 2}, {100, 2}};
  dc.polyline_(path, 3);
  // Dashes of 18 pixels and gaps of 6, counted along the whole polyline.
  for (int32_t x = 0; x < 100; ++x) EXPECT_EQ(s.colour_(x, 2) == white, x % 24 < 18) << x;
  dc.set_bk_mode_(bk_mode_::opaque_);
  dc.set_bk_colour_(rgb_(9, 9, 9));
  dc.move_to_(0, 5);
  dc.line_to_(30, 5);
  EXPECT_EQ(s.colour_(20, 5), rgb_(9, 9, 9));
  EXPECT_EQ(s.colour_(17, 5), white);
}

TEST(DcClip, DrawingStaysInsideTheClipAndRestoreBringsItBack) {
  surface_ s(50, 50);
  dc_ dc(s);
  dc.select_pen_(null_pen_);
  dc.select_brush_({brush_style_::solid_, white});
  const int32_t level = dc.save_();
  const pixel_point_ tri[] = {{25, 2}, {48, 45}, {2, 45}};
  const region_ shape = region_::polygon_(tri, 3, fill_mode_::alternate_);
  dc.set_clip_(shape);
  dc.exclude_clip_rect_({20, 20, 30, 30});
  dc.rectangle_(-100, -100, 200, 200);
  const region_ expected = shape.subtract_(region_({20, 20, 30, 30}));
  pixel_set want;
  for (const pixel_span_& sp : expected.spans_())
    for (int32_t x = sp.x0; x < sp.x1; ++x) want.insert({x, sp.y});
  EXPECT_EQ(with_colour(s, white), want);
  EXPECT_EQ(dc.get_pixel_(25, 25), invalid_colour_);  // reads respect the clip too
  EXPECT_TRUE(dc.restore_(level));
  EXPECT_FALSE(dc.restore_(level));
  EXPECT_EQ(dc.get_pixel_(25, 25), black);  // readable again; the hole was never painted
  // A logical clip rectangle follows the origin.
  dc.set_origin_(10, 10);
  dc.intersect_clip_rect_({0, 0, 5, 5});
  dc.fill_rectangle_({-10, -10, 40, 40}, rgb_(1, 1, 1));
  EXPECT_EQ(dc.clip_().bounds_(), (pixel_rect_{10, 10, 15, 15}));
  EXPECT_EQ(s.colour_(10, 10), rgb_(1, 1, 1));
  EXPECT_EQ(s.colour_(15, 15), s.colour_(16, 16));
}

TEST(DcState, SelectReturnsThePreviousObject) {
  surface_ s(4, 4);
  dc_ dc(s);
  const pen_ a{pen_style_::dot_, 1, 7}, b{pen_style_::solid_, 3, 9};
  dc.select_pen_(a);
  EXPECT_EQ(dc.select_pen_(b), a);
  EXPECT_EQ(dc.current_pen_(), b);
  const brush_ br{brush_style_::solid_, 5};
  dc.select_brush_(br);
  EXPECT_EQ(dc.select_brush_(null_brush_), br);
  EXPECT_EQ(dc.set_rop_(rop_::invert_), rop_::copy_pen_);
  EXPECT_EQ(dc.set_rop_(rop_(0)), rop_::invert_);  // unknown codes are refused
  EXPECT_EQ(dc.set_rop_(rop_(17)), rop_::invert_);
  EXPECT_EQ(dc.current_rop_(), rop_::invert_);
  EXPECT_EQ(dc.move_to_(3, 4), (pixel_point_{0, 0}));
}

TEST(DcState, SurvivesPointlessInput) {
  surface_ s(10, 10);
  dc_ dc(s);
  const pixel_point_ pts[] = {{1, 1}, {5, 5}};
  const int32_t bad_counts[] = {-5};
  dc.polygon_(nullptr, 3);
  dc.polygon_(pts, 1);
  dc.poly_polygon_(pts, bad_counts, 1);
  dc.poly_polyline_(pts, bad_counts, 1);
  dc.poly_bezier_(pts, 2);
  dc.rectangle_(5, 5, 5, 9);
  dc.ellipse_(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  surface_ empty;
  dc_ de(empty);
  de.rectangle_(0, 0, 5, 5);
  de.move_to_(0, 0);
  de.line_to_(5, 5);
  EXPECT_EQ(de.get_pixel_(0, 0), invalid_colour_);
  EXPECT_EQ(de.set_pixel_(0, 0, white), invalid_colour_);
}

TEST(DcState, FollowsItsSurfaceThroughResizes) {
  surface_ s(10, 10);
  dc_ dc(s);
  dc.select_pen_({pen_style_::solid_, 1, white});
  dc.select_brush_({brush_style_::solid_, white});
  s.resize_(5, 5);
  dc.move_to_(0, 0);
  dc.line_to_(10, 10);
  dc.rectangle_(0, 0, 10, 10);
  dc.fill_rectangle_({0, 0, 10, 10}, white);
  EXPECT_EQ(with_colour(s, white).size(), 25u);
  s.resize_(20, 20);
  dc.rectangle_(0, 0, 20, 20);
  EXPECT_EQ(with_colour(s, white).size(), 400u);
  // A clip the program set stays, cut to the surface.
  dc.intersect_clip_rect_({0, 0, 15, 15});
  s.resize_(8, 8);
  dc.fill_rectangle_({0, 0, 20, 20}, white);
  EXPECT_EQ(with_colour(s, white).size(), 64u);
}

TEST(DcShapes, WidePensAreExactlyTheirWidthAcross) {
  for (int32_t width = 2; width <= 7; ++width) {
    for (bool vertical : {false, true}) {
      surface_ s(60, 60);
      dc_ dc(s);
      dc.select_pen_({pen_style_::solid_, width, white});
      dc.move_to_(vertical ? 30 : 10, vertical ? 10 : 30);
      dc.line_to_(vertical ? 30 : 50, vertical ? 50 : 30);
      int32_t across = 0;
      for (int32_t k = 0; k < 60; ++k) across += s.colour_(vertical ? k : 30, vertical ? 30 : k) == white;
      EXPECT_EQ(across, width) << width << (vertical ? " vertical" : " horizontal");
      // Round ends reach half the width beyond the end points, no further.
      int32_t along = 0;
      for (int32_t k = 0; k < 60; ++k) along += s.colour_(vertical ? 30 : k, vertical ? k : 30) == white;
      EXPECT_GE(along, 40 + width - 1);
      EXPECT_LE(along, 40 + width + 1);
    }
  }
}
