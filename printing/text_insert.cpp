// Printed stroke texts and block inserts.
#include <cmath>

#include "engine/geometry/smooth.h"
#include "platform/core/codepage.h"
#include "printing/print_util.h"

void zaz_class_::print_stroke_text_(graphics_& g, const gp_pen_& pen, uint32_t brush, float x0, float y0, float k,
                                    int32_t font_id, const std::string& text, float x, float y, float height,
                                    float width_factor, float rotation) {
  const font_rec_* font = font_at_(fonts, font_id);
  const std::string bytes = utf8_to_cp1250_(text);
  if (!font || bytes.empty() || !(font->height != 0) || !std::isfinite(font->height)) return;
  const double c = std::cos(-double(rotation)), s = std::sin(-double(rotation));
  const double kf = double(height) / font->height;
  const double wf = width_factor;
  const glyph_rec_& measure = font->glyphs[88];
  const print_map_ map{x0, y0, k};
  double px = 0, py = 0;
  std::vector<gp_point_> pts;
  for (unsigned char b : bytes) {
    if (b == 13 || b == 10) {
      px = 0;
      py -= 1.5 * measure.box_height;
      continue;
    }
    if (b == 32) {
      px += wf * 0.75 * measure.box_width;
      continue;
    }
    const glyph_rec_& glyph = font->glyphs[b];
    const bool filled = glyph.fill_flag == 1;
    gp_path_ path;
    for (const glyph_contour_rec_& contour : glyph.contours) {
      pts.clear();
      for (const glyph_point_rec_& gpnt : contour.points) {
        const double u = (px + wf * gpnt.x) * kf, v = (py + gpnt.y) * kf;
        const double ur = u * c + v * s, vr = v * c - u * s;
        pts.push_back(map(f32_(ur + x), f32_(vr + y)));
      }
      if (pts.empty()) continue;
      if (filled) path.add_polygon_(pts.data(), pts.size());
      else if (pts.size() >= 2) g.draw_lines_(pen, pts.data(), pts.size());
    }
    if (filled) g.fill_path_(brush, path, fill_mode_::alternate_);
    px += wf * glyph.advance_x;
  }
}

namespace {


template <class Rec>
const Rec* entry(const chunk_table_<Rec>& table, int32_t index) {
  return index >= 1 && size_t(index) < table.size() ? &table[size_t(index)] : nullptr;
}

}  // namespace

void zaz_class_::print_block_insert_(graphics_& g, float x0, float y0, float k, int32_t block_id, int32_t layer,
                                     float x, float y, float sx, float sy, float rotation, int32_t draw,
                                     int32_t fill, int32_t style, int32_t width) {
  if (block_id < 1 || block_id > library.block_count()) return;
  const block_def_rec_& def = library.blocks[size_t(block_id)];
  // The insert's layer; its automatic colours print black, a fill of none stays none.
  int32_t Ld = 0, Lf = color_none_, Ls = 0, Lw = 1;  // no layer: black lines, no fills
  if (const page_rec_* pg = page_ptr_(printing.page); pg && layer >= 1 && layer < int32_t(pg->layers.size())) {
    const layer_rec_& l = pg->layers[size_t(layer)];
    Ld = l.draw_color < 0 ? 0 : l.draw_color;
    Lf = l.fill_color == color_none_ ? color_none_ : (l.fill_color < 0 ? 0 : l.fill_color);
    Ls = l.line_style, Lw = l.line_width;
  }
  // The insert's own codes resolved as a page object's, so that by-block members never
  // meet a special code.
  const int32_t ins_draw = draw == color_by_layer_ ? Ld : (draw < 0 ? 0 : draw);
  const int32_t ins_fill =
      fill == color_by_layer_ ? Lf : (fill == color_none_ ? color_none_ : (fill < 0 ? 0 : fill));
  const int32_t ins_style = style == color_by_layer_ ? Ls : (style < 0 ? 0 : style);
  const int32_t ins_width = width == color_by_layer_ ? Lw : (width < 0 ? 0 : width);
  const print_map_ map{x0, y0, k};
  auto place = [&](float px, float py) {
    float rx = 0, ry = 0;
    calc_rotate_00_rad_(rotation, f32_(double(px) * sx), f32_(double(py) * sy), rx, ry);
    return gp_point_{f32_(double(rx) + x), f32_(double(ry) + y)};
  };
  auto to_paper = [&](float px, float py) {
    const gp_point_ d = place(px, py);
    return map(d.x, d.y);
  };
  const auto& live = store.live;
  const int32_t records = std::min<int32_t>(records_(), int32_t(live.objects.size()) - 1);
  for (int32_t m = 1; m <= def.member_count(); ++m) {
    const int32_t rec = def.members[size_t(m)];
    if (rec < 1 || rec > records) continue;
    const object_rec_& o = live.objects[size_t(rec)];
    int32_t d = 0, f = 0, st = 0, w = 1;
    auto by = [](int32_t code, int32_t by_layer, int32_t by_block) {
      return code == color_by_layer_ ? by_layer : code == color_by_block_ ? by_block : code;
    };
    if (selection.attrib_color == true_) {
      d = by(o.draw_color, Ld, ins_draw);
      d = d < 0 ? 0 : d;
      f = by(o.fill_color, Lf, ins_fill);
      if (f < 0 && f != color_none_) f = 0;
    } else {
      d = 0;
      f = by(o.fill_color, Lf, ins_fill) == color_none_ ? color_none_ : 0;
    }
    if (selection.attrib_style == true_) {
      st = by(o.line_style, Ls, ins_style);
      if (st < 0 || st > 4) st = 0;
    }
    if (selection.attrib_width == true_) {
      w = by(o.line_width, Lw, ins_width);
      if (w < 0) w = 0;
    }
    if (o.type == ot_point_) st = 0, w = 1;
    if (o.type == ot_text_) {
      f = d;
      if (w >= 2) st = 0;
    }
    const gp_pen_ pen{print_opaque_(d), print_width_mm_(*this, w), print_dash_(st), gp_join_::bevel_};
    const uint32_t brush = f >= 0 ? print_opaque_(f) : 0x80000000u;
    const bool filled = f >= 0 && o.fill_color != color_none_;
    switch (o.type) {
      case ot_point_: case ot_line_: case ot_curve_: case ot_polyline_: case ot_polygon_:
      case ot_arc_: case ot_circle_: case ot_ellipse_:
        print_figure_(g, o, pen, brush, filled, to_paper);
        break;
      case ot_text_:
        if (const text_rec_* t = entry(live.texts, o.index)) {
          const gp_point_ at = place(t->x, t->y);
          print_stroke_text_(g, pen, brush, x0, y0, k, t->font, t->text, at.x, at.y, t->height, t->width_factor,
                             f32_(double(t->rotation) + rotation));
        }
        break;
      default:
        break;
    }
  }
}
