// The rasteriser behind device contexts and regions: which pixels each aliased primitive
// covers. Pure integer arithmetic where the rules are exact, so results never depend on the
// machine.
#pragma once
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/gdi/pixel_types.h"
#include "platform/gdi/region.h"

// Visits the pixels of the line from (x0, y0) towards (x1, y1), end pixel left out, as
// visit(x, y, i) with i the pixel's step number from the start (dash patterns count on it).
// Only pixels inside bounds are visited; the walk starts and stops at the bounds so a line far
// outside costs nothing. The major axis is the longer one (x on exact diagonals); the minor
// coordinate is the exact one rounded to nearest, halves towards the smaller coordinate.
template <class Visit>
void walk_line_(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const pixel_rect_& bounds, Visit&& visit) {
  const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  if (adx == 0 && ady == 0) return;
  if (bounds.empty_()) return;
  const bool x_major = adx >= ady;
  // Work in (major, minor) terms.
  const int64_t d_major = x_major ? adx : ady;            // pixel count
  const int64_t s_major = (x_major ? dx : dy) < 0 ? -1 : 1;
  const int64_t d_minor = x_major ? dy : dx;              // signed
  const int64_t m0 = x_major ? x0 : y0, n0 = x_major ? y0 : x0;
  const int64_t lo_major = x_major ? bounds.left : bounds.top;
  const int64_t hi_major = (x_major ? bounds.right : bounds.bottom) - 1;
  const int64_t lo_minor = x_major ? bounds.top : bounds.left;
  const int64_t hi_minor = (x_major ? bounds.bottom : bounds.right) - 1;
  // Steps whose major coordinate lies in the bounds.
  int64_t i_lo, i_hi;
  if (s_major > 0) { i_lo = lo_major - m0; i_hi = hi_major - m0; }
  else { i_lo = m0 - hi_major; i_hi = m0 - lo_major; }
  if (i_lo < 0) i_lo = 0;
  if (i_hi > d_major - 1) i_hi = d_major - 1;
  // Narrow further by the minor bounds (conservatively, one step of slack each side).
  if (d_minor != 0) {
    const long double slope = static_cast<long double>(d_major) / static_cast<long double>(d_minor);
    long double a = (static_cast<long double>(lo_minor - n0) - 1) * slope;
    long double b = (static_cast<long double>(hi_minor - n0) + 1) * slope;
    if (a > b) std::swap(a, b);
    if (a > static_cast<long double>(i_hi) || b < static_cast<long double>(i_lo)) return;
    if (a > static_cast<long double>(i_lo)) i_lo = std::max<int64_t>(0, static_cast<int64_t>(a) - 1);
    if (b < static_cast<long double>(i_hi)) i_hi = std::min<int64_t>(d_major - 1, static_cast<int64_t>(b) + 1);
  } else if (n0 < lo_minor || n0 > hi_minor) {
    return;
  }
  if (i_lo > i_hi) return;
  // minor(i) = n0 + ceil((2 i d_minor - d_major) / (2 d_major)); keep N = 2D*q - e, 0 <= e < 2D.
  const int64_t two_d = 2 * d_major;
  __int128 num = static_cast<__int128>(2) * i_lo * d_minor - d_major;
  __int128 q = num / two_d;
  if (q * two_d < num) ++q;  // ceil
  int64_t minor = n0 + static_cast<int64_t>(q);
  int64_t e = static_cast<int64_t>(q * two_d - num);
  const int64_t step = 2 * d_minor;
  int64_t major = m0 + s_major * i_lo;
  for (int64_t i = i_lo; i <= i_hi; ++i) {
    if (minor >= lo_minor && minor <= hi_minor) {
      if (x_major) visit(int32_t(major), int32_t(minor), i);
      else visit(int32_t(minor), int32_t(major), i);
    }
    major += s_major;
    e -= step;
    if (e < 0) { e += two_d; ++minor; }
    else if (e >= two_d) { e -= two_d; --minor; }
  }
}

// Spans of a polygon fill (see region_::polygon_), limited to rows y_lo..y_hi-1, appended
// unsorted but disjoint.
void polygon_spans_(const pixel_point_* points, const int32_t* counts, size_t polygons, fill_mode_ mode,
                    int32_t y_lo, int32_t y_hi, std::vector<pixel_span_>& out);

// Spans of the ellipse inscribed in the box (right and bottom excluded), for radii grown by
// grow pixels (negative shrinks). Rows limited to y_lo..y_hi-1.
void ellipse_spans_(const pixel_rect_& box, double grow, int32_t y_lo, int32_t y_hi,
                    std::vector<pixel_span_>& out);

// The points of a cubic Bezier from p[0] to p[3], flattened into a fixed number of chords
// that depends only on the control points; appends every point after p[0] (p[3] last).
void flatten_bezier_(const pixel_point_* p, std::vector<pixel_point_>& out);

// Dash pattern of cosmetic pens in pixels, alternating on and off; empty for solid lines.
struct dash_pattern_ {
  int32_t lengths[6] = {};
  int32_t count = 0;
  int32_t period = 0;
  bool on_at_(int64_t pos) const;  // whether pixel step pos (from the start) is drawn
};
dash_pattern_ dash_pattern_of_(pen_style_ style);

// Spans of a wide pen (width > 1) along the points: round caps and joins for solid pens,
// dashes of the style's pattern scaled by the width with flat ends otherwise. Limited to bounds.
void wide_stroke_spans_(const pixel_point_* points, size_t count, bool closed, int32_t width, pen_style_ style,
                        const pixel_rect_& bounds, std::vector<pixel_span_>& out);
