// Transform mask: the selection of the active page drawn inverted where a move, rotation,
// mirror or scale would put it. Every record is copied and only the copy is transformed;
// drawing the same mask again erases it.
//
// The mask shows what this program's transformations do: positions, angles, frames and
// factors change as transform_move_, _rotate_, _mirror_ and _scale_ change them, except that
// arcs are refitted on a coarser angle grid than the scale uses.
#include <algorithm>
#include <cmath>

#include "engine/geometry/conic_fit.h"
#include "engine/geometry/edit_util.h"

namespace {

using d = double;
constexpr float pi_f = 3.1415927f;
constexpr float two_pi_f = 6.2831855f;
constexpr int32_t mask_points_max = 10000;  // vertices or samples of one figure

inline void store_f(float& v, d nv) {
  if (fits_f32_(nv)) v = f32_(nv);
}

// Usable points 1..n of a point list, at most as many as one figure draws.
inline int32_t drawn_count(int32_t count, const std::vector<float>& x, const std::vector<float>& y) {
  return std::min(edit_::list_count_(count, x, y), mask_points_max);
}

class mask_painter {
 public:
  mask_painter(zaz_class_& e, const mask_state_rec_& m, dc_& dc, const view_transform_rec_& v,
               const pixel_rect_& client)
      : e_(e), m_(m), hdc_(dc), v_(v), client_(client) {
    phi_deg_ = e.calc_angle_(m.px1, m.py1, m.px2, m.py2, true_, 0);
    phi_ = e.calc_angle_(m.px1, m.py1, m.px2, m.py2, false_, 0);
  }

  void record(const object_rec_& o);

 private:
  bool moving() const { return m_.kind >= mask_move_ && m_.kind <= mask_scale_; }

  // The point operation of the mask's kind; a result that is no float keeps the old value.
  void point(float& x, float& y) {
    float nx = x, ny = y;
    switch (m_.kind) {
      case mask_move_:
        store_f(x, d(x) + m_.mx);
        store_f(y, d(y) + m_.my);
        return;
      case mask_rotate_: e_.rotate_about_deg_(m_.rot, x, y, m_.px1, m_.py1, nx, ny); break;
      case mask_mirror_: e_.calc_mirror_(x, y, m_.px1, m_.py1, m_.px2, m_.py2, nx, ny); break;
      case mask_scale_:
        store_f(x, (d(x) - m_.x0) * m_.sx + m_.x0);
        store_f(y, (d(y) - m_.y0) * m_.sy + m_.y0);
        return;
      default: return;
    }
    x = nx, y = ny;
  }
  auto point_op() {
    return [this](float& x, float& y) { point(x, y); };
  }
  d rot_rad() const { return d(m_.rot) * pi_f / 180.0; }

  template <class R>
  void layout(R& r) {
    for (auto& p : r.parts) point(p.x, p.y);
    for (auto& c : r.text_box) point(c.x, c.y);
  }
  void list(std::vector<float>& x, std::vector<float>& y, int32_t count) {
    const int32_t n = drawn_count(count, x, y);
    for (int32_t i = 1; i <= n; ++i) point(x[size_t(i)], y[size_t(i)]);
  }
  // Mean of the four layout points, and the shift or turn that carries them along a scale.
  template <class R>
  static void layout_mean(const R& r, float& mx, float& my) {
    d sx = 0, sy = 0;
    for (const auto& c : r.text_box) sx += c.x * 0.25, sy += c.y * 0.25;
    mx = f32_(sx), my = f32_(sy);
  }
  template <class R>
  void carry_layout(R& r, float mx, float my, float turn) {
    float nx = mx, ny = my;
    point(nx, ny);
    auto carry = [&](float& x, float& y) {
      float qx = f32_(d(x) - mx), qy = f32_(d(y) - my);
      if (turn != 0) e_.calc_rotate_00_rad_(turn, qx, qy, qx, qy);
      store_f(x, d(nx) + qx);
      store_f(y, d(ny) + qy);
    };
    for (auto& p : r.parts) carry(p.x, p.y);
    for (auto& c : r.text_box) carry(c.x, c.y);
  }

  void conic(arc_rec_& r, bool arc);
  void refit(float& cx, float& cy, float& rx, float& ry, float& rotation, float* a1, float* a2);
  void mirror_sweep(float& rotation, float& a1, float& a2) {
    store_f(rotation, 2.0 * phi_deg_ + 180.0 - rotation);
    store_f(a1, d(pi_f) - a1);
    store_f(a2, d(pi_f) - a2);
    if (a1 > a2) std::swap(a1, a2);
  }
  void hatch(hatch_rec_& h);
  void text(text_rec_& t);
  void dimension(dimension_rec_& r);
  void angular(angular_dim_rec_& r);
  void reference(reference_rec_& r);
  void insert(block_insert_rec_& b);
  void group(block_group_rec_& g);

  // Drawing.
  pixel_point_ px(float x, float y) const { return zaz_class_::map_px_(v_, x, y); }
  void select() {
    hdc_.select_pen_(pen_{pen_style_::solid_, 1, 0});
    hdc_.select_brush_(null_brush_);
  }
  void draw_point(const point_rec_& r);
  void draw_list(const polyline_rec_& r, int32_t type);
  void draw_conic(const arc_rec_& r, bool arc);
  void draw_image(const image_rec_& r);
  void draw_frame(const block_group_rec_& g);

  zaz_class_& e_;
  const mask_state_rec_& m_;
  dc_& hdc_;
  const view_transform_rec_& v_;
  const pixel_rect_& client_;
  float phi_deg_ = 0, phi_ = 0;  // direction of the mirror line
};

void mask_painter::conic(arc_rec_& r, bool arc) {
  point(r.cx, r.cy);
  switch (m_.kind) {
    case mask_rotate_: store_f(r.rotation, d(r.rotation) + m_.rot); break;
    case mask_mirror_:
      if (arc) mirror_sweep(r.rotation, r.a1, r.a2);
      else store_f(r.rotation, 2.0 * phi_deg_ + 180.0 - r.rotation);
      break;
    default: break;
  }
}

// A scaled ellipse is fitted again to its scaled outline as the scale itself does; the
// preview finds an arc's ends on a coarser grid.
void mask_painter::refit(float& cx, float& cy, float& rx, float& ry, float& rotation, float* a1, float* a2) {
  refit_conic_(e_, point_op(), m_.sx, m_.sy, 0.05f, cx, cy, rx, ry, rotation, a1, a2);
}

void mask_painter::hatch(hatch_rec_& h) {
  list(h.x, h.y, h.count);
  const int32_t tiles = edit_::tile_count_(h);
  for (int32_t i = 1; i <= tiles; ++i) point(h.tile_x[size_t(i)], h.tile_y[size_t(i)]);
  // Pattern lines are offsets from a tile origin: they turn, reflect and stretch, never move.
  const int32_t lines = int32_t(std::min<int64_t>(std::max(h.line_count, 0), int64_t(h.lines.size()) - 1));
  const float dx = f32_(d(m_.px2) - m_.px1), dy = f32_(d(m_.py2) - m_.py1);
  auto vec = [&](float& x, float& y) {
    float nx = x, ny = y;
    switch (m_.kind) {
      case mask_rotate_: e_.calc_rotate_00_deg_(m_.rot, x, y, nx, ny); break;
      case mask_mirror_: e_.calc_mirror_(x, y, 0, 0, dx, dy, nx, ny); break;
      case mask_scale_: store_f(nx, d(x) * m_.sx), store_f(ny, d(y) * m_.sy); break;
      default: break;
    }
    x = nx, y = ny;
  };
  for (int32_t j = 1; j <= lines; ++j) {
    vec(h.lines[size_t(j)].x1, h.lines[size_t(j)].y1);
    vec(h.lines[size_t(j)].x2, h.lines[size_t(j)].y2);
  }
  if (m_.kind == mask_rotate_) store_f(h.rotation, h.rotation + rot_rad());
  if (m_.kind == mask_mirror_) store_f(h.rotation, 2.0 * phi_ + pi_f - h.rotation);
}

void mask_painter::text(text_rec_& t) {
  if (m_.kind == mask_rotate_) store_f(t.rotation, t.rotation + rot_rad());
  if (m_.kind == mask_mirror_) store_f(t.rotation, 2.0 * phi_ - t.rotation);
  if (m_.kind != mask_scale_) {
    point(t.x, t.y);
    return;
  }
  float r = t.rotation;
  if (r < 0) r = f32_(d(r) + two_pi_f);
  if (r > two_pi_f) r = f32_(d(r) - two_pi_f);
  t.rotation = r;
  auto within = [&](float lo, float hi) { return (r >= lo && r <= hi) || (-r >= lo && -r <= hi); };
  if (within(-0.01f, 0.01f) || within(3.1315928f, 3.1515927f)) {
    store_f(t.height, d(m_.sy) * t.height);
    if (m_.sy != 0) store_f(t.width_factor, d(m_.sx) / m_.sy * t.width_factor);
  } else if (within(1.5607964f, 1.5807964f) || within(4.7023892f, 4.722389f)) {
    store_f(t.height, d(m_.sx) * t.height);
    if (m_.sx != 0) store_f(t.width_factor, d(m_.sy) / m_.sx * t.width_factor);
  } else {
    // An oblique text turns with its scaled baseline and stretches by its length ratio.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    e_.measure_text_(t.font, t.text, 0, 0, t.height, t.width_factor, 0, x1, y1, x2, y2);
    const d w = std::fabs(d(x2) - x1);
    const float vx = f32_(d(m_.sx) * w * std::cos(d(r))), vy = f32_(d(m_.sy) * w * std::sin(d(r)));
    t.rotation = e_.calc_angle_(0, 0, vx, vy, false_, 0);
    const d f = std::hypot(d(vx), d(vy)) / e_.clamp_nonzero_(f32_(w)) * t.width_factor;
    if (std::isfinite(f)) t.width_factor = std::clamp(f32_(f), 0.01f, 99.9f);
  }
  point(t.x, t.y);
}

void mask_painter::dimension(dimension_rec_& r) {
  if (m_.kind != mask_scale_) {
    point(r.x1, r.y1), point(r.x2, r.y2), point(r.x3, r.y3), point(r.x4, r.y4);
    layout(r);
    if (m_.kind == mask_rotate_) store_f(r.text_angle, r.text_angle + rot_rad());
    if (m_.kind == mask_mirror_) store_f(r.text_angle, 2.0 * phi_ - r.text_angle);
    return;
  }
  // The text group keeps its shape: it follows the mean of its layout points and turns as
  // the measured line turns.
  const float a0 = e_.calc_angle_(r.x1, r.y1, r.x2, r.y2, false_, 0);
  float mx = 0, my = 0;
  layout_mean(r, mx, my);
  point(r.x1, r.y1), point(r.x2, r.y2), point(r.x3, r.y3), point(r.x4, r.y4);
  const float a1 = e_.calc_angle_(r.x1, r.y1, r.x2, r.y2, false_, 0);
  const float turn = f32_(d(a1) - a0);
  carry_layout(r, mx, my, turn);
  store_f(r.text_angle, d(r.text_angle) + (d(a1) - a0));
}

void mask_painter::angular(angular_dim_rec_& r) {
  if (m_.kind == mask_scale_) {
    float mx = 0, my = 0;
    layout_mean(r, mx, my);
    refit(r.cx, r.cy, r.rx, r.ry, r.rotation, &r.a1, &r.a2);
    carry_layout(r, mx, my, 0);
    return;
  }
  point(r.cx, r.cy);
  layout(r);
  if (m_.kind == mask_rotate_) {
    store_f(r.rotation, d(r.rotation) + m_.rot);
    store_f(r.text_angle, r.text_angle + rot_rad());
  } else if (m_.kind == mask_mirror_) {
    mirror_sweep(r.rotation, r.a1, r.a2);
    store_f(r.text_angle, 2.0 * phi_ - r.text_angle);
  }
}

void mask_painter::reference(reference_rec_& r) {
  if (m_.kind == mask_scale_) {
    // The leader follows the scale; the text keeps its size and moves with the layout.
    float mx = 0, my = 0;
    layout_mean(r, mx, my);
    list(r.x, r.y, r.count);
    carry_layout(r, mx, my, 0);
    return;
  }
  list(r.x, r.y, r.count);
  layout(r);
  if (m_.kind == mask_rotate_) store_f(r.text_angle, r.text_angle + rot_rad());
  if (m_.kind == mask_mirror_) store_f(r.text_angle, 2.0 * phi_ - r.text_angle);
}

void mask_painter::insert(block_insert_rec_& b) {
  point(b.x, b.y);
  switch (m_.kind) {
    case mask_rotate_: store_f(b.rotation, b.rotation + rot_rad()); break;
    case mask_mirror_:
      store_f(b.rotation, 2.0 * phi_ - b.rotation);
      b.sy = -b.sy;
      break;
    case mask_scale_:
      store_f(b.sx, d(b.sx) * m_.sx);
      store_f(b.sy, d(b.sy) * m_.sy);
      break;
    default: break;
  }
}

void mask_painter::group(block_group_rec_& g) {
  // A frame stays axis-parallel: turned or mirrored, it becomes the box around its corners.
  if (m_.kind == mask_rotate_ || m_.kind == mask_mirror_) {
    edit_::map_frame_(g, point_op());
  } else {
    point(g.x1, g.y1);
    point(g.x2, g.y2);
  }
}

void mask_painter::draw_point(const point_rec_& r) {
  const pixel_point_ p = px(r.x, r.y);
  const int32_t a = r.p_type == 1 ? r.p_size : 5;
  const pixel_point_ ends[4] = {{p.x + a, p.y}, {p.x - a, p.y}, {p.x, p.y + a}, {p.x, p.y - a}};
  for (const pixel_point_& q : ends) {
    hdc_.move_to_(p.x, p.y);
    hdc_.line_to_(q.x, q.y);
  }
}

void mask_painter::draw_list(const polyline_rec_& r, int32_t type) {
  const int32_t n = drawn_count(r.count, r.x, r.y);
  if (n < 1) return;
  pixel_point_* b = e_.point_buffer_(size_t(n));
  for (int32_t i = 0; i < n; ++i) b[i] = px(r.x[size_t(i) + 1], r.y[size_t(i) + 1]);
  if (type == ot_curve_) e_.draw_curve_(hdc_, b, r.count < 0 ? -n : n, nullptr);
  else if (type == ot_polyline_) hdc_.polyline_(b, size_t(n));
  else hdc_.polygon_(b, size_t(n));
}

void mask_painter::draw_conic(const arc_rec_& r, bool arc) {
  // Shapes small on the screen take the coarser step.
  const float quarter = f32_((d(client_.right) + client_.bottom) * 0.25);
  const float span = f32_((d(r.rx) + r.ry) * v_.scale_x);
  const float step = quarter > span ? 0.2f : 0.1f;
  const float a1 = arc ? r.a1 : 0.f, a2 = arc ? r.a2 : two_pi_f;
  pixel_point_* b = e_.point_buffer_(size_t(mask_points_max) + 1);
  int32_t n = 0;
  auto add = [&](float t) {
    float qx = 0, qy = 0;
    e_.calc_rotate_00_deg_(r.rotation, f32_(r.rx * std::cos(d(t))), f32_(r.ry * std::sin(d(t))), qx, qy);
    b[n++] = px(f32_(d(r.cx) + qx), f32_(d(r.cy) + qy));
  };
  // The sample limit also ends a sweep whose counter no longer grows.
  if (std::isfinite(a1) && std::isfinite(a2))
    for (float t = a1; t <= a2 && n < mask_points_max; t = f32_(d(t) + step)) add(t);
  if (arc) {
    if (n < mask_points_max && std::isfinite(a2)) add(a2);
    hdc_.polyline_(b, size_t(n));
  } else {
    hdc_.polygon_(b, size_t(n));
  }
}

void mask_painter::draw_image(const image_rec_& r) {
  pixel_point_ q[5] = {px(r.p0x, r.p0y), px(r.p1x, r.p1y), {}, px(r.p2x, r.p2y), {}};
  q[2] = {cint32_(d(q[1].x) + q[3].x - q[0].x), cint32_(d(q[1].y) + q[3].y - q[0].y)};
  q[4] = q[0];
  hdc_.polyline_(q, 5);
}

void mask_painter::draw_frame(const block_group_rec_& g) {
  const pixel_point_ q[5] = {px(g.x1, g.y1), px(g.x2, g.y1), px(g.x2, g.y2), px(g.x1, g.y2), px(g.x1, g.y1)};
  hdc_.polyline_(q, 5);
}

void mask_painter::record(const object_rec_& o) {
  auto& t = e_.store.live;
  const bool tr = moving();
  select();  // the hatch, dimension and insert painters leave pens of their own
  switch (o.type) {
    case ot_point_:
      if (const point_rec_* r = edit_::entry_(t.points, o.index)) {
        point_rec_ c = *r;
        if (tr) point(c.x, c.y);
        draw_point(c);
      }
      break;
    case ot_line_:
      if (const line_rec_* r = edit_::entry_(t.lines, o.index)) {
        line_rec_ c = *r;
        if (tr) point(c.x1, c.y1), point(c.x2, c.y2);
        const pixel_point_ a = px(c.x1, c.y1), b = px(c.x2, c.y2);
        if (a == b) break;
        hdc_.move_to_(a.x, a.y);
        hdc_.line_to_(b.x, b.y);
      }
      break;
    case ot_curve_:
    case ot_polyline_:
    case ot_polygon_: {
      auto& table = o.type == ot_curve_ ? t.curves : o.type == ot_polyline_ ? t.polylines : t.polygons;
      if (const polyline_rec_* r = edit_::entry_(table, o.index)) {
        polyline_rec_ c = *r;
        if (tr) list(c.x, c.y, c.count);
        draw_list(c, o.type);
      }
      break;
    }
    case ot_arc_:
    case ot_circle_:
    case ot_ellipse_: {
      auto& table = o.type == ot_arc_ ? t.arcs : o.type == ot_circle_ ? t.circles : t.ellipses;
      if (const arc_rec_* r = edit_::entry_(table, o.index)) {
        arc_rec_ c = *r;
        const bool arc = o.type == ot_arc_;
        if (m_.kind == mask_scale_) refit(c.cx, c.cy, c.rx, c.ry, c.rotation, arc ? &c.a1 : nullptr, arc ? &c.a2 : nullptr);
        else if (tr) conic(c, arc);
        draw_conic(c, arc);
      }
      break;
    }
    case ot_hatch_:
      if (const hatch_rec_* r = edit_::entry_(t.hatches, o.index)) {
        hatch_rec_ c = *r;
        if (tr) hatch(c);
        e_.draw_hatch_(hdc_, v_, c, 0, 0, 0, 0, 1);
      }
      break;
    case ot_text_:
      if (const text_rec_* r = edit_::entry_(t.texts, o.index)) {
        text_rec_ c = *r;
        if (tr) text(c);
        e_.draw_text_glyphs_(hdc_, v_, c.font, c.text, c.x, c.y, c.height, c.width_factor, c.rotation);
      }
      break;
    case ot_image_:
      if (const image_rec_* r = edit_::entry_(t.images, o.index)) {
        image_rec_ c = *r;
        if (tr) point(c.p0x, c.p0y), point(c.p1x, c.p1y), point(c.p2x, c.p2y);
        draw_image(c);
      }
      break;
    case ot_dimension_:
      if (const dimension_rec_* r = edit_::entry_(t.dimensions, o.index)) {
        dimension_rec_ c = *r;
        if (tr) dimension(c);
        e_.draw_dimension_(hdc_, v_, c, 0, 0, 0, -1, 0, 1);
      }
      break;
    case ot_angular_dim_:
      if (const angular_dim_rec_* r = edit_::entry_(t.angular_dims, o.index)) {
        angular_dim_rec_ c = *r;
        if (tr) angular(c);
        e_.draw_angular_dim_(hdc_, v_, c, 0, 0, 0, -1, 0);
      }
      break;
    case ot_reference_:
      if (const reference_rec_* r = edit_::entry_(t.references, o.index)) {
        reference_rec_ c = *r;
        if (tr) reference(c);
        e_.draw_reference_(hdc_, v_, c, 0, 0, 0, -1, 0);
      }
      break;
    case ot_block_insert_:
      if (const block_insert_rec_* r = edit_::entry_(t.block_inserts, o.index)) {
        block_insert_rec_ c = *r;
        if (tr) insert(c);
        e_.paint.insert_view = v_;
        e_.paint.insert_view_rect = client_;
        e_.draw_block_outline_(hdc_, c.block, c.x, c.y, c.sx, c.sy, c.rotation);
      }
      break;
    case ot_block_group_:
      if (const block_group_rec_* r = edit_::entry_(t.block_groups, o.index)) {
        block_group_rec_ c = *r;
        if (tr) group(c);
        draw_frame(c);
      }
      break;
    default: break;
  }
}

}  // namespace

void zaz_class_::display_mask_(int32_t type_, float mx_, float my_, float rot_, float px1_, float py1_, float px2_,
                               float py2_, float x0_, float y0_, float sx_, float sy_) {
  const mask_state_rec_ old = mask;
  draw_mask_(old.kind, old.mx, old.my, old.rot, old.px1, old.py1, old.px2, old.py2, old.x0, old.y0, old.sx,
             old.sy);
  if (type_ != mask_none_) draw_mask_(type_, mx_, my_, rot_, px1_, py1_, px2_, py2_, x0_, y0_, sx_, sy_);
  mask = {type_, mx_, my_, rot_, px1_, py1_, px2_, py2_, x0_, y0_, sx_, sy_};
}

void zaz_class_::draw_mask_(int32_t type_, float mx_, float my_, float rot_, float px1_, float py1_, float px2_,
                            float py2_, float x0_, float y0_, float sx_, float sy_) {
  if (type_ <= mask_none_ || !paint.dc || !page_ptr_(pages.active)) return;
  dc_& dc = *paint.dc;
  const int32_t w = dc.target_().width_(), h = dc.target_().height_();
  const view_transform_rec_ v = view_transform_(w, h);
  const pixel_rect_ client{0, 0, w, h};
  const mask_state_rec_ m{type_, mx_, my_, rot_, px1_, py1_, px2_, py2_, x0_, y0_, sx_, sy_};
  const pen_ old_pen = dc.current_pen_();
  const brush_ old_brush = dc.current_brush_();
  dc.set_rop_(rop_::invert_);
  dc.set_text_colour_(0);
  mask_painter painter(*this, m, dc, v, client);
  const int32_t n = std::min<int64_t>(records_(), int64_t(store.live.objects.size()) - 1);
  for (int32_t i = 1; i <= n; ++i) {
    const object_rec_& o = store.live.objects[size_t(i)];
    if (o.deleted != false_ || o.page != pages.active || o.selected != true_) continue;
    painter.record(o);
  }
  dc.select_pen_(old_pen);
  dc.select_brush_(old_brush);
}
