// Grid under the objects; node markers, grips and the selection frame over them.
#include <cmath>

#include "engine/display/figure_paint.h"

namespace {

constexpr float pi_f = 3.1415927f;

// Lines every `g` from the origin o over half extent `half` (plus one spacing) both ways.
template <class Draw>
void grid_lines(float o, float g, float half, Draw draw) {
  const float hi = f32_(double(o) + half + g), lo = f32_(double(o) - half - g);
  // Far from the origin a spacing may no longer move the counter: stop rather than spin.
  for (float x = o, next = 0; x <= hi; x = next) {
    draw(x);
    if (!((next = f32_(double(x) + g)) > x)) break;
  }
  for (float x = o, next = 0; x >= lo; x = next) {
    draw(x);
    if (!((next = f32_(double(x) - g)) < x)) break;
  }
}

template <class T>
const T* entry_at(const chunk_table_<T>& table, int32_t index) {
  return index >= 1 && static_cast<size_t>(index) < table.size() ? &table[index] : nullptr;
}

bool box_outside(const object_rec_& o, const view_area_rec_& v) {
  return (o.x1 < v.x1 && o.x2 < v.x1) || (o.x1 > v.x2 && o.x2 > v.x2) || (o.y1 < v.y1 && o.y2 < v.y1) ||
         (o.y1 > v.y2 && o.y2 > v.y2);
}

}  // namespace

void zaz_class_::draw_grid_(int32_t major, int32_t minor, const view_transform_rec_& v, int32_t w, int32_t h,
                            float x1, float y1, float x2, float y2) {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  const float g = active_view_().grid_size;
  if (!(g >= 0.01f) || !std::isfinite(g)) return;
  const view_rec_& vr = active_view_();
  const float hw = f32_(std::fabs(double(x1) - x2) * 0.5), hh = f32_(std::fabs(double(y1) - y2) * 0.5);
  // The origin is a whole number of spacings from zero, truncated towards zero, so any
  // spacing (also one that is not a whole number) lines up with the drawing's origin.
  auto spaced = [&](float spacing, int32_t colour) {
    if (!(f32_(double(spacing) * v.scale_x) >= 5.f)) return;
    const float ox = f32_(spacing * std::trunc(double(vr.posx) / spacing));
    const float oy = f32_(spacing * std::trunc(double(vr.posy) / spacing));
    dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(colour)});
    grid_lines(ox, spacing, hw, [&](float x) {
      const int32_t p = cint32_(double(x) * v.scale_x - v.offset_x);
      dc.move_to_(p, 0);
      dc.line_to_(p, h);
    });
    grid_lines(oy, spacing, hh, [&](float y) {
      const int32_t q = cint32_(double(y) * v.scale_y - v.offset_y);
      dc.move_to_(0, q);
      dc.line_to_(w, q);
    });
  };
  spaced(g, minor);
  spaced(f32_(double(g) * 10), major);
}

void zaz_class_::draw_node_marker_(float x, float y) {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  const int32_t w = dc.target_().width_(), h = dc.target_().height_();
  const pixel_point_ p = map_px_(view_transform_(w, h), x, y);
  dc.move_to_(p.x - 3, p.y);
  dc.line_to_(p.x + 4, p.y);
  dc.move_to_(p.x, p.y - 3);
  dc.line_to_(p.x, p.y + 4);
}

namespace {

// Calls f(x, y) for every marked point (grips when `grips`, node markers otherwise).
template <class F>
void object_points(zaz_class_& e, const object_rec_& o, bool grips, F f) {
  const object_tables_& t = e.store.live;
  auto list = [&](const std::vector<float>& x, const std::vector<float>& y, int32_t count) {
    const size_t have = std::min(x.size(), y.size());
    const int64_t n = std::min<int64_t>(std::llabs(int64_t(count)), int64_t(have) - 1);
    for (int64_t i = 1; i <= n; ++i) f(x[i], y[i]);
  };
  auto on_conic = [&](const arc_rec_& r, float t) {
    float x = 0, y = 0;
    e.calc_rotate_00_deg_(r.rotation, f32_(std::cos(double(t)) * r.rx), f32_(std::sin(double(t)) * r.ry), x, y);
    f(f32_(double(x) + r.cx), f32_(double(y) + r.cy));
  };
  switch (o.type) {
    case ot_point_:
      if (auto* r = entry_at(t.points, o.index)) f(r->x, r->y);
      break;
    case ot_line_:
      if (auto* r = entry_at(t.lines, o.index)) f(r->x1, r->y1), f(r->x2, r->y2);
      break;
    case ot_curve_:
      if (auto* r = entry_at(t.curves, o.index)) list(r->x, r->y, r->count);
      break;
    case ot_polyline_:
      if (auto* r = entry_at(t.polylines, o.index)) list(r->x, r->y, r->count);
      break;
    case ot_polygon_:
      if (auto* r = entry_at(t.polygons, o.index)) list(r->x, r->y, r->count);
      break;
    case ot_arc_:
      if (auto* r = entry_at(t.arcs, o.index)) {
        if (grips) on_conic(*r, r->a1), on_conic(*r, r->a2);
        f(r->cx, r->cy);
      }
      break;
    case ot_circle_:
    case ot_ellipse_:
      if (auto* r = entry_at(o.type == ot_circle_ ? t.circles : t.ellipses, o.index)) {
        if (grips)
          for (int k = 0; k < 4; ++k) on_conic(*r, f32_(k * double(f32_(pi_f * 0.5))));
        f(r->cx, r->cy);
      }
      break;
    case ot_hatch_:
      if (auto* r = entry_at(t.hatches, o.index)) list(r->x, r->y, r->count);
      break;
    case ot_text_:
      if (auto* r = entry_at(t.texts, o.index)) f(r->x, r->y);
      break;
    case ot_image_:
      if (auto* r = entry_at(t.images, o.index)) f(r->p0x, r->p0y), f(r->p1x, r->p1y), f(r->p2x, r->p2y);
      break;
    case ot_dimension_:
      if (auto* r = entry_at(t.dimensions, o.index)) f(r->x1, r->y1), f(r->x2, r->y2), f(r->x3, r->y3), f(r->x4, r->y4);
      break;
    case ot_angular_dim_:
      if (auto* r = entry_at(t.angular_dims, o.index)) f(r->cx, r->cy);
      break;
    case ot_reference_:
      if (auto* r = entry_at(t.references, o.index)) list(r->x, r->y, r->count);
      break;
    case ot_block_insert_:
      if (auto* r = entry_at(t.block_inserts, o.index)) f(r->x, r->y);
      break;
    case ot_block_group_:
      if (grips)
        if (auto* r = entry_at(t.block_groups, o.index)) f(r->x1, r->y1), f(r->x2, r->y1), f(r->x1, r->y2), f(r->x2, r->y2);
      break;
    default:
      break;
  }
}

// Records of the active page whose layer is visible and whose box meets the area.
template <class F>
void visible_records(zaz_class_& e, const view_area_rec_& area, bool selected_only, F f) {
  const page_rec_* page = e.page_ptr_(e.pages.active);
  if (!page) return;
  const int32_t layers = int32_t(page->layers.size()) - 1;
  const int32_t n = std::min<int32_t>(e.records_(), int32_t(e.store.live.objects.size()) - 1);
  for (int32_t i = 1; i <= n; ++i) {
    const object_rec_& o = e.store.live.objects[i];
    if (o.deleted != 0 || o.page != e.pages.active) continue;
    if (selected_only && o.selected != true_) continue;
    if (o.layer >= 1 && o.layer <= layers && page->layers[o.layer].visible != true_) continue;
    if (box_outside(o, area)) continue;
    f(i, o);
  }
}

}  // namespace

void zaz_class_::draw_nodes_() {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  const view_area_rec_ area = view_area_(dc.target_().width_(), dc.target_().height_());
  dc.select_pen_(pen_{pen_style_::solid_, 1, rgb_(255, 0, 128)});
  visible_records(*this, area, false, [&](int32_t, const object_rec_& o) {
    object_points(*this, o, false, [&](float x, float y) { draw_node_marker_(x, y); });
  });
}

void zaz_class_::draw_grips_() {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  const int32_t w = dc.target_().width_(), h = dc.target_().height_();
  const view_transform_rec_ v = view_transform_(w, h);
  dc.set_rop_(rop_::copy_pen_);
  dc.select_pen_(pen_{pen_style_::solid_, 1, rgb_(0, 110, 255)});
  dc.select_brush_(brush_{brush_style_::solid_, rgb_(200, 220, 255)});
  visible_records(*this, view_area_(w, h), true, [&](int32_t, const object_rec_& o) {
    object_points(*this, o, true, [&](float x, float y) {
      if (o.type == ot_text_) draw_node_marker_(x, y);
      const pixel_point_ p = map_px_(v, x, y);
      dc.rectangle_(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
    });
  });
}

void zaz_class_::draw_selection_frame_(float x1, float y1, float x2, float y2) {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  const view_transform_rec_ v = view_transform_(dc.target_().width_(), dc.target_().height_());
  dc.set_rop_(rop_::copy_pen_);
  dc.select_pen_(pen_{pen_style_::solid_, 1, rgb_(128, 0, 64)});
  dc.select_brush_(brush_{brush_style_::solid_, rgb_(255, 128, 255)});
  // Centres as the sum of two x (or y) values, halved; a corner adds a value to itself.
  const float xs[10][2] = {{}, {x2, x2}, {x2, x2}, {x2, x2}, {x1, x2}, {x1, x1}, {x1, x1}, {x1, x1}, {x1, x2}, {x1, x2}};
  const float ys[10][2] = {{}, {y2, y2}, {y1, y2}, {y1, y1}, {y1, y1}, {y1, y1}, {y1, y2}, {y2, y2}, {y2, y2}, {y1, y2}};
  for (int k : {9, 5, 4, 3, 6, 2, 7, 8, 1}) {
    const float cx = f32_((double(xs[k][0]) + xs[k][1]) * 0.5), cy = f32_((double(ys[k][0]) + ys[k][1]) * 0.5);
    const pixel_point_ p = map_px_(v, cx, cy);
    selection.handles[k] = {p.x - 5, p.y - 5, p.x + 5, p.y + 5};
    dc.rectangle_(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
  }
}

void zaz_class_::build_snap_cache_(float x1, float y1, float x2, float y2) {
  snap_point_rec_& s = paint.snap;
  s.count = 0;
  s.capacity = 1000;
  s.x.assign(size_t(s.capacity) + 1, 0.f);
  s.y.assign(size_t(s.capacity) + 1, 0.f);
  const view_area_rec_ area{x1, y1, x2, y2};
  auto add = [&](float x, float y) {
    if (s.count + 1 > s.capacity) {
      s.capacity += 1000;
      s.x.resize(size_t(s.capacity) + 1);
      s.y.resize(size_t(s.capacity) + 1);
    }
    ++s.count;
    s.x[s.count] = x;
    s.y[s.count] = y;
  };
  visible_records(*this, area, false, [&](int32_t, const object_rec_& o) {
    switch (o.type) {
      case ot_curve_: case ot_hatch_: case ot_text_: case ot_image_: case ot_angular_dim_: case ot_block_group_:
        return;
      case ot_arc_:
      case ot_circle_:
      case ot_ellipse_: {
        // Centre first, then the points on the figure.
        const auto& t = o.type == ot_arc_ ? store.live.arcs : o.type == ot_circle_ ? store.live.circles : store.live.ellipses;
        const arc_rec_* r = entry_at(t, o.index);
        if (!r) return;
        add(r->cx, r->cy);
        // The grip points end with the centre, which is already stored first.
        object_points(*this, o, true, add);
        --s.count;
        return;
      }
      default:
        object_points(*this, o, false, add);
    }
  });
  const int32_t w = paint.dc ? paint.dc->target_().width_() : 0, h = paint.dc ? paint.dc->target_().height_() : 0;
  s.page = pages.active;
  s.view = view_transform_(w, h);
  s.width = w;
  s.height = h;
}

bool zaz_class_::snap_nearest_(float x, float y, float max_px, float& sx, float& sy) const {
  const snap_point_rec_& s = paint.snap;
  if (s.page == 0 || s.page != pages.active) return false;
  const view_transform_rec_ now = view_transform_(s.width, s.height);
  if (now.offset_x != s.view.offset_x || now.offset_y != s.view.offset_y || now.scale_x != s.view.scale_x)
    return false;
  double best = -1;
  for (int32_t i = 1; i <= s.count; ++i) {
    const double d = std::hypot(double(s.x[i]) - x, double(s.y[i]) - y);
    if (best < 0 || d < best) best = d, sx = s.x[i], sy = s.y[i];
  }
  return best >= 0 && best * active_view_().zoom <= max_px;
}
