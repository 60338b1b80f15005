#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/fonts/text_layout.h"
#include "engine/fonts/text_paint.h"

namespace {

// Height 10; "X" is 8 wide and 10 high; "A" a stroke from (0,0) to (2,4) advancing 5;
// "B" a filled stroke (1,1)-(3,2) advancing 6; "C" the single point (1,0).
font_rec_ small_font() {
  font_rec_ f;
  f.height = 10;
  f.glyphs['X'] = {8, 10, 10, 0, 0, {{{{0, 0}, {8, 10}}}}};
  f.glyphs['A'] = {2, 4, 5, 0, 0, {{{{0, 0}, {2, 4}}}}};
  f.glyphs['B'] = {2, 1, 6, 0, 1, {{{{1, 1}, {3, 2}}}}};
  f.glyphs['C'] = {0, 0, 3, 0, 0, {{{{1, 0}}}}};
  return f;
}

struct box_case {
  const char* text;
  float height, width_factor, angle;
  text_box_ want;
};

}  // namespace

TEST(TextLayout, MeasuredBoxFollowsPenRules) {
  const font_rec_ f = small_font();
  const float x = 100, y = 50;
  const box_case cases[] = {
      {"", 10, 1, 0, {100, 50, 100, 50}},
      {"  \r\n \r", 10, 1, 0, {100, 50, 100, 50}},     // only spaces and breaks
      {"A", 10, 1, 0, {100, 50, 102, 54}},
      {"AB", 10, 1, 0, {100, 50, 108, 54}},            // B starts at A's advance 5
      {"AB", 10, 2, 0, {100, 50, 116, 54}},            // width factor doubles x and advance
      {"A", 20, 1, 0, {100, 50, 104, 58}},             // height 20 on a font of 10
      {" A", 10, 1, 0, {106, 50, 108, 54}},            // a space is 0.75 of X's width
      {" A", 10, 2, 0, {112, 50, 116, 54}},
      {"A\rA", 10, 1, 0, {100, 35, 102, 54}},          // a break goes 1.5 X heights down
      {"A\nA", 10, 1, 0, {100, 35, 102, 54}},
      {"A\r\nA", 10, 1, 0, {100, 20, 102, 54}},        // CR LF is two breaks
      {"AB\rA", 10, 1, 0, {100, 35, 108, 54}},         // the pen goes back to x 0
      {"C", 10, 1, float(M_PI / 2), {100, 51, 100, 51}},  // turned counter-clockwise
      {"C", 10, 1, float(M_PI), {99, 50, 99, 50}},
  };
  for (const box_case& c : cases) {
    text_box_ b = measure_text_box_(f, c.text, x, y, c.height, c.width_factor, c.angle);
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" h " << c.height << " wf " << c.width_factor);
    EXPECT_NEAR(b.x1, c.want.x1, 1e-5);
    EXPECT_NEAR(b.y1, c.want.y1, 1e-5);
    EXPECT_NEAR(b.x2, c.want.x2, 1e-5);
    EXPECT_NEAR(b.y2, c.want.y2, 1e-5);
  }
}

TEST(TextLayout, ZeroFontHeightPutsEveryPointOnTheInsertionPoint) {
  font_rec_ f = small_font();
  f.height = 0;
  text_box_ b = measure_text_box_(f, "AB\rA", 3, 4, 10, 1, 0.3f);
  EXPECT_EQ(b.x1, 3);
  EXPECT_EQ(b.y1, 4);
  EXPECT_EQ(b.x2, 3);
  EXPECT_EQ(b.y2, 4);
}

TEST(TextLayout, BoxIgnoresTheInsertionPointOnceGlyphsExist) {
  font_rec_ f = small_font();
  f.glyphs['D'] = {1, 1, 4, 0, 0, {{{{5, 2}, {7, 3}}}}};  // ink right of the reference point
  text_box_ b = measure_text_box_(f, "D", 0, 0, 10, 1, 0);
  EXPECT_EQ(b.x1, 5);
  EXPECT_EQ(b.y1, 2);
}

namespace {

struct call {
  bool filled;
  std::vector<int32_t> counts;
  std::vector<std::pair<int32_t, int32_t>> points;
};

struct recording_surface : glyph_surface_ {
  std::vector<call> calls;
  void record(bool filled, const pixel_point_* p, const int32_t* counts, int32_t n) {
    call c{filled, {counts, counts + n}, {}};
    int32_t total = 0;
    for (int32_t i = 0; i < n; ++i) total += counts[i];
    for (int32_t i = 0; i < total; ++i) c.points.push_back({p[i].x, p[i].y});
    calls.push_back(c);
  }
  void poly_polygon(const pixel_point_* p, const int32_t* counts, int32_t n) override {
    record(true, p, counts, n);
  }
  void poly_polyline(const pixel_point_* p, const int32_t* counts, int32_t n) override {
    record(false, p, counts, n);
  }
};

void paint(recording_surface& s, const view_transform_rec_& view, const font_rec_& f,
           std::string_view text) {
  static glyph_buffers_ buffers;
  paint_text_glyphs_(s, buffers, view, f, text, 0, 0, 10, 1, 0);
}

}  // namespace

TEST(TextPaint, OneCallPerGlyphByItsFillFlag) {
  recording_surface s;
  const view_transform_rec_ view{-10, -100, 2, -2};  // pixel = (2x + 10, 100 - 2y)
  paint(s, view, small_font(), "A B\r");
  ASSERT_EQ(s.calls.size(), 2u);
  EXPECT_FALSE(s.calls[0].filled);
  EXPECT_EQ(s.calls[0].counts, std::vector<int32_t>{2});
  EXPECT_EQ(s.calls[0].points, (std::vector<std::pair<int32_t, int32_t>>{{10, 100}, {14, 92}}));
  EXPECT_TRUE(s.calls[1].filled);
  // B at pen 5 + 6 (space): (12,1) and (14,2).
  EXPECT_EQ(s.calls[1].points, (std::vector<std::pair<int32_t, int32_t>>{{34, 98}, {38, 96}}));
}

TEST(TextPaint, PixelsRoundHalvesToEven) {
  font_rec_ f = small_font();
  f.glyphs['E'] = {0, 0, 0, 0, 0, {{{{1, 1}, {3, 3}, {5, 5}}}}};
  recording_surface s;
  paint(s, view_transform_rec_{0, 0, 0.5f, 0.5f}, f, "E");
  ASSERT_EQ(s.calls.size(), 1u);
  EXPECT_EQ(s.calls[0].points, (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {2, 2}, {2, 2}}));
}

TEST(TextPaint, NothingForEmptyTextsSpacesAndEmptyGlyphs) {
  recording_surface s;
  for (const char* text : {"", "   ", "\r\n", "Q"}) paint(s, {}, small_font(), text);
  EXPECT_TRUE(s.calls.empty());
}

TEST(TextPaint, GlyphsBeyondTheBuffersArePaintedInWholeContours) {
  struct shape_case {
    int contours, points_each;
    size_t painted_contours;  // contours that reach the surface
  };
  const shape_case cases[] = {
      {300, 2, 300},   // more contours than one call takes
      {3, 1000, 3},    // more points than one call takes
      {1, 3000, 0},    // one contour too long for the buffer is left out
      {256, 8, 256},   // exactly full
  };
  for (const shape_case& c : cases) {
    font_rec_ f = small_font();
    glyph_rec_& g = f.glyphs['Z'];
    g.contours.assign(size_t(c.contours), glyph_contour_rec_{});
    for (auto& contour : g.contours)
      for (int i = 0; i < c.points_each; ++i) contour.points.push_back({float(i), 0});
    for (uint8_t fill : {0, 1}) {
      g.fill_flag = fill;
      recording_surface s;
      paint(s, {}, f, "Z");
      size_t contours = 0;
      for (const call& k : s.calls) {
        EXPECT_LE(k.counts.size(), size_t(glyph_max_contours_));
        EXPECT_LE(k.points.size(), size_t(glyph_max_points_));
        EXPECT_EQ(k.filled, fill == 1);
        for (int32_t n : k.counts) EXPECT_EQ(n, c.points_each);
        contours += k.counts.size();
      }
      EXPECT_EQ(contours, c.painted_contours) << c.contours << " x " << c.points_each;
    }
  }
}
