// Tracking points from the objects under the cursor, the tracking lines they give, and
// their display on the drawing window.
#include <cmath>

#include "engine/geometry/edit_util.h"

namespace {

using d = double;

constexpr uint32_t point_colour = 0x000096FF;   // RGB 255, 150, 0
constexpr uint32_t line_colour = 0x000064FF;    // RGB 255, 100, 0
constexpr uint32_t marker_colour = 0x0000C8FF;  // RGB 255, 200, 0

// Two square outlines around the crossing; drawing them twice takes them away.
void crossing_marker(dc_& dc, int32_t x, int32_t y, rop_ rop) {
  dc.set_rop_(rop);
  dc.select_pen_(pen_{pen_style_::solid_, 1, marker_colour});
  for (int32_t r : {5, 4}) {
    const pixel_point_ q[5] = {{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}, {x - r, y - r}};
    dc.polyline_(q, 5);
  }
}

}  // namespace

void zaz_class_::find_tracking_lines_(flag16_& vertical, flag16_& horizontal, float& tx, float& ty) const {
  const view_rec_& v = active_view_();
  if (v.snap_track != true_) return;
  tx = pick.cursor_x, ty = pick.cursor_y;
  vertical = horizontal = false_;
  const int32_t n = std::clamp(v.hot_count, 0, hot_points_max_);
  int32_t bx = 0, by = 0;
  float best_x = 0, best_y = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const float dx = f32_(std::fabs(d(pick.cursor_x) - v.hot_points[i].x));
    const float dy = f32_(std::fabs(d(pick.cursor_y) - v.hot_points[i].y));
    if (bx == 0 || dx < best_x) bx = i, best_x = dx;
    if (by == 0 || dy < best_y) by = i, best_y = dy;
  }
  if (bx > 0 && f32_(d(best_x) * v.zoom) <= 7.5f) tx = v.hot_points[bx].x, vertical = true_;
  if (by > 0 && f32_(d(best_y) * v.zoom) <= 7.5f) ty = v.hot_points[by].y, horizontal = true_;
}

void zaz_class_::hpoint_fnd_(int32_t obj_, const float& px_, const float& py_) {
  if (!paint.dc || !edit_::valid_record_(*this, obj_)) return;
  const object_rec_& o = object_(obj_);
  const float zoom = active_view_().zoom;
  const float r = f32_(10.0 / (zoom != 0.f ? zoom : 1.f));
  // Copies: adding points never touches the object tables, but keep the reads plain.
  const float cx = px_, cy = py_;
  auto near_add = [&](float x, float y) {
    if (std::hypot(d(x) - cx, d(y) - cy) <= r) hpoint_add_(x, y, obj_);
  };
  auto list = [&](const auto& rec) {
    const int32_t n = edit_::list_count_(rec.count, rec.x, rec.y);
    for (int32_t i = 1; i <= n; ++i) near_add(rec.x[i], rec.y[i]);
  };
  auto& t = store.live;
  switch (o.type) {
    case ot_point_: if (auto* p = edit_::entry_(t.points, o.index)) near_add(p->x, p->y); break;
    case ot_line_:
      if (auto* p = edit_::entry_(t.lines, o.index)) { near_add(p->x1, p->y1); near_add(p->x2, p->y2); }
      break;
    case ot_polyline_: if (auto* p = edit_::entry_(t.polylines, o.index)) list(*p); break;
    case ot_polygon_: if (auto* p = edit_::entry_(t.polygons, o.index)) list(*p); break;
    case ot_arc_: if (auto* p = edit_::entry_(t.arcs, o.index)) hpoint_add_(p->cx, p->cy, obj_); break;
    case ot_circle_: if (auto* p = edit_::entry_(t.circles, o.index)) hpoint_add_(p->cx, p->cy, obj_); break;
    case ot_ellipse_: if (auto* p = edit_::entry_(t.ellipses, o.index)) hpoint_add_(p->cx, p->cy, obj_); break;
    case ot_hatch_: if (auto* p = edit_::entry_(t.hatches, o.index)) list(*p); break;
    case ot_text_: if (auto* p = edit_::entry_(t.texts, o.index)) hpoint_add_(p->x, p->y, obj_); break;
    case ot_dimension_:
      if (auto* p = edit_::entry_(t.dimensions, o.index)) {
        near_add(p->x1, p->y1); near_add(p->x2, p->y2); near_add(p->x3, p->y3); near_add(p->x4, p->y4);
      }
      break;
    case ot_angular_dim_: if (auto* p = edit_::entry_(t.angular_dims, o.index)) hpoint_add_(p->cx, p->cy, obj_); break;
    case ot_reference_: if (auto* p = edit_::entry_(t.references, o.index)) list(*p); break;
    default: break;  // curves, images, inserts and groups give no tracking points
  }
}

void zaz_class_::hpoint_show_(flag16_ clear_) {
  const view_rec_& vr = active_view_();
  if (vr.snap_track != true_) return;
  flag16_ vl = false_, hl = false_;
  float tx = 0, ty = 0;
  if (clear_ != true_) find_tracking_lines_(vl, hl, tx, ty);
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  const int32_t w = views.window_width, h = views.window_height;
  const view_transform_rec_ v = view_transform_(w, h);

  dc.set_rop_(rop_::copy_pen_);
  dc.select_pen_(pen_{pen_style_::solid_, 1, point_colour});
  const int32_t n = std::clamp(vr.hot_count, 0, hot_points_max_);
  for (int32_t i = 1; i <= n; ++i) {
    const pixel_point_ p = map_px_(v, vr.hot_points[i].x, vr.hot_points[i].y);
    dc.move_to_(p.x - 3, p.y);
    dc.line_to_(p.x + 4, p.y);
    dc.move_to_(p.x, p.y - 3);
    dc.line_to_(p.x, p.y + 4);
  }

  const rop_ marker_rop = backcolor_() == 16777215 ? rop_::not_xor_pen_ : rop_::xor_pen_;
  if (pick.vline_shown == true_ && pick.hline_shown == true_)
    crossing_marker(dc, cint32_(pick.vline_x), cint32_(pick.hline_y), marker_rop);
  dc.set_rop_(rop_::copy_pen_);

  if (vl == true_) {
    pick.vline_x = f32_(d(tx) * vr.zoom - v.offset_x);
    const int32_t x = cint32_(pick.vline_x);
    for (int32_t y = 1; y < h; y += 5) dc.set_pixel_(x, y, line_colour);
    pick.vline_shown = true_;
  } else {
    pick.vline_shown = false_, pick.vline_x = -99;
  }
  if (hl == true_) {
    pick.hline_y = f32_(d(ty) * -d(vr.zoom) - v.offset_y);
    const int32_t y = cint32_(pick.hline_y);
    for (int32_t x = 1; x < w; x += 5) dc.set_pixel_(x, y, line_colour);
    pick.hline_shown = true_;
  } else {
    pick.hline_shown = false_, pick.hline_y = -99;
  }
  if (vl == true_ && hl == true_)
    crossing_marker(dc, cint32_(pick.vline_x), cint32_(pick.hline_y), marker_rop);
  dc.set_rop_(rop_::copy_pen_);
}
