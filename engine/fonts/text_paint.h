// Painting stroke-font text as integer device points, one poly call per glyph.
#pragma once
#include <cstdint>
#include <string_view>

#include "engine/fonts/font_rec.h"

struct glyph_pixel_ {
  int32_t x = 0, y = 0;
};

// Drawing to pixels: (x * scale_x - offset_x, y * scale_y - offset_y), halves to even.
struct glyph_view_ {
  float offset_x = 0, offset_y = 0, scale_x = 1, scale_y = 1;
};

// Where glyphs go: the caller's device context with its own pen, brush and fill mode.
class glyph_surface_ {
 public:
  virtual ~glyph_surface_() = default;
  // Closed contours, outlined and filled.
  virtual void poly_polygon(const glyph_pixel_* points, const int32_t* counts, int32_t contours) = 0;
  // Open contours.
  virtual void poly_polyline(const glyph_pixel_* points, const int32_t* counts, int32_t contours) = 0;
};

inline constexpr int32_t glyph_max_points_ = 2048;
inline constexpr int32_t glyph_max_contours_ = 256;

// Paints the text (Windows-1250 bytes) with the font. Filled glyphs (fill_flag 1) become
// polygons, all others polylines. A glyph beyond the fixed buffers is painted in several calls
// of whole contours; a single contour too long for the buffer is left out, never cut into.
void paint_text_glyphs_(glyph_surface_& surface, const glyph_view_& view, const font_rec_& font,
                        std::string_view bytes, float x, float y, float height, float width_factor,
                        float angle);
