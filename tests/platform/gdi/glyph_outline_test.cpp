#include "platform/gdi/glyph_outline.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GlyphOutline, LettersComeAsContoursInsideTheirBox) {
  font_ f;
  f.height = -40;
  struct glyph_case { char32_t code; int32_t min_contours; bool curved; };
  for (const glyph_case c : {glyph_case{U'X', 1, false}, {U'O', 2, true}, {U'B', 3, true}, {U'\u0141', 1, false}}) {
    glyph_box_metrics_ m;
    std::vector<outline_contour_> contours;
    SCOPED_TRACE(uint32_t(c.code));
    const int32_t n = glyph_outline_(f, c.code, 10.0, m, contours);
    ASSERT_GE(n, c.min_contours);
    EXPECT_EQ(size_t(n), contours.size());
    for (const outline_contour_& ct : contours)
      for (const outline_curve_& p : ct.curves) EXPECT_FALSE(p.points.empty());
    EXPECT_GT(m.box_width, 0);
    EXPECT_GT(m.box_height, 100);  // capitals of a 40-pixel font, in tenths
    EXPECT_GT(m.advance_x, m.box_width / 2);
    bool any_curve = false;
    auto inside = [&](const outline_point_& p) {
      EXPECT_GE(p.x, m.origin_x - 1.0);
      EXPECT_LE(p.x, m.origin_x + m.box_width + 1.0);
      EXPECT_LE(p.y, m.origin_y + 1.0);
      EXPECT_GE(p.y, m.origin_y - m.box_height - 1.0);
    };
    for (const outline_contour_& ct : contours) {
      inside(ct.start);
      for (const outline_curve_& p : ct.curves) {
        if (p.kind == outline_curve_kind_::quadratic_) {
          any_curve = true;
          EXPECT_EQ(p.points.size(), 2u);
        }
        inside(p.points.back());  // on the curve; control points may lie outside the box
      }
    }
    EXPECT_EQ(any_curve, c.curved);
  }
}

TEST(GlyphOutline, ScaleMultipliesMetricsAndBlankHasNoOutline) {
  font_ f;
  f.height = -30;
  glyph_box_metrics_ one, ten;
  std::vector<outline_contour_> c;
  ASSERT_GT(glyph_outline_(f, U'H', 1.0, one, c), 0);
  ASSERT_GT(glyph_outline_(f, U'H', 10.0, ten, c), 0);
  EXPECT_NEAR(ten.box_height, one.box_height * 10, 10);
  EXPECT_NEAR(ten.advance_x, one.advance_x * 10, 10);
  EXPECT_EQ(glyph_outline_(f, U' ', 10.0, ten, c), 0);
  EXPECT_GT(ten.advance_x, 0);
  EXPECT_TRUE(c.empty());
  EXPECT_EQ(glyph_outline_(f, U'H', 0.0, ten, c), -1);
  EXPECT_EQ(glyph_outline_(f, U'H', -INFINITY, ten, c), -1);
}
