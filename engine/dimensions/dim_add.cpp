// Adding dimensions, centre marks and references. Each add copies the chosen dimension
// style into its record, so a later change of the style leaves the object as it is.
#include <cmath>
#include <initializer_list>
#include <string>

#include "engine/dimensions/dim_build.h"
#include "engine/geometry/edit_util.h"
#include "engine/zaz_class.h"

using namespace dim_build_;

namespace {

bool all_in_range(std::initializer_list<float> values) {
  for (float v : values)
    if (!(std::fabs(v) < coord_limit_)) return false;  // NaN is refused too
  return true;
}

}  // namespace

namespace dim_add_ {

// The style copy, or nullptr for a number outside the table (entry 0 included).
const dimstyle_rec_* style_entry(const zaz_class_& e, int32_t style_id) {
  if (style_id < 0 || size_t(style_id) >= e.styles.styles.size()) return nullptr;
  return &e.styles.styles[size_t(style_id)];
}


}  // namespace dim_add_

int32_t zaz_class_::add_dimf_(int32_t style_id_, float dx1_, float dy1_, float dx2_, float dy2_,
                              float dx3_, float dy3_, float dx4_, float dy4_, float length_,
                              int32_t color_, int16_t style_, int16_t width_, int32_t layer_,
                              const std::string& dimtext_) {
  if (!all_in_range({dx1_, dy1_, dx2_, dy2_, dx3_, dy3_, dx4_, dy4_})) return 0;
  const dimstyle_rec_* style = dim_add_::style_entry(*this, style_id_);
  if (!style) return 0;
  add_slot_ s;
  if (!add_begin_(ot_dimension_, color_, color_none_, style_, width_, layer_, s)) return 0;
  dimension_rec_ r;
  r.kind = 0;
  r.x1 = dx1_, r.y1 = dy1_, r.x2 = dx2_, r.y2 = dy2_;
  r.x3 = dx3_, r.y3 = dy3_, r.x4 = dx4_, r.y4 = dy4_;
  r.length = length_ != 0 ? length_ : distance(dx3_, dy3_, dx4_, dy4_);
  r.style_id = style_id_;
  r.style = *style;
  dim_build_linear_(r, dimtext_);
  object_rec_& o = object_(s.record);
  extent_dimension_(r, o.x1, o.y1, o.x2, o.y2);
  store.live.dimensions[size_t(s.entry)] = std::move(r);
  return add_commit_(s);
}

int32_t zaz_class_::add_dimh_(int32_t style_id_, float dx1_, float dy1_, float dx2_, float dy2_,
                              float /*ex0_*/, float ey0_, float length_, int32_t color_,
                              int16_t style_, int16_t width_, int32_t layer_,
                              const std::string& dimtext_) {
  return add_dimf_(style_id_, dx1_, dy1_, dx2_, dy2_, dx1_, ey0_, dx2_, ey0_, length_, color_,
                   style_, width_, layer_, dimtext_);
}

int32_t zaz_class_::add_dimv_(int32_t style_id_, float dx1_, float dy1_, float dx2_, float dy2_,
                              float ex0_, float /*ey0_*/, float length_, int32_t color_,
                              int16_t style_, int16_t width_, int32_t layer_,
                              const std::string& dimtext_) {
  return add_dimf_(style_id_, dx1_, dy1_, dx2_, dy2_, ex0_, dy1_, ex0_, dy2_, length_, color_,
                   style_, width_, layer_, dimtext_);
}

namespace {

// The point of the curve's full ellipse (an arc's ends are not considered) nearest to the
// cursor, sampled every 0.001 radians; the first of equally near points wins.
void nearest_on_curve(zaz_class_& e, const arc_rec_& c, float cux, float cuy, float& nx,
                      float& ny) {
  double best = 0;
  bool any = false;
  for (float t = 0; t <= two_pi_f;) {
    float rx = 0, ry = 0;
    e.calc_rotate_00_deg_(c.rotation, f32_(double(c.rx) * std::cos(double(t))),
                          f32_(double(c.ry) * std::sin(double(t))), rx, ry);
    const float x = f32_(double(rx) + c.cx), y = f32_(double(ry) + c.cy);
    const double d = std::hypot(double(x) - cux, double(y) - cuy);
    if (!any || d < best) best = d, nx = x, ny = y, any = true;
    t = f32_(double(t) + 0.001);
  }
}

}  // namespace

namespace dim_add_ {

int32_t add_radial(zaz_class_& e, int32_t kind, int32_t style_id, int32_t obj_id, float cux,
                   float cuy, float length, int32_t color, int16_t style_, int16_t width,
                   int32_t layer, const std::string& dimtext) {
  if (!all_in_range({cux, cuy})) return 0;
  const arc_rec_* curve = edit_::conic_of_(e, obj_id);
  if (!curve) return 0;
  const dimstyle_rec_* style = style_entry(e, style_id);
  if (!style) return 0;
  float nx = 0, ny = 0;
  nearest_on_curve(e, *curve, cux, cuy, nx, ny);
  const float cx = curve->cx, cy = curve->cy;
  add_slot_ s;
  if (!e.add_begin_(ot_dimension_, color, color_none_, style_, width, layer, s)) return 0;
  dimension_rec_ r;
  r.kind = kind;
  r.x1 = r.x3 = nx, r.y1 = r.y3 = ny;
  if (kind == 1) {
    r.x2 = cx, r.y2 = cy;
  } else {  // the point opposite through the centre
    r.x2 = f32_(double(cx) - f32_(double(nx) - cx));
    r.y2 = f32_(double(cy) - f32_(double(ny) - cy));
  }
  r.x4 = r.x2, r.y4 = r.y2;
  r.length = length != 0 ? length : distance(r.x1, r.y1, r.x2, r.y2);
  r.style_id = style_id;
  r.style = *style;
  e.dim_build_linear_(r, dimtext);
  // No extension lines on a radius or diameter, and no arrowhead at a radius's centre.
  r.style.extline_show1 = false_;
  r.style.extline_show2 = false_;
  if (kind == 1) r.style.arrow2 = 0;
  object_rec_& o = e.object_(s.record);
  e.extent_dimension_(r, o.x1, o.y1, o.x2, o.y2);
  e.store.live.dimensions[size_t(s.entry)] = std::move(r);
  return e.add_commit_(s);
}

}  // namespace dim_add_

int32_t zaz_class_::add_dimr_(int32_t style_id_, int32_t obj_id_, float cux_, float cuy_,
                              float length_, int32_t color_, int16_t style_, int16_t width_,
                              int32_t layer_, const std::string& dimtext_) {
  return dim_add_::add_radial(*this, 1, style_id_, obj_id_, cux_, cuy_, length_, color_, style_,
                              width_, layer_, dimtext_);
}

int32_t zaz_class_::add_dimd_(int32_t style_id_, int32_t obj_id_, float cux_, float cuy_,
                              float length_, int32_t color_, int16_t style_, int16_t width_,
                              int32_t layer_, const std::string& dimtext_) {
  return dim_add_::add_radial(*this, 2, style_id_, obj_id_, cux_, cuy_, length_, color_, style_,
                              width_, layer_, dimtext_);
}

int32_t zaz_class_::add_dima_(int32_t style_id_, float dx0_, float dy0_, float dx1_, float dy1_,
                              float dx2_, float dy2_, float /*angle_*/, int32_t color_,
                              int16_t style_, int16_t width_, int32_t layer_,
                              const std::string& /*dimtext_*/) {
  if (!all_in_range({dx0_, dy0_, dx1_, dy1_, dx2_, dy2_})) return 0;
  const dimstyle_rec_* style = dim_add_::style_entry(*this, style_id_);
  if (!style) return 0;
  add_slot_ s;
  if (!add_begin_(ot_angular_dim_, color_, color_none_, style_, width_, layer_, s)) return 0;
  angular_dim_rec_ r;
  r.cx = dx0_, r.cy = dy0_;
  r.rotation = 0;
  r.a1 = calc_angle_(dx0_, dy0_, dx1_, dy1_, false_, 0);
  r.a2 = calc_angle_(dx0_, dy0_, dx2_, dy2_, false_, 0);
  // The arc runs counter-clockwise from the first leg to the second.
  if (r.a1 > r.a2) r.a1 = f32_(double(r.a1) - two_pi_f);
  r.rx = r.ry = distance(dx0_, dy0_, dx2_, dy2_);
  r.style_id = style_id_;
  r.style = *style;
  r.arrows_outside = false_;
  if (!dim_build_angular_(r, {})) return 0;
  object_rec_& o = object_(s.record);
  extent_angular_dim_(r, o.x1, o.y1, o.x2, o.y2);
  store.live.angular_dims[size_t(s.entry)] = std::move(r);
  return add_commit_(s);
}

int32_t zaz_class_::add_dimc_(int32_t /*style_id_*/, int32_t obj_id_, int32_t color_,
                              int16_t style_, int16_t width_, int32_t layer_) {
  const arc_rec_* curve = edit_::conic_of_(*this, obj_id_);
  if (!curve) return 0;
  return add_point_(curve->cx, curve->cy, 1, 15, color_, style_, width_, layer_);
}

int32_t zaz_class_::add_ref_(int32_t style_id_, const std::string& reftext_, int32_t color_,
                             int16_t style_, int16_t width_, int32_t layer_) {
  const int32_t n = vertex_count_();
  if (n < 2) return 0;
  const dimstyle_rec_* style = dim_add_::style_entry(*this, style_id_);
  if (!style) return 0;
  add_slot_ s;
  if (!add_begin_(ot_reference_, color_, color_none_, style_, width_, layer_, s)) return 0;
  reference_rec_ r;
  r.count = n;
  r.x.assign(size_t(n) + 1, 0.0f);
  r.y.assign(size_t(n) + 1, 0.0f);
  for (int32_t i = 1; i <= n; ++i) r.x[size_t(i)] = vertex_px_(i), r.y[size_t(i)] = vertex_py_(i);
  r.style_id = style_id_;
  r.style = *style;
  if (!ref_build_(r, reftext_)) return 0;
  object_rec_& o = object_(s.record);
  extent_point_list_(r, o.x1, o.y1, o.x2, o.y2);
  store.live.references[size_t(s.entry)] = std::move(r);
  return add_commit_(s);
}
