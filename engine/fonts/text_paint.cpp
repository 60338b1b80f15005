#include "engine/fonts/text_paint.h"

#include "engine/fonts/text_layout.h"
#include "platform/core/types.h"

text_box_ measure_text_box_(const font_rec_& font, std::string_view bytes, float x, float y,
                            float height, float width_factor, float angle) {
  text_box_ box{x, y, x, y};
  if (bytes.empty()) return box;
  const text_placement_ place(font, x, y, height, width_factor, angle);
  bool first = true;
  layout_text_(font, bytes, width_factor, [&](const glyph_rec_& g, float px, float py) {
    for (const glyph_contour_rec_& c : g.contours)
      for (const glyph_point_rec_& p : c.points) {
        float X, Y;
        place.map(px, py, p.x, p.y, X, Y);
        if (first) {
          box = {X, Y, X, Y};
          first = false;
          continue;
        }
        if (X < box.x1) box.x1 = X;
        if (Y < box.y1) box.y1 = Y;
        if (X > box.x2) box.x2 = X;
        if (Y > box.y2) box.y2 = Y;
      }
  });
  return box;
}

namespace {

// Fills the buffers contour by contour and hands them over whole.
struct glyph_batch {
  glyph_buffers_& buf;
  int32_t point_total = 0;
  int32_t contour_total = 0;

  void flush(glyph_surface_& surface, bool filled) {
    if (contour_total > 0) {
      if (filled) surface.poly_polygon(buf.points, buf.counts, contour_total);
      else surface.poly_polyline(buf.points, buf.counts, contour_total);
    }
    point_total = 0;
    contour_total = 0;
  }
};

}  // namespace

void paint_text_glyphs_(glyph_surface_& surface, glyph_buffers_& buffers,
                        const view_transform_rec_& view, const font_rec_& font,
                        std::string_view bytes, float x, float y, float height, float width_factor,
                        float angle) {
  if (bytes.empty()) return;
  const text_placement_ place(font, x, y, height, width_factor, angle);
  glyph_batch batch{buffers};
  layout_text_(font, bytes, width_factor, [&](const glyph_rec_& g, float px, float py) {
    const bool filled = g.fill_flag == 1;
    for (const glyph_contour_rec_& c : g.contours) {
      const int32_t n = int32_t(c.points.size());
      if (n == 0 || n > glyph_max_points_) continue;
      if (batch.point_total + n > glyph_max_points_ || batch.contour_total == glyph_max_contours_)
        batch.flush(surface, filled);
      pixel_point_* out = batch.buf.points + batch.point_total;
      for (const glyph_point_rec_& p : c.points) {
        float X, Y;
        place.map(px, py, p.x, p.y, X, Y);
        out->x = cint32_(double(X) * view.scale_x - view.offset_x);
        out->y = cint32_(double(Y) * view.scale_y - view.offset_y);
        ++out;
      }
      batch.buf.counts[batch.contour_total++] = n;
      batch.point_total += n;
    }
    batch.flush(surface, filled);
  });
}
