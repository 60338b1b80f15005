// View tools: pan (also the middle button with any tool), drag zoom, zoom window, zoom in and
// out, and dragging the active page. None of them is an undo step. The view they set is kept
// inside finite limits, so repeated zooms and pans never reach infinity or zero.
#include <cmath>
#include <cstdlib>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/view/view_input.h"
#include "platform/window/window.h"

namespace {
// The farthest the view centre may lie from the origin, in drawing units.
constexpr float centre_limit = 1e9f;

float clamp_centre(float v, float keep) {
  if (!std::isfinite(v)) return keep;
  return v < -centre_limit ? -centre_limit : v > centre_limit ? centre_limit : v;
}
}  // namespace

void view_input_::set_view_(float zoom, float x, float y) {
  zaz_class_& e = h_.engine_();
  if (std::isfinite(zoom) && zoom > 0)
    e.view_zoom_(zoom < zoom_lowest_ ? zoom_lowest_ : zoom > zoom_highest_ ? zoom_highest_ : zoom);
  e.view_posx_(clamp_centre(x, e.view_posx_()));
  e.view_posy_(clamp_centre(y, e.view_posy_()));
}

void view_input_::pan_press_(int32_t mx, int32_t my) {
  zaz_class_& e = h_.engine_();
  h_.ds_saved_() = ds();
  draw_state_rec_& s = ds();
  s.down_posx_ = e.view_posx_();
  s.down_posy_ = e.view_posy_();
  s.down_mx_ = mx;
  s.down_my_ = my;
  s.tool_step_ = 1;
}

void view_input_::pan_move_(int32_t mx, int32_t my) {
  zaz_class_& e = h_.engine_();
  const draw_state_rec_& s = ds();
  const float z = e.view_zoom_();
  if (!(z > 0)) return;
  set_view_(z, s.down_posx_ - float(mx - s.down_mx_) / z, s.down_posy_ + float(my - s.down_my_) / z);
  h_.ref_(true_, false_);
}

void view_input_::zoom_press_(int32_t mx, int32_t my) {
  draw_state_rec_& s = ds();
  if (s.tool_step_ != 0) return;
  s.down_zoom_ = h_.engine_().view_zoom_();
  s.down_mx_ = mx;
  s.down_my_ = my;
  s.tool_step_ = 1;
}

void view_input_::zoom_move_(int32_t my) {
  zaz_class_& e = h_.engine_();
  const draw_state_rec_& s = ds();
  const float d = float(s.down_my_ - my);
  const float zoom = d >= 0 ? s.down_zoom_ * (1 + d / 200) : s.down_zoom_ / (1 + std::fabs(d) / 200);
  set_view_(zoom, e.view_posx_(), e.view_posy_());
  h_.ref_(true_, false_);
}

void view_input_::zoom_area_press_(int32_t mx, int32_t my) {
  draw_state_rec_& s = ds();
  if (s.tool_step_ == 0) {
    s.down_mx_ = mx;
    s.down_my_ = my;
    point_(s.p1x_, s.p1y_);
    s.tool_step_ = 1;
    return;
  }
  s.tool_step_ = 0;
  point_(s.p2x_, s.p2y_);
  const float dx = std::fabs(s.p2x_ - s.p1x_), dy = std::fabs(s.p2y_ - s.p1y_);
  const pixel_rect_ r = h_.view_().window_rect_();
  const float W = float(r.right - r.left), H = float(r.bottom - r.top);
  if (dx > 0 && dy > 0 && W > 0 && H > 0) {
    const float zoom = dy / dx >= H / W ? H / dy : W / dx;
    set_view_(zoom, (s.p1x_ + s.p2x_) / 2, (s.p1y_ + s.p2y_) / 2);
  }
  h_.ref_(false_, false_);
}

void view_input_::zoom_step_(bool in) {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  point_(s.p2x_, s.p2y_);
  const float x = e.view_posx_(), y = e.view_posy_(), z = e.view_zoom_();
  if (in)
    set_view_(z * 2, (x + s.p2x_) / 2, (y + s.p2y_) / 2);
  else
    set_view_(z * 0.5f, x - (s.p2x_ - x), y - (s.p2y_ - y));
  h_.ref_(false_, false_);
}

void view_input_::page_press_(int32_t mx, int32_t my) {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  e.mxy2cxy_(mx, my, false_, false_);
  point_(s.p1x_, s.p1y_);
  const int16_t page = e.page_active_();
  s.p3x_ = e.page_posx_(page);
  s.p3y_ = e.page_posy_(page);
  s.tool_step_ = 1;
}

void view_input_::page_move_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  point_(s.p2x_, s.p2y_);
  const int16_t page = e.page_active_();
  e.page_posx_(page, s.p2x_ - s.p1x_ + s.p3x_);
  e.page_posy_(page, s.p2y_ - s.p1y_ + s.p3y_);
  h_.ref_(false_, false_);
}
