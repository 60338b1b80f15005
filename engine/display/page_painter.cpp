// The page painter: grid, objects in table order, markers, sheets, axes, selection, snap points.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/display/figure_paint.h"

namespace {

struct layer_values {
  int32_t draw = -1, fill = -1, style = 0, width = 1;
};

// The object's own codes resolved by the switches and the layer values, as the page shows them.
figure_attr_ resolve(const zaz_class_& e, const object_rec_& o, const layer_values& l, int32_t a) {
  figure_attr_ r;
  if (e.selection.attrib_color == true_) {
    int32_t d = o.draw_color == color_by_layer_ ? l.draw : o.draw_color;
    if (d == color_by_block_ || d < 0) d = a;
    r.draw = d;
    int32_t f = o.fill_color == color_by_layer_ ? l.fill : o.fill_color;
    if (f == color_by_block_ || f == color_auto_) f = a;
    if (f < 0 && f != color_none_) f = a;
    r.fill = f;
  } else {
    r.draw = a;
    const int32_t f = o.fill_color == color_by_layer_ ? l.fill : o.fill_color;
    r.fill = f == color_none_ ? color_none_ : a;
  }
  if (e.selection.attrib_style == true_) {
    const int32_t s = o.line_style == color_by_layer_ ? l.style : o.line_style;
    r.style = s < 0 || s > 4 ? 0 : s;
  }
  if (e.selection.attrib_width == true_) {
    const int32_t w = o.line_width == color_by_layer_ ? l.width : o.line_width;
    r.width = w < 0 ? 0 : w;
  }
  if (o.type == ot_point_) r.style = 0, r.width = 1;
  if (o.type == ot_text_) {
    r.fill = r.draw;
    if (r.width > 1) r.style = 0;
  }
  return r;
}

bool box_outside(const object_rec_& o, const view_area_rec_& v) {
  return (o.x1 < v.x1 && o.x2 < v.x1) || (o.x1 > v.x2 && o.x2 > v.x2) || (o.y1 < v.y1 && o.y2 < v.y1) ||
         (o.y1 > v.y2 && o.y2 > v.y2);
}

}  // namespace

void zaz_class_::paint_page_(flag16_ fast) {
  page_rec_* page = page_ptr_(pages.active);
  if (!page || !paint.dc) return;
  dc_& dc = *paint.dc;
  const view_rec_& vr = active_view_();
  const bool rebuild_snap = !is_set_(fast) && vr.snap_points == true_;
  const int32_t back = selection.backcolor;
  const int32_t automatic = contrast_color_(-1);
  const int32_t w = dc.target_().width_(), h = dc.target_().height_();
  const view_transform_rec_ v = view_transform_(w, h);
  const view_area_rec_ area = view_area_(w, h);
  paint.view = v;
  paint.area = area;
  const pixel_rect_ client{0, 0, w, h};
  const int32_t layer_count = static_cast<int32_t>(page->layers.size()) - 1;

  if (vr.grid_visible == true_)
    draw_grid_(engine_blend_color_(back, automatic, 0.15f), engine_blend_color_(back, automatic, 0.05f), v, w, h,
               area.x1, area.y1, area.x2, area.y2);

  layer_values lv;
  int32_t selected = 0;
  float sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;
  figure_call_ call;
  call.dc = &dc;
  call.view = v;
  call.client = client;
  call.fast = fast;
  call.automatic = automatic;
  call.background = back;
  const int32_t n = std::min<int32_t>(records_(), int32_t(store.live.objects.size()) - 1);
  for (int32_t i = 1; i <= n; ++i) {
    object_rec_& o = store.live.objects[i];
    if (o.deleted != 0 || o.page != pages.active) continue;
    const bool has_layer = o.layer >= 1 && o.layer <= layer_count;
    if (has_layer) {
      const layer_rec_& L = page->layers[o.layer];
      if (L.visible != true_) {
        o.selected = false_;
        continue;
      }
      if (L.editable != true_) o.selected = false_;
    }
    if (o.selected == true_) {
      if (selected++ == 0) sx1 = o.x1, sy1 = o.y1, sx2 = o.x2, sy2 = o.y2;
      sx1 = std::min(sx1, o.x1), sy1 = std::min(sy1, o.y1);
      sx2 = std::max(sx2, o.x2), sy2 = std::max(sy2, o.y2);
    }
    if (box_outside(o, area)) continue;
    if (has_layer) {
      const layer_rec_& L = page->layers[o.layer];
      lv = {L.draw_color, L.fill_color, L.line_style, L.line_width};
    }
    const figure_attr_ a = resolve(*this, o, lv, automatic);
    call.layer_draw = lv.draw < 0 ? automatic : lv.draw;
    if (o.type == ot_block_insert_) {
      const auto& t = store.live.block_inserts;
      if (o.index < 1 || size_t(o.index) >= t.size()) continue;
      const block_insert_rec_& b = t[o.index];
      paint.insert_view = v;
      paint.insert_view_rect = client;
      draw_block_insert_(dc, b.block, o.layer, b.x, b.y, b.sx, b.sy, b.rotation, o.draw_color, o.fill_color,
                         o.line_style, o.line_width, -1, false_, fast);
    } else if (o.type == ot_block_group_) {
      const auto& t = store.live.block_groups;
      if (o.index < 1 || size_t(o.index) >= t.size()) continue;
      const block_group_rec_& g = t[o.index];
      pixel_point_ q[5] = {map_px_(v, g.x1, g.y1), map_px_(v, g.x2, g.y1), map_px_(v, g.x2, g.y2),
                           map_px_(v, g.x1, g.y2), {}};
      q[4] = q[0];
      dc.select_pen_(pen_{pen_style_::dot_, 1, rgb_(255, 150, 0)});
      dc.polyline_(q, 5);
      dc.set_text_colour_(uint32_t(automatic));
      dc.text_out_(std::min(q[0].x, q[2].x) + 2, std::min(q[0].y, q[2].y) - 15, g.title);
    } else {
      paint_figure_(*this, call, i, a, placement_{});
    }
  }

  if (points_on_() == true_) draw_nodes_();

  if (page->show_border == true_) {
    const double f = unit_scale_factor_(page->unit, page->scale);
    float sw = f32_(page->width * f), sh = f32_(page->height * f);
    const int32_t edge = engine_blend_color_(back, rgb_(0, 150, 255), 0.99f);
    const int32_t label = engine_blend_color_(back, rgb_(0, 150, 255), 0.55f);
    const gp_pen_ pens[2] = {{gp_colour_(uint32_t(edge), 32), 7.f}, {gp_colour_(uint32_t(edge), 64), 1.f}};
    // Only sheets that reach the view are drawn (the wide pen's half width and the label's
    // height around them): a grid of up to 999 x 999 sheets stays as quick as what it shows.
    auto in_view = [&](pixel_point_ p0, pixel_point_ p1) {
      constexpr int32_t margin = 24;
      return std::max(p0.x, p1.x) >= -margin && std::min(p0.x, p1.x) <= w + margin &&
             std::max(p0.y, p1.y) >= -margin && std::min(p0.y, p1.y) <= h + margin;
    };
    int32_t columns = std::clamp(page->cx, 1, 999), rows = std::clamp(page->cy, 1, 999);
    // Sheets under two pixels would only fill the view with edges: show the grid's outline.
    const pixel_point_ s0 = map_px_(v, page->posx, page->posy), s1 = map_px_(v, f32_(page->posx + double(sw)),
                                                                             f32_(page->posy + double(sh)));
    if ((columns > 1 || rows > 1) && (std::abs(int64_t(s1.x) - s0.x) < 2 || std::abs(int64_t(s1.y) - s0.y) < 2)) {
      sw = f32_(double(sw) * columns), sh = f32_(double(sh) * rows);
      columns = rows = 1;
    }
    for (int32_t j = 1; j <= rows; ++j) {
      for (int32_t i = 1; i <= columns; ++i) {
        const float x0 = f32_(page->posx + double(sw) * (i - 1)), y0 = f32_(page->posy + double(sh) * (j - 1));
        const pixel_point_ p0 = map_px_(v, x0, y0);
        const pixel_point_ p1 = map_px_(v, f32_(double(x0) + sw), f32_(double(y0) + sh));
        if (!in_view(p0, p1)) continue;
        for (const gp_pen_& pen : pens) {
          if (!paint.gfx) break;
          paint.gfx->draw_line_(pen, p0.x, p1.y, p1.x, p1.y);
          paint.gfx->draw_line_(pen, p1.x, p0.y, p1.x, p1.y);
          if (i == 1) paint.gfx->draw_line_(pen, p0.x, p0.y, p0.x, p1.y);
          if (j == 1) paint.gfx->draw_line_(pen, p0.x, p0.y, p1.x, p0.y);
        }
        if (i == 1 && j == 1) {
          char text[96];
          std::snprintf(text, sizeof text, "%.2fmm x %.2fmm", double(page->width), double(page->height));
          pixel_rect_ r{p0.x, p0.y, p1.x, p0.y + 20};
          dc.set_text_colour_(uint32_t(label));
          dc.draw_text_(text, r, text_single_line_ | text_vcenter_ | text_right_);
        }
      }
    }
  }

  // The axes reach 100 pixels from the origin: an origin farther out of view shows nothing
  // (and its pixel position may sit at the integer limit).
  const pixel_point_ o = map_px_(v, 0, 0);
  const bool axes_in_view = o.x >= -110 && o.x <= w + 110 && o.y >= -110 && o.y <= h + 110;
  if (page->show_coords == true_ && paint.gfx && axes_in_view) {
    graphics_& g = *paint.gfx;
    g.set_smoothing_(true);
    const gp_pen_ pen{gp_colour_(rgb_(0, 0, 255), 128), 1.f};
    const uint32_t brush = gp_colour_(rgb_(0, 0, 255), 32);
    g.draw_line_(pen, o.x, o.y, o.x + 70, o.y);
    g.draw_line_(pen, o.x, o.y, o.x, o.y - 70);
    const pixel_point_ tx[3] = {{o.x + 100, o.y}, {o.x + 70, o.y - 10}, {o.x + 70, o.y + 10}};
    const pixel_point_ ty[3] = {{o.x, o.y - 100}, {o.x - 10, o.y - 70}, {o.x + 10, o.y - 70}};
    for (const pixel_point_* t : {tx, ty}) {
      g.fill_polygon_(brush, t, 3);
      g.draw_polygon_(pen, t, 3);
    }
    g.set_smoothing_(false);
  }

  if (selected > 0) {
    draw_selection_frame_(sx1, sy1, sx2, sy2);
    draw_grips_();
  } else {
    selection.handles.fill(handle_rect_{});
  }
  if (rebuild_snap) build_snap_cache_(area.x1, area.y1, area.x2, area.y2);
}
