// The printer page renderer: one sheet of a page's grid, in paper millimetres.
#include <algorithm>
#include <cmath>

#include "engine/geometry/smooth.h"
#include "platform/gdiplus/image.h"
#include "printing/print_util.h"

bool print_finite_(const gp_point_& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

namespace {

constexpr uint32_t no_fill_brush = 0x80000000u;

struct layer_attr {
  int32_t draw = -1, fill = -1, style = 0, width = 1;
};

struct object_attr {
  int32_t draw = 0, fill = color_none_, style = 0, width = 1;
};

// Colours, style and width of a page object on paper; automatic and by-block print black.
object_attr resolve_for_paper(const object_rec_& o, const layer_attr& L, flag16_ colour_on, flag16_ style_on,
                              flag16_ width_on) {
  object_attr a;
  if (colour_on == true_) {
    int32_t d = o.draw_color == color_by_layer_ ? L.draw : o.draw_color;
    a.draw = d < 0 ? 0 : d;
    int32_t f = o.fill_color == color_by_layer_ ? L.fill : o.fill_color;
    a.fill = f == color_none_ ? color_none_ : (f < 0 ? 0 : f);
  } else {
    a.draw = 0;
    const int32_t f = o.fill_color == color_by_layer_ ? L.fill : o.fill_color;
    a.fill = f == color_none_ ? color_none_ : 0;
  }
  if (style_on == true_) {
    const int32_t s = o.line_style == color_by_layer_ ? L.style : o.line_style;
    a.style = s < 0 || s > 4 ? 0 : s;
  } else {
    a.style = 0;
  }
  if (width_on == true_) {
    const int32_t w = o.line_width == color_by_layer_ ? L.width : o.line_width;
    a.width = w < 0 ? 0 : w;
  } else {
    a.width = 1;
  }
  if (o.type == ot_point_) a.style = 0, a.width = 1;
  if (o.type == ot_text_) {
    a.fill = a.draw;
    if (a.width >= 2) a.style = 0;
  }
  return a;
}

// Style properties 4, 11, 25 and 24 of a dimension-like record, resolved for paper.
void dimension_colours(const dimstyle_rec_& s, int32_t own, int32_t layer_draw, int32_t out[4]) {
  auto line_like = [&](int32_t c) {
    if (c == color_by_layer_) return layer_draw;
    if (c == color_by_block_) return own;
    if (c == color_none_ || c == color_auto_) return int32_t(0);
    return c;
  };
  out[0] = line_like(s.dimline_color);
  out[1] = line_like(s.extline_color);
  out[2] = line_like(s.text_color);
  const int32_t b = s.text_back_color;
  out[3] = b == -5 || b == color_none_ || b == color_auto_ ? 0xFFFFFF
           : b == color_by_layer_                          ? layer_draw
           : b == color_by_block_                          ? own
                                                           : b;
}

template <class Rec>
const Rec* entry(const chunk_table_<Rec>& table, int32_t index) {
  return index >= 1 && size_t(index) < table.size() ? &table[size_t(index)] : nullptr;
}

// Page unit millimetres, y up from the sheet's lower-left corner.
void paper_transform(graphics_& g, float sheet_height) {
  g.reset_transform_();
  g.set_page_unit_(gp_unit_::millimetre_);
  g.translate_world_(0, sheet_height);
  g.scale_world_(1, -1);
}

}  // namespace

int32_t zaz_class_::print_width_id_(int32_t width, int32_t layer_width) const {
  const int32_t w = width == color_by_layer_ ? layer_width : width;
  return w < 0 ? 0 : w;
}

void zaz_class_::print_page_renderer_(graphics_& g, int32_t dpi, int32_t page, int32_t column, int32_t row) {
  printing.processed = 0;
  const page_rec_* pg = page_ptr_(page);
  if (!pg || !g.valid_()) {
    progress_refresh_(-1);
    return;
  }
  printing.page = page;
  float factor = unit_scale_factor_(pg->unit, pg->scale);
  if (!(factor >= 1e-9f)) factor = 1e-9f;
  const float k = f32_(1.0 / factor);
  print_map_ map;
  map.k = k;
  map.x0 = f32_(double(pg->posx) + double(pg->width) * (column - 1) / k);
  map.y0 = f32_(double(pg->posy) + double(pg->height) * (row - 1) / k);
  const float dev = f32_(double(std::max(dpi, 1)) / 25.4);
  const float sheet_h = page_height_(int16_t(page));

  g.set_smooth_images_(true);
  g.set_smoothing_(false);
  paper_transform(g, sheet_h);
  const pixel_rect_ clip{0, 0, cint32_(double(pg->width) * dev), cint32_(double(pg->height) * dev)};
  g.set_clip_rect_(clip);
  print_device_map_rec_ dmap{0, -sheet_h, dev, -dev};

  layer_attr L;
  const int32_t top_layer = std::max<int32_t>(0, int32_t(pg->layers.size()) - 1);
  const int32_t n = std::min<int32_t>(records_(), int32_t(store.live.objects.size()) - 1);
  const auto& live = store.live;
  for (int32_t rec = 1; rec <= n; ++rec) {
    const object_rec_& o = live.objects[size_t(rec)];
    bool print = o.deleted != true_ && o.page == page;
    if (print && o.layer >= 1 && o.layer <= top_layer) {
      const layer_rec_& l = pg->layers[o.layer];
      if (l.visible != true_) print = false;
      else L = {l.draw_color, l.fill_color, l.line_style, l.line_width};
    }
    if (print) {
      const object_attr a = resolve_for_paper(o, L, selection.attrib_color, selection.attrib_style,
                                              selection.attrib_width);
      const gp_pen_ pen{print_opaque_(a.draw), print_width_mm_(*this, a.width), print_dash_(a.style),
                        gp_join_::bevel_};
      const bool filled = a.fill >= 0;
      const uint32_t brush = filled ? print_opaque_(a.fill) : no_fill_brush;
      const int32_t layer_draw = L.draw < 0 ? 0 : L.draw;
      switch (o.type) {
        case ot_point_: case ot_line_: case ot_curve_: case ot_polyline_: case ot_polygon_:
        case ot_arc_: case ot_circle_: case ot_ellipse_:
          print_figure_(g, o, pen, brush, filled, map);
          break;
        case ot_hatch_:
          if (const hatch_rec_* h = entry(live.hatches, o.index)) {
            const int32_t d = o.draw_color == color_by_layer_ ? L.draw : o.draw_color;
            print_hatch_(g, map.x0, map.y0, map.k, dev, dmap, *h, d < 0 ? 0 : d, a.width);
            paper_transform(g, sheet_h);
            g.set_clip_rect_(clip);
          }
          break;
        case ot_text_:
          if (const text_rec_* t = entry(live.texts, o.index))
            print_stroke_text_(g, pen, brush, map.x0, map.y0, map.k, t->font, t->text, t->x, t->y, t->height,
                               t->width_factor, t->rotation);
          break;
        case ot_image_:
          if (const image_rec_* im = entry(live.images, o.index)) {
            image_ picture;
            if (picture.load_(im->path)) {
              const gp_point_ three[3] = {map(im->p0x, im->p0y), map(im->p1x, im->p1y), map(im->p2x, im->p2y)};
              g.draw_image_points_(picture, three);
            }
          }
          break;
        case ot_dimension_:
        case ot_angular_dim_:
        case ot_reference_: {
          const int32_t own = o.draw_color == color_by_layer_ ? layer_draw : (o.draw_color < 0 ? 0 : o.draw_color);
          int32_t c[4];
          // By-layer and by-block widths print as other objects' do.
          const int32_t w = print_width_id_(o.line_width, L.width);
          if (o.type == ot_dimension_) {
            if (const dimension_rec_* r = entry(live.dimensions, o.index); r && r->kind >= 0 && r->kind <= 2) {
              dimension_colours(r->style, own, layer_draw, c);
              print_dimension_(g, map.x0, map.y0, map.k, *r, c[0], c[1], c[2], c[3], w);
            }
          } else if (o.type == ot_angular_dim_) {
            if (const angular_dim_rec_* r = entry(live.angular_dims, o.index)) {
              dimension_colours(r->style, own, layer_draw, c);
              print_angular_dim_(g, map.x0, map.y0, map.k, *r, c[0], c[1], c[2], c[3], w);
            }
          } else if (const reference_rec_* r = entry(live.references, o.index)) {
            dimension_colours(r->style, own, layer_draw, c);
            print_reference_(g, map.x0, map.y0, map.k, *r, c[0], c[1], c[2], c[3], w);
          }
          break;
        }
        case ot_block_insert_:
          if (const block_insert_rec_* b = entry(live.block_inserts, o.index))
            print_block_insert_(g, map.x0, map.y0, map.k, b->block, o.layer, b->x, b->y, b->sx, b->sy, b->rotation,
                                o.draw_color, o.fill_color, o.line_style, o.line_width);
          break;
        default:
          break;
      }
    }
    ++printing.processed;
    if (printing.processed % 1000 == 0 || o.type == ot_hatch_) {
      printing.current = rec;
      printing.total = n;
      printing.percent = f32_(double(rec) / n * 100.0);
      progress_refresh_(cint32_(printing.percent));
      break_call_();
    }
  }
  progress_refresh_(-1);
}
