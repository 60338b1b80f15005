// Native outlines of system-font glyphs, for turning a font into a stroke font: contours of
// straight and quadratic curves with the glyph's box metrics, all multiplied by a scale
// (10 gives tenths of a pixel of the font's size). Y grows upwards from the baseline, x from
// the glyph's origin.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/gdi/font.h"

struct outline_point_ {
  double x = 0.0;
  double y = 0.0;
};

enum class outline_curve_kind_ : uint8_t { line_ = 1, quadratic_ = 2 };

// A line curve lists the points it runs through after the previous curve's end. A quadratic
// curve is one segment: its control point, then its end point.
struct outline_curve_ {
  outline_curve_kind_ kind = outline_curve_kind_::line_;
  std::vector<outline_point_> points;
};

struct outline_contour_ {
  outline_point_ start;
  std::vector<outline_curve_> curves;
};

struct glyph_box_metrics_ {
  int32_t box_width = 0;   // black box width
  int32_t box_height = 0;  // black box height
  int32_t origin_x = 0;    // left of the black box from the glyph origin
  int32_t origin_y = 0;    // top of the black box above the baseline
  int32_t advance_x = 0;   // cell increment
  int32_t advance_y = 0;
};

// Outline of the character (a Unicode code point) in the font. Returns the number of contours,
// 0 for a character without an outline (the space) and -1 when the font has no such glyph.
int32_t glyph_outline_(const font_& font, char32_t code, double scale, glyph_box_metrics_& metrics,
                       std::vector<outline_contour_>& contours);
