// Painting stroke-font text as integer device points, one poly call per glyph.
#pragma once
#include <cstdint>
#include <string_view>

#include "engine/fonts/font_rec.h"
#include "engine/fonts/view_transform.h"
#include "platform/gdi/pixel_types.h"

// Where glyphs go: the caller's device context with its own pen, brush and fill mode.
class glyph_surface_ {
 public:
  virtual ~glyph_surface_() = default;
  // Closed contours, outlined and filled.
  virtual void poly_polygon(const pixel_point_* points, const int32_t* counts, int32_t contours) = 0;
  // Open contours.
  virtual void poly_polyline(const pixel_point_* points, const int32_t* counts, int32_t contours) = 0;
};

inline constexpr int32_t glyph_max_points_ = 2048;
inline constexpr int32_t glyph_max_contours_ = 256;

// The fixed point and count buffers one glyph is painted from, reused for every glyph.
struct glyph_buffers_ {
  pixel_point_ points[glyph_max_points_];
  int32_t counts[glyph_max_contours_];
};

// Paints the text (Windows-1250 bytes) with the font. Filled glyphs (fill_flag 1) become
// polygons, all others polylines. A glyph beyond the fixed buffers is painted in several calls
// of whole contours; a single contour too long for the buffer is left out, never cut into.
void paint_text_glyphs_(glyph_surface_& surface, glyph_buffers_& buffers,
                        const view_transform_rec_& view, const font_rec_& font,
                        std::string_view bytes, float x, float y, float height, float width_factor,
                        float angle);
