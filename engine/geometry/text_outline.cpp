// Texts turned into outline figures drawn with their stroke font.
#include "engine/geometry/edit_util.h"
#include "platform/core/codepage.h"

void zaz_class_::text_explode_(int32_t record) {
  if (!edit_::valid_record_(*this, record)) return;
  store.live.objects[record].selected = false_;
  const object_rec_ o = store.live.objects[record];
  const text_rec_* tp = edit_::entry_(store.live.texts, o.index);
  if (!tp) return;
  const text_rec_ t = *tp;
  // Without a font to draw the outlines the text stays as it is: deleting it would lose it.
  if (t.font < 1 || t.font > fonts.font_total || static_cast<size_t>(t.font) >= fonts.font_table.size())
    return;
  const font_rec_& font = fonts.font_table[static_cast<size_t>(t.font)];
  const double s = static_cast<double>(t.height) / font.height;
  if (!std::isfinite(s)) return;
  store.live.objects[record].deleted = true_;
  const std::string bytes = utf8_to_cp1250_(t.text);
  const glyph_rec_& x_glyph = font.glyphs[88];
  const double ca = std::cos(static_cast<double>(t.rotation)), sa = std::sin(static_cast<double>(t.rotation));
  float px = 0, py = 0;
  for (char ch : bytes) {
    const uint8_t c = static_cast<uint8_t>(ch);
    if (c == 10 || c == 13) {
      px = 0;
      py = f32_(py - 1.5 * x_glyph.box_height);
      continue;
    }
    if (c == 32) {
      px = f32_(px + static_cast<double>(t.width_factor) * x_glyph.box_width * 0.75);
      continue;
    }
    const glyph_rec_& g = font.glyphs[c];
    for (const glyph_contour_rec_& contour : g.contours) {
      vertex_clear_(false_);
      for (const glyph_point_rec_& p : contour.points) {
        const double u = (px + static_cast<double>(t.width_factor) * p.x) * s;
        const double v = (static_cast<double>(py) + p.y) * s;
        vertex_add_(f32_(t.x + u * ca - v * sa), f32_(t.y + u * sa + v * ca), 0, false_);
      }
      const int32_t id = g.fill_flag == 1
          ? add_polygon_(o.draw_color, color_none_, o.line_style, o.line_width, o.layer, 0)
          : add_polyline_(o.draw_color, o.line_style, o.line_width, o.layer, 0);
      if (id >= 1) {
        store.live.objects[id].page = o.page;
        store.live.objects[id].selected = true_;
      }
    }
    px = f32_(px + static_cast<double>(t.width_factor) * g.advance_x);
  }
}
