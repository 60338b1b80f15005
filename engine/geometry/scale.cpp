// Scale of one record or of the selection about a fixed point, by separate x and y factors.
#include "engine/geometry/conic_fit.h"
#include "engine/geometry/edit_util.h"

namespace {

struct scale_map_ {
  double x0, y0, sx, sy;
  void operator()(float& x, float& y) const {
    const double nx = x0 + sx * (static_cast<double>(x) - x0);
    const double ny = y0 + sy * (static_cast<double>(y) - y0);
    if (fits_f32_(nx)) x = f32_(nx);
    if (fits_f32_(ny)) y = f32_(ny);
  }
};

}  // namespace

// Curved outlines are refitted to their scaled samples; ends searched every 0.01 radians.
static void refit_conic(zaz_class_& e, const scale_map_& S, float& cx, float& cy, float& rx,
                        float& ry, float& rotation, float* a1, float* a2) {
  refit_conic_(e, S, S.sx, S.sy, 0.01f, cx, cy, rx, ry, rotation, a1, a2);
}

void zaz_class_::transform_scale_(float x0_, float y0_, float sx_, float sy_, int32_t record_) {
  const scale_map_ S{x0_, y0_, sx_, sy_};
  auto set = [](float& v, double nv) {
    if (fits_f32_(nv)) v = f32_(nv);
  };
  if (record_ <= 0) edit_::map_tracking_points_(*this, S);
  auto& t = store.live;
  // Layout points and text parts of dimension-like records keep their shape: the group
  // moves with its centre and, for linear dimensions, turns with the measured line.
  auto layout_centre = [](const auto& r, double& cx, double& cy) {
    cx = cy = 0;
    for (const auto& c : r.text_box) cx += c.x * 0.25, cy += c.y * 0.25;
  };
  auto shift_layout = [&](auto& r, double cx, double cy, double delta) {
    float ncx = f32_(cx), ncy = f32_(cy);
    S(ncx, ncy);
    auto place = [&](float& x, float& y) {
      float qx = f32_(x - cx), qy = f32_(y - cy);
      if (delta != 0) calc_rotate_00_rad_(f32_(delta), qx, qy, qx, qy);
      set(x, static_cast<double>(ncx) + qx);
      set(y, static_cast<double>(ncy) + qy);
    };
    for (auto& c : r.text_box) place(c.x, c.y);
    for (auto& p : r.parts) place(p.x, p.y);
  };
  edit_::for_each_target_(*this, record_, [&](int32_t r) {
    object_rec_& o = t.objects[r];
    switch (o.type) {
      case ot_point_: case ot_line_: case ot_curve_: case ot_polyline_: case ot_polygon_:
      case ot_image_:
        if (!edit_::for_each_position_(*this, o, S)) return;
        break;
      case ot_hatch_: {
        if (!edit_::for_each_position_(*this, o, S)) return;
        hatch_rec_& h = t.hatches[o.index];
        const int32_t lines = std::min<int64_t>(std::max(h.line_count, 0), static_cast<int64_t>(h.lines.size()) - 1);
        for (int32_t i = 1; i <= lines; ++i) {
          hatch_segment_rec_& s = h.lines[i];
          set(s.x1, static_cast<double>(s.x1) * sx_);
          set(s.x2, static_cast<double>(s.x2) * sx_);
          set(s.y1, static_cast<double>(s.y1) * sy_);
          set(s.y2, static_cast<double>(s.y2) * sy_);
        }
        break;
      }
      case ot_arc_: case ot_circle_: case ot_ellipse_: {
        auto& table = o.type == ot_arc_ ? t.arcs : (o.type == ot_circle_ ? t.circles : t.ellipses);
        arc_rec_* a = edit_::entry_(table, o.index);
        if (!a) return;
        if (o.type == ot_arc_) refit_conic(*this, S, a->cx, a->cy, a->rx, a->ry, a->rotation, &a->a1, &a->a2);
        else refit_conic(*this, S, a->cx, a->cy, a->rx, a->ry, a->rotation, nullptr, nullptr);
        break;
      }
      case ot_text_: {
        text_rec_* x = edit_::entry_(t.texts, o.index);
        if (!x) return;
        float rr = x->rotation;
        if (rr < 0) rr = f32_(static_cast<double>(rr) + edit_::two_pi_f);
        if (rr > edit_::two_pi_f) rr = f32_(static_cast<double>(rr) - edit_::two_pi_f);
        x->rotation = rr;
        auto within = [&](float lo, float hi) { return (rr >= lo && rr <= hi) || (-rr >= lo && -rr <= hi); };
        if (within(-0.01f, 0.01f) || within(3.1315928f, 3.1515927f)) {
          set(x->height, static_cast<double>(sy_) * x->height);
          if (sy_ != 0) set(x->width_factor, static_cast<double>(sx_) / sy_ * x->width_factor);
        } else if (within(1.5607964f, 1.5807964f) || within(4.7023892f, 4.722389f)) {
          set(x->height, static_cast<double>(sx_) * x->height);
          if (sx_ != 0) set(x->width_factor, static_cast<double>(sy_) / sx_ * x->width_factor);
        } else {
          float bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
          text_extent_(*x, 0, 0, 0, bx1, by1, bx2, by2);
          const double w = std::fabs(static_cast<double>(bx2) - bx1);
          const float vx = f32_(sx_ * w * std::cos(static_cast<double>(rr)));
          const float vy = f32_(sy_ * w * std::sin(static_cast<double>(rr)));
          x->rotation = calc_angle_(0, 0, vx, vy, false_, 0);
          double f = std::hypot(vx, vy) / clamp_nonzero_(f32_(w)) * x->width_factor;
          f = std::clamp(f, 0.01, 99.9);
          x->width_factor = f32_(f);
        }
        S(x->x, x->y);
        break;
      }
      case ot_dimension_: {
        dimension_rec_* d = edit_::entry_(t.dimensions, o.index);
        if (!d) return;
        const float d0 = calc_angle_(d->x1, d->y1, d->x2, d->y2, false_, 0);
        double cx = 0, cy = 0;
        layout_centre(*d, cx, cy);
        S(d->x1, d->y1); S(d->x2, d->y2); S(d->x3, d->y3); S(d->x4, d->y4);
        const float d1 = calc_angle_(d->x1, d->y1, d->x2, d->y2, false_, 0);
        const double delta = static_cast<double>(d1) - d0;
        shift_layout(*d, cx, cy, delta);
        set(d->text_angle, d->text_angle + delta);
        break;
      }
      case ot_angular_dim_: {
        angular_dim_rec_* d = edit_::entry_(t.angular_dims, o.index);
        if (!d) return;
        double cx = 0, cy = 0;
        layout_centre(*d, cx, cy);
        refit_conic(*this, S, d->cx, d->cy, d->rx, d->ry, d->rotation, &d->a1, &d->a2);
        shift_layout(*d, cx, cy, 0);
        break;
      }
      case ot_reference_: {
        // The leader follows the scale; its text keeps its size and moves with the layout.
        reference_rec_* d = edit_::entry_(t.references, o.index);
        if (!d) return;
        double cx = 0, cy = 0;
        layout_centre(*d, cx, cy);
        const int32_t n = edit_::list_count_(d->count, d->x, d->y);
        for (int32_t i = 1; i <= n; ++i) S(d->x[i], d->y[i]);
        shift_layout(*d, cx, cy, 0);
        break;
      }
      case ot_block_insert_: {
        // The insert keeps its members: it moves its base point and multiplies its scales.
        block_insert_rec_* b = edit_::entry_(t.block_inserts, o.index);
        if (!b) return;
        S(b->x, b->y);
        set(b->sx, static_cast<double>(b->sx) * sx_);
        set(b->sy, static_cast<double>(b->sy) * sy_);
        break;
      }
      case ot_block_group_: {
        block_group_rec_* g = edit_::entry_(t.block_groups, o.index);
        if (!g) return;
        S(g->x1, g->y1);
        S(g->x2, g->y2);
        // Keep the frame ordered: containment tests rely on x1 <= x2 and y1 <= y2.
        if (g->x1 > g->x2) std::swap(g->x1, g->x2);
        if (g->y1 > g->y2) std::swap(g->y1, g->y2);
        break;
      }
      default: return;
    }
    calc_orect_(r);
  });
}
