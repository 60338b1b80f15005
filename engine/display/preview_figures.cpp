// Rubber bands of texts, block inserts, dimensions and references. They are painted by the
// painters of the stored objects, inverted; the records the dimension kinds build are kept
// so that painting them once more erases them.
#include <algorithm>
#include <cmath>

#include "engine/zaz_class.h"
#include "engine/geometry/edit_util.h"

namespace {

constexpr int32_t kind_text = 10, kind_insert = 11, kind_linear = 12, kind_radius = 13, kind_diameter = 14,
                  kind_angular = 15, kind_reference = 16;

constexpr float two_pi_f = 6.2831855f;  // 2 x 3.1415927 as a 32-bit float

float distance(float ax, float ay, float bx, float by) {
  const double dx = double(bx) - ax, dy = double(by) - ay;
  return f32_(std::sqrt(dx * dx + dy * dy));
}


// The point of the curve's whole outline nearest to (x, y), sampled every 0.001 radians;
// an arc's ends are not considered. Of equally near samples the later one wins.
void nearest_on_outline(zaz_class_& e, const arc_rec_& c, float x, float y, float& px, float& py) {
  float best = 0;
  bool any = false;
  for (float t = 0; t <= two_pi_f; t = f32_(double(t) + 0.001)) {
    float rx = 0, ry = 0;
    e.calc_rotate_00_deg_(c.rotation, f32_(double(c.rx) * std::cos(double(t))),
                          f32_(double(c.ry) * std::sin(double(t))), rx, ry);
    const float sx = f32_(double(rx) + c.cx), sy = f32_(double(ry) + c.cy);
    const float d = distance(sx, sy, x, y);
    if (!any || d <= best) best = d, px = sx, py = sy, any = true;
  }
}

// Angles the arc of an angular dimension can be sampled over: beyond some 100,000 radians a
// 32-bit float no longer grows by the painter's step and its loop would never end.
bool angles_usable(float a1, float a2) {
  constexpr float limit = 1e5f;
  return std::fabs(a1) <= limit && std::fabs(a2) <= limit;  // false for NaN too
}

// The active style's number and a copy of it; false when the table holds no such entry.
bool active_style(zaz_class_& e, int32_t& id, dimstyle_rec_& copy) {
  id = e.dimstyle_active_();
  if (id < 0 || size_t(id) >= e.styles.styles.size()) return false;
  copy = e.styles.styles[size_t(id)];
  return true;
}

// A radius (kind 1) or diameter (kind 2) dimension from the curve point nearest to (x, y);
// false when the object is no arc, circle or ellipse.
bool build_radial(zaz_class_& e, int32_t kind, int32_t record, float x, float y, dimension_rec_& r) {
  const arc_rec_* c = edit_::conic_of_(e, record);
  if (!c) return false;
  r = dimension_rec_{};
  if (!active_style(e, r.style_id, r.style)) return false;
  float px = 0, py = 0;
  nearest_on_outline(e, *c, x, y, px, py);
  r.kind = kind;
  r.x1 = r.x3 = px, r.y1 = r.y3 = py;
  if (kind == 1) {
    r.x2 = c->cx, r.y2 = c->cy;
    r.style.arrow2 = 0;  // no arrowhead at the centre, as a radius dimension is added
  } else {                // the point opposite through the centre
    r.x2 = f32_(double(c->cx) - f32_(double(px) - c->cx));
    r.y2 = f32_(double(c->cy) - f32_(double(py) - c->cy));
  }
  r.x4 = r.x2, r.y4 = r.y2;
  r.length = distance(r.x1, r.y1, r.x2, r.y2);
  return true;
}

}  // namespace

bool zaz_class_::preview_number_ok_(int32_t kind, int32_t number) const {
  switch (kind) {
    case kind_text: return font_at_(fonts, number) != nullptr;
    case kind_insert: return number >= 1 && number <= library.block_count();
    case kind_radius:
    case kind_diameter: return edit_::conic_of_(*this, number) != nullptr;
    default: return true;
  }
}

void zaz_class_::draw_preview_figure_(dc_& hdc, const view_transform_rec_& v, int32_t kind, bool erase,
                                      const preview_call_rec_* call) {
  preview_state_rec_& st = preview.band;
  // Black parts, hollow arrowheads, one-pixel pens: under the inverting operation only the
  // shapes matter.
  auto paint_linear = [&](const dimension_rec_& r) { draw_dimension_(hdc, v, r, 0, 0, 0, -1, 0, 1); };
  switch (kind) {
    case kind_text:
      if (erase)
        draw_text_glyphs_(hdc, v, st.font, st.text, st.x1, st.y1, st.text_height, st.width_factor, st.rotation);
      if (call)
        draw_text_glyphs_(hdc, v, call->number, call->text, call->x1, call->y1, call->text_height,
                          call->width_factor, call->rotation);
      break;
    case kind_insert: {
      const pixel_rect_ client{0, 0, hdc.target_().width_(), hdc.target_().height_()};
      if (erase) {
        paint.insert_view = v, paint.insert_view_rect = client;
        draw_block_outline_(hdc, st.font, st.x1, st.y1, st.x2, st.y2, st.rotation);
      }
      if (call) {
        paint.insert_view = v, paint.insert_view_rect = client;
        draw_block_outline_(hdc, call->number, call->x1, call->y1, call->x2, call->y2, call->rotation);
      }
      break;
    }
    case kind_linear:
      if (erase) paint_linear(st.linear_dim);
      if (call) {
        dimension_rec_ r;
        if (active_style(*this, r.style_id, r.style)) {
          r.x1 = call->x1, r.y1 = call->y1, r.x2 = call->x2, r.y2 = call->y2;
          r.x3 = call->x3, r.y3 = call->y3, r.x4 = call->x4, r.y4 = call->y4;
          r.length = distance(r.x3, r.y3, r.x4, r.y4);
          dim_build_linear_(r, {});
          paint_linear(r);
        }
        st.linear_dim = std::move(r);
      }
      break;
    case kind_radius:
    case kind_diameter:
      if (erase) paint_linear(st.linear_dim);
      if (call) {
        dimension_rec_ r;
        if (build_radial(*this, kind == kind_radius ? 1 : 2, call->number, call->x1, call->y1, r)) {
          dim_build_linear_(r, {});
          paint_linear(r);
        } else {
          r = dimension_rec_{};
        }
        st.linear_dim = std::move(r);
      }
      break;
    case kind_angular:
      if (erase) draw_angular_dim_(hdc, v, st.angular_dim, 0, 0, 0, -1, 0);
      if (call) {
        angular_dim_rec_ r;
        if (angles_usable(call->aa1, call->aa2) && active_style(*this, r.style_id, r.style)) {
          r.cx = call->x1, r.cy = call->y1, r.rx = call->rx, r.ry = call->ry;
          r.rotation = 0, r.a1 = call->aa1, r.a2 = call->aa2;
          dim_build_angular_(r, {});
          draw_angular_dim_(hdc, v, r, 0, 0, 0, -1, 0);
        }
        st.angular_dim = std::move(r);
      }
      break;
    case kind_reference:
      if (erase && st.point_count > 0) draw_reference_(hdc, v, st.reference, 0, 0, 0, -1, 0);
      if (call) {
        reference_rec_ r;
        st.point_count = 0;
        if (active_style(*this, r.style_id, r.style)) {
          // The leader: the main vertex buffer, then the cursor point, as far as the memory holds.
          const int32_t n = std::clamp(vertex_count_(), 0, preview_points_max_ - 1);
          r.count = n + 1;
          r.x.assign(size_t(n) + 2, 0.f);
          r.y.assign(size_t(n) + 2, 0.f);
          for (int32_t i = 1; i <= n; ++i) r.x[size_t(i)] = vertex_px_(i), r.y[size_t(i)] = vertex_py_(i);
          r.x[size_t(n) + 1] = call->x1, r.y[size_t(n) + 1] = call->y1;
          for (int32_t i = 0; i <= n; ++i) st.x[size_t(i)] = r.x[size_t(i) + 1], st.y[size_t(i)] = r.y[size_t(i) + 1];
          st.point_count = n + 1;
          ref_build_(r, call->text);
          draw_reference_(hdc, v, r, 0, 0, 0, -1, 0);
        }
        st.reference = std::move(r);
      }
      break;
    default:
      break;
  }
}
