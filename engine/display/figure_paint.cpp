// One object record by kind into a device context, with the pen rules of the page.
#include "engine/display/figure_paint.h"

#include <cmath>

namespace {

constexpr float two_pi_f = 6.2831855f;

template <class T>
const T* entry_at(const chunk_table_<T>& table, int32_t index) {
  return index >= 1 && static_cast<size_t>(index) < table.size() ? &table[index] : nullptr;
}

gp_dash_ dash_of(int32_t style) {
  switch (style) {
    case 1: return gp_dash_::dash_;
    case 2: return gp_dash_::dot_;
    case 3: return gp_dash_::dash_dot_;
    case 4: return gp_dash_::dash_dot_dot_;
    default: return gp_dash_::solid_;
  }
}

pen_style_ pen_style_of(int32_t style) {
  return style >= 0 && style <= 4 ? static_cast<pen_style_>(style) : pen_style_::solid_;
}

// A lists of point coordinates may be shorter than its count in a damaged record.
int32_t usable_points(const std::vector<float>& x, const std::vector<float>& y, int32_t count) {
  const int64_t n = std::llabs(int64_t(count));
  const int64_t have = static_cast<int64_t>(std::min(x.size(), y.size())) - 1;
  return static_cast<int32_t>(std::max<int64_t>(0, std::min(n, have)));
}

class figure_painter {
 public:
  figure_painter(zaz_class_& e, const figure_call_& c, const placement_& pl)
      : e_(e), c_(c), pl_(pl), dcx_(*c.dc) {}

  void place(float& x, float& y) {
    if (pl_.identity) return;
    float rx = 0, ry = 0;
    e_.calc_rotate_00_rad_(pl_.rot, f32_(double(x) * pl_.sx), f32_(double(y) * pl_.sy), rx, ry);
    x = f32_(double(rx) + pl_.x);
    y = f32_(double(ry) + pl_.y);
  }
  pixel_point_ px(float x, float y) {
    place(x, y);
    return zaz_class_::map_px_(c_.view, x, y);
  }
  gp_point_ px_f(float x, float y) {
    place(x, y);
    return {f32_(double(x) * c_.view.scale_x - c_.view.offset_x),
            f32_(double(y) * c_.view.scale_y - c_.view.offset_y)};
  }

  // Pen and brush for attributes a; sets gp_ when the line needs antialiased dashes.
  void select(const figure_attr_& a) {
    use_gp_ = false;
    if (c_.mode == figure_mode_::outline_) return;
    if (c_.override_color >= 0) {
      dcx_.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(c_.override_color)});
      dcx_.select_brush_(a.fill == color_none_ ? null_brush_
                                              : brush_{brush_style_::solid_, uint32_t(c_.override_color)});
      return;
    }
    if (a.width >= 2 && a.style >= 1 && e_.paint.gfx && c_.mode != figure_mode_::thumbnail_) {
      use_gp_ = true;
      gpen_ = {gp_colour_(uint32_t(a.draw)), float(a.width), dash_of(a.style), gp_join_::bevel_};
      dcx_.select_pen_(null_pen_);
    } else {
      dcx_.select_pen_(pen_{pen_style_of(a.style), std::max(1, a.width), uint32_t(a.draw)});
    }
    dcx_.select_brush_(a.fill == color_none_ ? null_brush_ : brush_{brush_style_::solid_, uint32_t(a.fill)});
  }

  void lines(const pixel_point_* p, size_t n) {
    if (use_gp_) e_.paint.gfx->draw_lines_(gpen_, p, n);
    else dcx_.polyline_(p, n);
  }
  void polygon(const pixel_point_* p, size_t n) {
    dcx_.polygon_(p, n);
    if (use_gp_) e_.paint.gfx->draw_polygon_(gpen_, p, n);
  }

  // Points of a conic from a1 to a2 (closed figures over the full turn), placed and mapped.
  size_t conic(const arc_rec_& r, bool arc, float step) {
    const float a1 = arc ? r.a1 : 0.f, a2 = arc ? r.a2 : two_pi_f;
    size_t n = 0;
    auto add = [&](float t) {
      float x = 0, y = 0;
      e_.calc_rotate_00_deg_(r.rotation, f32_(std::cos(double(t)) * r.rx), f32_(std::sin(double(t)) * r.ry),
                             x, y);
      e_.point_buffer_(n + 2)[n] = px(f32_(double(x) + r.cx), f32_(double(y) + r.cy));
      ++n;
    };
    if (std::isfinite(a1) && std::isfinite(a2) && a2 - a1 < 1000.f)
      // A counter that no longer grows (angles far from zero) ends the samples.
      for (float t = a1; t <= a2;) {
        add(t);
        const float next = f32_(double(t) + step);
        if (!(next > t)) break;
        t = next;
      }
    if (arc) add(a2);
    return n;
  }

  bool paint(int32_t record, const figure_attr_& a);

 private:
  void poly_points(const std::vector<float>& x, const std::vector<float>& y, int32_t count, size_t& n) {
    n = size_t(usable_points(x, y, count));
    pixel_point_* b = e_.point_buffer_(n + 1);
    for (size_t i = 0; i < n; ++i) b[i] = px(x[i + 1], y[i + 1]);
  }
  void image(const image_rec_& r);
  void dimension_like(int32_t type, int32_t index, const figure_attr_& a);

  zaz_class_& e_;
  const figure_call_& c_;
  const placement_& pl_;
  dc_& dcx_;
  bool use_gp_ = false;
  gp_pen_ gpen_{};
};

void figure_painter::image(const image_rec_& r) {
  pixel_point_ q[5] = {px(r.p0x, r.p0y), px(r.p1x, r.p1y), {}, px(r.p2x, r.p2y), {}};
  q[2] = {q[1].x + q[3].x - q[0].x, q[1].y + q[3].y - q[0].y};
  q[4] = q[0];
  if (c_.override_color >= 0 && c_.mode != figure_mode_::outline_) {
    const pixel_point_ quad[4] = {q[0], q[1], q[2], q[3]};
    dcx_.polygon_(quad, 4);
    return;
  }
  if (c_.mode == figure_mode_::outline_) {
    dcx_.polyline_(q, 5);
    return;
  }
  if (is_set_(c_.fast) || !e_.paint.gfx || c_.mode == figure_mode_::thumbnail_) {
    dcx_.select_pen_(pen_{pen_style_::solid_, 1, rgb_(128, 128, 128)});
    dcx_.polyline_(q, 5);
    return;
  }
  image_ img;
  if (!img.load_(r.path)) return;
  const gp_point_ three[3] = {px_f(r.p0x, r.p0y), px_f(r.p1x, r.p1y), px_f(r.p2x, r.p2y)};
  e_.paint.gfx->draw_image_points_(img, three);
}

void figure_painter::dimension_like(int32_t type, int32_t index, const figure_attr_& a) {
  const object_tables_& t = e_.store.live;
  const bool plain = c_.override_color >= 0 || c_.mode == figure_mode_::outline_;
  const int32_t ov = c_.mode == figure_mode_::outline_ ? 0 : c_.override_color;
  int32_t col[4] = {0, 0, 0, -1};
  auto colours = [&](const dimstyle_rec_& s) {
    if (!plain) dimension_colours_(s, a.draw, c_.layer_draw, c_.automatic, c_.background, col);
  };
  auto place_parts = [&](auto& r, bool scale_heights) {
    const double k = double(pl_.sx) * pl_.sy;
    for (auto& p : r.parts) {
      place(p.x, p.y);
      if (scale_heights && k > 0) p.height = f32_(p.height * std::sqrt(k));
    }
    for (auto& b : r.text_box) place(b.x, b.y);
  };
  if (type == ot_dimension_) {
    const dimension_rec_* r = entry_at(t.dimensions, index);
    if (!r) return;
    if (c_.mode == figure_mode_::page_ && (r->kind < 0 || r->kind > 2)) return;
    colours(r->style);
    if (pl_.identity) {
      e_.draw_dimension_(dcx_, c_.view, *r, col[0], col[1], col[2], col[3], ov,
                         plain || c_.mode != figure_mode_::page_ ? 1 : a.width);
      return;
    }
    dimension_rec_ d = *r;
    place(d.x1, d.y1), place(d.x2, d.y2), place(d.x3, d.y3), place(d.x4, d.y4);
    place_parts(d, true);
    d.text_angle = e_.calc_angle_(d.x3, d.y3, d.x4, d.y4, false_, 0);
    e_.draw_dimension_(dcx_, c_.view, d, col[0], col[1], col[2], col[3], ov, 1);
  } else if (type == ot_angular_dim_) {
    const angular_dim_rec_* r = entry_at(t.angular_dims, index);
    if (!r) return;
    colours(r->style);
    if (pl_.identity) {
      e_.draw_angular_dim_(dcx_, c_.view, *r, col[0], col[1], col[2], col[3], ov);
      return;
    }
    // Placed like the other members: the vertex moves with the insert, the radii scale and
    // the rotation adds; a mirrored insert also mirrors the angles.
    angular_dim_rec_ d = *r;
    place(d.cx, d.cy);
    d.rx = f32_(std::fabs(double(d.rx) * pl_.sx));
    d.ry = f32_(std::fabs(double(d.ry) * pl_.sy));
    d.rotation = f32_(d.rotation + double(pl_.rot) * 180.0 / 3.1415927f);
    if ((pl_.sx < 0) != (pl_.sy < 0)) {
      const float a1 = d.a1;
      d.a1 = f32_(-double(d.a2));
      d.a2 = f32_(-double(a1));
      if (pl_.sx < 0) d.rotation = f32_(d.rotation + 180.0);
    } else if (pl_.sx < 0) {
      d.rotation = f32_(d.rotation + 180.0);
    }
    place_parts(d, true);
    d.text_angle = f32_(d.text_angle + double(pl_.rot));
    e_.draw_angular_dim_(dcx_, c_.view, d, col[0], col[1], col[2], col[3], ov);
  } else {
    const reference_rec_* r = entry_at(t.references, index);
    if (!r) return;
    colours(r->style);
    if (pl_.identity) {
      e_.draw_reference_(dcx_, c_.view, *r, col[0], col[1], col[2], col[3], ov);
      return;
    }
    reference_rec_ d = *r;
    const int32_t n = usable_points(d.x, d.y, d.count);
    for (int32_t i = 1; i <= n; ++i) place(d.x[i], d.y[i]);
    place_parts(d, false);
    e_.draw_reference_(dcx_, c_.view, d, col[0], col[1], col[2], col[3], ov);
  }
}

bool figure_painter::paint(int32_t record, const figure_attr_& a) {
  if (record < 1 || record > e_.records_() || size_t(record) >= e_.store.live.objects.size()) return false;
  const object_rec_& o = e_.object_(record);
  const object_tables_& t = e_.store.live;
  const bool outline = c_.mode == figure_mode_::outline_;
  const bool thumb = c_.mode == figure_mode_::thumbnail_;
  size_t n = 0;
  switch (o.type) {
    case ot_point_: {
      const point_rec_* r = entry_at(t.points, o.index);
      if (!r) return false;
      select(a);
      const pixel_point_ p = px(r->x, r->y);
      const bool own_size = c_.mode == figure_mode_::page_ || thumb;
      const int32_t s = own_size && r->p_type == 1 ? r->p_size : 5;
      const pixel_point_ ends[4] = {{p.x + s, p.y}, {p.x - s, p.y}, {p.x, p.y + s}, {p.x, p.y - s}};
      for (const pixel_point_& q : ends) {
        dcx_.move_to_(p.x, p.y);
        dcx_.line_to_(q.x, q.y);
      }
      return true;
    }
    case ot_line_: {
      const line_rec_* r = entry_at(t.lines, o.index);
      if (!r) return false;
      select(a);
      const pixel_point_ p[2] = {px(r->x1, r->y1), px(r->x2, r->y2)};
      if (c_.mode == figure_mode_::page_ && p[0] == p[1]) {
        dcx_.set_pixel_(p[0].x, p[0].y, uint32_t(c_.override_color >= 0 ? c_.override_color : a.draw));
      } else {
        lines(p, 2);
      }
      return true;
    }
    case ot_curve_:
    case ot_polyline_:
    case ot_polygon_: {
      const auto& table = o.type == ot_curve_ ? t.curves : o.type == ot_polyline_ ? t.polylines : t.polygons;
      const polyline_rec_* r = entry_at(table, o.index);
      if (!r) return false;
      select(a);
      poly_points(r->x, r->y, r->count, n);
      const pixel_point_* b = e_.paint.points.data();
      if (n == 0) return true;
      if (o.type == ot_curve_) {
        const int32_t signed_n = r->count < 0 ? -int32_t(n) : int32_t(n);
        e_.draw_curve_(dcx_, b, signed_n, use_gp_ ? &gpen_ : nullptr);
      } else if (o.type == ot_polyline_) {
        lines(b, n);
      } else {
        polygon(b, n);
      }
      return true;
    }
    case ot_arc_:
    case ot_circle_:
    case ot_ellipse_: {
      const auto& table = o.type == ot_arc_ ? t.arcs : o.type == ot_circle_ ? t.circles : t.ellipses;
      const arc_rec_* r = entry_at(table, o.index);
      if (!r) return false;
      select(a);
      float step = 0.1f;
      const double small = (double(c_.client.right) + c_.client.bottom) * 0.25;
      if (small > f32_((double(r->rx) + r->ry) * c_.view.scale_x)) step = 0.2f;
      if (c_.mode == figure_mode_::member_ && o.type == ot_ellipse_) step = 0.1f;
      if (c_.mode == figure_mode_::thumbnail_) step = o.type == ot_ellipse_ ? 0.1f : 0.2f;
      n = conic(*r, o.type == ot_arc_, step);
      pixel_point_* b = e_.paint.points.data();
      if (o.type == ot_arc_ && (outline || thumb || a.fill == color_none_)) {
        lines(b, n);
      } else {
        if (o.type == ot_arc_) b[n++] = px(r->cx, r->cy);
        polygon(b, n);
      }
      return true;
    }
    case ot_hatch_: {
      const hatch_rec_* r = entry_at(t.hatches, o.index);
      if (!r) return false;
      hatch_rec_ h = *r;
      const int32_t nb = usable_points(h.x, h.y, h.count);
      for (int32_t i = 1; i <= nb; ++i) place(h.x[i], h.y[i]);
      const size_t tiles = std::min(h.tile_x.size(), h.tile_y.size());
      for (size_t i = 1; i < tiles; ++i) place(h.tile_x[i], h.tile_y[i]);
      if (!pl_.identity) {
        // Pattern segments are offsets from a tile origin: scaled and turned, not moved.
        placement_ turn = pl_;
        turn.x = turn.y = 0;
        figure_painter f(e_, c_, turn);
        for (size_t j = 1; j < h.lines.size(); ++j) {
          f.place(h.lines[j].x1, h.lines[j].y1);
          f.place(h.lines[j].x2, h.lines[j].y2);
        }
      }
      if (outline) e_.draw_hatch_(dcx_, c_.view, h, 0, 0, 0, 0, 1);
      else e_.draw_hatch_(dcx_, c_.view, h, a.draw, a.fill, c_.override_color, a.style,
                          c_.override_color >= 0 ? 1 : a.width);
      return true;
    }
    case ot_text_: {
      const text_rec_* r = entry_at(t.texts, o.index);
      if (!r) return false;
      select(a);
      float x = r->x, y = r->y;
      place(x, y);
      const float rot = pl_.identity ? r->rotation : f32_(double(r->rotation) + pl_.rot);
      e_.draw_text_glyphs_(dcx_, c_.view, r->font, r->text, x, y, r->height, r->width_factor, rot);
      return true;
    }
    case ot_image_: {
      const image_rec_* r = entry_at(t.images, o.index);
      if (!r) return false;
      select(a);
      image(*r);
      return true;
    }
    case ot_dimension_:
    case ot_angular_dim_:
    case ot_reference_:
      dimension_like(o.type, o.index, a);
      return true;
    default:
      return false;  // inserts and groups inside blocks draw nothing; the page paints them itself
  }
}

}  // namespace

bool paint_figure_(zaz_class_& e, const figure_call_& call, int32_t record, const figure_attr_& a,
                   const placement_& pl) {
  if (!call.dc) return false;
  figure_painter f(e, call, pl);
  return f.paint(record, a);
}

void dimension_colours_(const dimstyle_rec_& s, int32_t own_draw, int32_t layer_draw, int32_t automatic,
                        int32_t background, int32_t out[4]) {
  int32_t c = own_draw == color_by_layer_ ? layer_draw : own_draw;
  if (c < 0) c = automatic;
  const int32_t props[4] = {s.dimline_color, s.extline_color, s.text_color, s.text_back_color};
  for (int i = 0; i < 4; ++i) {
    int32_t v = props[i];
    if (v == color_by_layer_) v = layer_draw < 0 ? automatic : layer_draw;
    else if (v == color_by_block_) v = c;
    else if (v == color_none_ || v == color_auto_) v = automatic;
    else if (i == 3 && v == color_background_) v = background;
    // A text background of none leaves the box unfilled rather than filling it with the
    // automatic colour, which would hide texts of that colour.
    if (i == 3 && props[i] == color_none_) v = -1;
    out[i] = v;
  }
}
