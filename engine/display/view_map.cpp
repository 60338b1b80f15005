// Paint frame: the host's device context, the view mapping and the repaint entry.
#include <algorithm>
#include <cmath>

#include "engine/zaz_class.h"

view_transform_rec_ zaz_class_::view_transform_(int32_t w, int32_t h) const {
  const view_rec_& v = active_view_();
  view_transform_rec_ t;
  t.offset_x = f32_(double(v.posx) * v.zoom - w * 0.5);
  t.offset_y = f32_(-h * 0.5 - double(v.posy) * v.zoom);
  t.scale_x = v.zoom;
  t.scale_y = f32_(-double(v.zoom));
  return t;
}

view_area_rec_ zaz_class_::view_area_(int32_t w, int32_t h) const {
  const view_rec_& v = active_view_();
  const double z = v.zoom != 0.f ? v.zoom : 1.0;
  return {f32_(v.posx - w * 0.5 / z), f32_(v.posy - h * 0.5 / z), f32_(v.posx + w * 0.5 / z),
          f32_(v.posy + h * 0.5 / z)};
}

pixel_point_ zaz_class_::map_px_(const view_transform_rec_& v, float x, float y) {
  // A point far beyond any screen saturates at 2^30 pixels instead of wrapping, which leaves
  // room for the markers, grips and labels that painters draw a few pixels around it.
  static constexpr double limit = 1073741824.0;
  auto clamp = [](double p) { return std::isnan(p) ? 0.0 : std::clamp(p, -limit, limit); };  // NaN: 0, as before
  pixel_point_ p;
  p.x = cint32_(clamp(double(x) * v.scale_x - v.offset_x));
  p.y = cint32_(clamp(double(y) * v.scale_y - v.offset_y));
  return p;
}

void zaz_class_::dinit_(dc_* hdc_) {
  paint.dc = hdc_;
  views.window_width = hdc_ ? hdc_->target_().width_() : 0;
  views.window_height = hdc_ ? hdc_->target_().height_() : 0;
}

void zaz_class_::display_(dc_* hdc_, flag16_ /*resize_*/, flag16_ fast_) {
  dinit_(hdc_);
  // A repaint draws over every inverted figure: what was remembered of them is gone.
  preview_forget_();
  mask.forget();
  paint_begin_(fast_);
}

void zaz_class_::paint_begin_(flag16_ fast) {
  if (!paint.dc) return;
  graphics_ g(paint.dc->target_());
  if (!g.valid_()) return;
  g.set_page_unit_(gp_unit_::pixel_);
  g.reset_transform_();
  g.set_smoothing_(false);
  paint.dc->set_rop_(rop_::copy_pen_);
  paint.gfx = &g;
  paint_page_(fast);
  paint.gfx = nullptr;
}

pixel_point_* zaz_class_::point_buffer_(size_t count) {
  if (paint.points.size() < count) paint.points.resize(count);
  return paint.points.data();
}
