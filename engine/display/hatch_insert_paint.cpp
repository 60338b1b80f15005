// Hatch painter, block-insert painters and curves from mapped points.
#include <cmath>

#include "engine/display/figure_paint.h"
#include "engine/geometry/smooth.h"

void zaz_class_::draw_curve_(dc_& hdc, const pixel_point_* points, int32_t count, const gp_pen_* pen) {
  if (!points || count == 0) return;
  auto at = [&](int32_t i) { return points[i - 1]; };
  auto mid = [](pixel_point_ p, pixel_point_ q) {
    return pixel_point_{cint32_((double(p.x) + q.x) * 0.5), cint32_((double(p.y) + q.y) * 0.5)};
  };
  curve_segments_(count, at, mid, [&](pixel_point_ b0, pixel_point_ b1, pixel_point_ b2, pixel_point_ b3) {
    const pixel_point_ seg[4] = {b0, b1, b2, b3};
    if (pen && paint.gfx) paint.gfx->draw_beziers_(*pen, seg, 4);
    else hdc.poly_bezier_(seg, 4);
  });
}

void zaz_class_::draw_curve_f_(graphics_& g, float ox, float oy, float scale, const gp_point_* points,
                               int32_t count, const gp_pen_& pen) {
  if (!points || count == 0) return;
  auto at = [&](int32_t i) {
    const gp_point_ p = points[i - 1];
    return gp_point_{f32_((double(p.x) - ox) * scale), f32_((double(p.y) - oy) * scale)};
  };
  auto mid = [&](gp_point_ p, gp_point_ q) {
    // p and q are already mapped; the midpoint of mapped points is the mapped midpoint.
    return gp_point_{f32_((double(p.x) + q.x) * 0.5), f32_((double(p.y) + q.y) * 0.5)};
  };
  curve_segments_(count, at, mid, [&](gp_point_ b0, gp_point_ b1, gp_point_ b2, gp_point_ b3) {
    const gp_point_ seg[4] = {b0, b1, b2, b3};
    g.draw_beziers_(pen, seg, 4);
  });
}

void zaz_class_::draw_hatch_(dc_& hdc, const view_transform_rec_& v, hatch_rec_& h, int32_t draw, int32_t /*fill*/,
                             int32_t override_color, int32_t /*style*/, int32_t width) {
  if (override_color >= 0) draw = override_color;
  if (h.line_count < 1 || h.line_count > 999 || pages.active < 1) return;
  const int32_t w = hdc.target_().width_(), ht = hdc.target_().height_();
  if (w <= 0 || ht <= 0 || v.scale_x == 0.f || v.scale_y == 0.f) return;
  const size_t tiles = std::min(h.tile_x.size(), h.tile_y.size());
  // Window of this mapping in drawing units.
  const double ax = double(v.offset_x) / v.scale_x, bx = (double(w) + v.offset_x) / v.scale_x;
  const double ay = double(v.offset_y) / v.scale_y, by = (double(ht) + v.offset_y) / v.scale_y;
  const float wx1 = f32_(std::min(ax, bx)), wx2 = f32_(std::max(ax, bx));
  const float wy1 = f32_(std::min(ay, by)), wy2 = f32_(std::max(ay, by));
  const int64_t have = int64_t(std::min(h.x.size(), h.y.size())) - 1;
  const int64_t nb = std::max<int64_t>(0, std::min<int64_t>(h.count, have));
  pixel_point_* b = point_buffer_(size_t(nb) + 1);
  for (int64_t i = 0; i < nb; ++i) b[i] = map_px_(v, h.x[i + 1], h.y[i + 1]);
  h.lines.resize(size_t(h.line_count) + 1);
  // The clip of the caller is put back afterwards, whatever it was.
  const int32_t level = hdc.save_();
  hdc.select_pen_(pen_{pen_style_::solid_, std::max(1, width), uint32_t(draw)});
  std::vector<pixel_point_> device(b, b + nb);
  const pixel_point_ org = hdc.origin_();
  for (pixel_point_& p : device) p.x += org.x, p.y += org.y;
  const region_ boundary = region_::polygon_(device.data(), device.size(), fill_mode_::alternate_);
  hdc.set_clip_(hdc.clip_().intersect_(boundary));
  for (size_t i = 1; i < tiles; ++i) {
    for (int32_t j = 1; j <= h.line_count; ++j) {
      const hatch_segment_rec_& s = h.lines[j];
      const float x1 = f32_(double(h.tile_x[i]) + s.x1), y1 = f32_(double(h.tile_y[i]) + s.y1);
      const float x2 = f32_(double(h.tile_x[i]) + s.x2), y2 = f32_(double(h.tile_y[i]) + s.y2);
      if ((x1 < wx1 && x2 < wx1) || (x1 > wx2 && x2 > wx2) || (y1 < wy1 && y2 < wy1) || (y1 > wy2 && y2 > wy2))
        continue;
      const pixel_point_ p = map_px_(v, x1, y1), q = map_px_(v, x2, y2);
      hdc.move_to_(p.x, p.y);
      hdc.line_to_(q.x, q.y);
    }
  }
  hdc.restore_(level);
}

namespace {

struct insert_layer {
  int32_t draw, fill, style, width;
};

}  // namespace

void zaz_class_::draw_block_insert_(dc_& hdc, int32_t block_id, int32_t layer, float x, float y, float sx, float sy,
                                    float rot, int32_t draw, int32_t fill, int32_t style, int32_t width,
                                    int32_t override_color, flag16_ override_flag, flag16_ fast) {
  if (block_id < 1 || block_id > library.block_count()) return;
  const block_def_rec_& def = library.blocks[block_id];
  const int32_t a = contrast_color_(-1);
  insert_layer L{a, a, 0, 1};
  if (const page_rec_* page = page_ptr_(pages.active); page && layer >= 1 && layer < int32_t(page->layers.size())) {
    const layer_rec_& l = page->layers[layer];
    L = {l.draw_color < 0 ? a : l.draw_color, l.fill_color == color_none_ ? color_none_ : (l.fill_color < 0 ? a : l.fill_color),
         l.line_style, l.line_width};
  }
  // The insert's own codes resolved as the page resolves an object's.
  auto colour = [&](int32_t c, int32_t by_layer) {
    if (c == color_by_layer_) return by_layer;
    if (c == color_none_) return int32_t(color_none_);
    return c < 0 ? a : c;
  };
  const int32_t ins_draw = colour(draw, L.draw) == color_none_ ? a : colour(draw, L.draw);
  const int32_t ins_fill = colour(fill, L.fill);
  const int32_t ins_style = style == color_by_layer_ ? L.style : (style < 0 ? 0 : style);
  const int32_t ins_width = width == color_by_layer_ ? L.width : (width < 0 ? 0 : width);
  const bool override_mode = override_flag == true_ && override_color >= 0;

  figure_call_ call;
  call.dc = &hdc;
  call.view = paint.insert_view;
  call.client = paint.insert_view_rect;
  call.mode = figure_mode_::member_;
  call.override_color = override_mode ? override_color : -1;
  call.fast = fast;
  call.automatic = a;
  call.layer_draw = L.draw;
  call.background = selection.backcolor;
  placement_ pl{x, y, sx, sy, rot, false};
  const int32_t records = std::min<int32_t>(records_(), int32_t(store.live.objects.size()) - 1);
  for (int32_t m = 1; m <= def.member_count(); ++m) {
    const int32_t rec = def.members[m];
    if (rec < 1 || rec > records) continue;
    const object_rec_& o = store.live.objects[rec];
    figure_attr_ at;
    if (selection.attrib_color == true_) {
      const int32_t d = o.draw_color == color_by_layer_ ? L.draw : o.draw_color == color_by_block_ ? ins_draw : o.draw_color;
      at.draw = d < 0 ? a : d;
      int32_t f = o.fill_color == color_by_layer_ ? L.fill : o.fill_color == color_by_block_ ? ins_fill : o.fill_color;
      if (f == color_auto_ || (f < 0 && f != color_none_)) f = a;
      at.fill = f;
    } else {
      at.draw = a;
      int32_t f = o.fill_color == color_by_layer_ ? L.fill : o.fill_color == color_by_block_ ? ins_fill : o.fill_color;
      at.fill = f == color_none_ ? color_none_ : a;
    }
    at.style = 0;
    at.width = 1;
    if (selection.attrib_style == true_) {
      const int32_t s = o.line_style == color_by_layer_ ? L.style : o.line_style == color_by_block_ ? ins_style : o.line_style;
      at.style = s < 0 || s > 4 ? 0 : s;
    }
    if (selection.attrib_width == true_) {
      const int32_t w = o.line_width == color_by_layer_ ? L.width : o.line_width == color_by_block_ ? ins_width : o.line_width;
      at.width = w < 0 ? 0 : w;
    }
    if (o.type == ot_point_) at.style = 0, at.width = 1;
    if (o.type == ot_text_) {
      at.fill = at.draw;
      if (at.width >= 2) at.style = 0;
    }
    paint_figure_(*this, call, rec, at, pl);
  }
}

void zaz_class_::draw_block_outline_(dc_& hdc, int32_t block_id, float x, float y, float sx, float sy, float rot) {
  if (block_id < 1 || block_id > library.block_count()) return;
  const block_def_rec_& def = library.blocks[block_id];
  hdc.select_pen_(pen_{pen_style_::solid_, 1, 0});
  hdc.select_brush_(null_brush_);
  figure_call_ call;
  call.dc = &hdc;
  call.view = paint.insert_view;
  call.client = paint.insert_view_rect;
  call.mode = figure_mode_::outline_;
  call.automatic = 0;
  placement_ pl{x, y, sx, sy, rot, false};
  const figure_attr_ black{0, color_none_, 0, 1};
  for (int32_t m = 1; m <= def.member_count(); ++m) paint_figure_(*this, call, def.members[m], black, pl);
}
