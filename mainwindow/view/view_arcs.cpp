// Arcs (ARC.R, ARC.2P, ARC.3P), circles (CIRCLE.R, CIRCLE.2P, CIRCLE.3P) and ELLIPSE, with the
// radius lock and the fill hatches of a sector and of a full figure. The committing click
// first updates the figure at its own point; three points that span no circle (collinear or
// repeated) add nothing, make no undo step and leave the tool waiting for a better point.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_draw_util.h"
#include "mainwindow/view/view_input.h"
#include "shell/language.h"

using namespace view_draw;

namespace {
// Samples of a fill outline at most: an angle range typed in the millions still ends.
constexpr int32_t outline_max = 100000;

bool is_arc_tool(const std::string& t) {
  return t == "ARC.R" || t == "ARC.2P" || t == "ARC.3P" || t == "CIRCLE.R" || t == "CIRCLE.2P" ||
         t == "CIRCLE.3P" || t == "ELLIPSE";
}
}  // namespace

void view_input_::radius_lock_(double d) {
  live_vals_[1] = float(d);
  if (row_checked_(1)) live_vals_[1] = row_value_(1);
  else show_row_(1, live_vals_[1]);
}

bool view_input_::three_point_circle_(float ax, float ay, float bx, float by, float cx, float cy) {
  draw_state_rec_& s = ds();
  const double cross = (double(bx) - ax) * (double(cy) - ay) - (double(by) - ay) * (double(cx) - ax);
  if (cross == 0) return false;
  float x = 0, y = 0, r = -1, a1 = s.arc_a1_, a2 = s.arc_a2_;
  h_.engine_().calc_arc3p_(ax, ay, bx, by, cx, cy, x, y, r, a1, a2);
  if (r < 0) return false;  // the engine found no circle and wrote nothing
  s.live_x1_ = x, s.live_y1_ = y, s.live_radius_ = r, s.arc_a1_ = a1, s.arc_a2_ = a2;
  return true;
}

void view_input_::hatch_buffer_(int32_t scale_item, int32_t rot_item) {
  zaz_class_& e = h_.engine_();
  const new_object_attrs_rec_ a = h_.attrs_();
  e.add_hatch_(e.hatch_active_(), row_value_(scale_item), row_value_(rot_item), a.dcolor, a.fcolor, a.style, a.width,
               e.layer_active_(), 0);
}

void view_input_::sector_hatch_(float cx, float cy, float r, float a1, float a2, bool degrees, int32_t scale_item,
                                int32_t rot_item) {
  zaz_class_& e = h_.engine_();
  e.vertex_clear_();
  if (a1 > a2) {
    a1 = degrees ? float(double(a1) - 360) : float(double(a1) - two_pi_f);
    ds().arc_a1_ = a1;
  }
  const float k = degrees ? pi_f / 180 : 1;
  const float start = a1 * k, end = a2 * k;
  const auto add = [&](float t) {
    e.vertex_add_(float(cx + double(r) * std::cos(double(t))), float(cy + double(r) * std::sin(double(t))), 0);
  };
  int32_t n = 0;
  for (float t = start; t <= end && n < outline_max; t += 0.1f, ++n) {
    add(t);
    if (t + 0.1f == t) break;
  }
  add(end);
  e.vertex_add_(cx, cy, 0);
  hatch_buffer_(scale_item, rot_item);
}

void view_input_::full_hatch_(float cx, float cy, float rx, float ry, int32_t scale_item, int32_t rot_item) {
  zaz_class_& e = h_.engine_();
  e.vertex_clear_();
  for (float t = 0; t <= two_pi_f; t += 0.1f)
    e.vertex_add_(float(cx + double(rx) * std::cos(double(t))), float(cy + double(ry) * std::sin(double(t))), 0);
  hatch_buffer_(scale_item, rot_item);
}

bool view_input_::arcs_move_() {
  const std::string& t = tool();
  if (!is_arc_tool(t)) return false;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  if (s.tool_step_ < 1) return true;
  preview_rec p;
  const bool three = t == "ARC.3P" || t == "CIRCLE.3P";
  if (three && s.tool_step_ == 2) {
    point_(s.p3x_, s.p3y_);
    // ARC.3P runs from the first click to the second through the cursor.
    if (t == "ARC.3P") three_point_circle_(s.p1x_, s.p1y_, s.p3x_, s.p3y_, s.p2x_, s.p2y_);
    else three_point_circle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, s.p3x_, s.p3y_);
    p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.rad = s.live_radius_;
    if (t == "ARC.3P") {
      p.aa1 = s.arc_a1_ * degrees_per_radian, p.aa2 = s.arc_a2_ * degrees_per_radian;
      preview(e, 6, p);
    } else {
      preview(e, 7, p);
    }
    return true;
  }
  if (s.tool_step_ != 1) return true;
  point_(s.p2x_, s.p2y_);
  const double dist = std::hypot(double(s.p2x_) - s.p1x_, double(s.p2y_) - s.p1y_);
  const float mx = float((double(s.p1x_) + s.p2x_) / 2), my = float((double(s.p1y_) + s.p2y_) / 2);
  if (t == "ELLIPSE") {
    size_lock_(1, 1, s.p1x_, s.p1y_, s.p2x_, s.p2y_);
    s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_rx_ = live_vals_[1], s.live_ry_ = live_vals_[2];
    p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.rx = s.live_rx_, p.ry = s.live_ry_;
    preview(e, 8, p);
  } else if (t == "ARC.R" || t == "CIRCLE.R") {
    radius_lock_(dist);
    s.live_radius_ = live_vals_[1];
    s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_;
    p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.rad = s.live_radius_;
  } else if (t == "ARC.2P" || t == "CIRCLE.2P") {
    radius_lock_(dist);
    s.live_diam_ = live_vals_[1];
    s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
    p.x1 = mx, p.y1 = my, p.rad = s.live_diam_ / 2;
  } else {  // the circle on the first chord of the three-point tools
    radius_lock_(dist / 2);
    s.live_radius_ = live_vals_[1];
    s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
    p.x1 = mx, p.y1 = my, p.rad = s.live_radius_;
  }
  if (t == "ARC.R" || t == "ARC.2P") {
    row_angle_(2, s.arc_a1_);
    row_angle_(3, s.arc_a2_);
    p.aa1 = s.arc_a1_, p.aa2 = s.arc_a2_;
    preview(e, 6, p);
  } else if (t != "ELLIPSE") {
    preview(e, 7, p);
  }
  return true;
}

bool view_input_::arcs_down_(int32_t button) {
  const std::string& t = tool();
  if (!is_arc_tool(t)) return false;
  if (button != 1) return true;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const bool three = t == "ARC.3P" || t == "CIRCLE.3P";
  if (s.tool_step_ == 0) {
    point_(s.p1x_, s.p1y_);
    s.tool_step_ = 1;
    return true;
  }
  if (three && s.tool_step_ == 1) {
    point_(s.p2x_, s.p2y_);
    s.tool_step_ = 2;
    return true;
  }
  if (three) {
    point_(s.p3x_, s.p3y_);
    const bool ok = t == "ARC.3P" ? three_point_circle_(s.p1x_, s.p1y_, s.p3x_, s.p3y_, s.p2x_, s.p2y_)
                                  : three_point_circle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, s.p3x_, s.p3y_);
    if (!ok) return true;
  } else {
    arcs_move_();
  }
  const new_object_attrs_rec_ a = h_.attrs_();
  e.state_begin_();
  float x = 0, y = 0;
  point_(x, y);
  s.tool_step_ = 0;
  const char* label = "change.draw.circle";
  if (t == "ARC.R" || t == "ARC.2P") {
    const bool two = t == "ARC.2P";
    const float cx = two ? float((double(s.live_x1_) + s.live_x2_) / 2) : s.live_x1_;
    const float cy = two ? float((double(s.live_y1_) + s.live_y2_) / 2) : s.live_y1_;
    const float r = two ? s.live_diam_ / 2 : s.live_radius_;
    e.add_arc_(cx, cy, r, r, 0, s.arc_a1_, s.arc_a2_, a.dcolor, a.fcolor, a.style, a.width, e.layer_active_());
    if (row_checked_(4)) sector_hatch_(cx, cy, r, s.arc_a1_, s.arc_a2_, true, 6, 7);
    label = "change.draw.arc";
  } else if (t == "ARC.3P") {
    e.add_arc_(s.live_x1_, s.live_y1_, s.live_radius_, s.live_radius_, 0, s.arc_a1_ * degrees_per_radian,
               s.arc_a2_ * degrees_per_radian, a.dcolor, a.fcolor, a.style, a.width, e.layer_active_());
    if (row_checked_(2)) sector_hatch_(s.live_x1_, s.live_y1_, s.live_radius_, s.arc_a1_, s.arc_a2_, false, 4, 5);
    label = "change.draw.arc";
  } else if (t == "ELLIPSE") {
    e.add_ellipse_(s.live_x1_, s.live_y1_, s.live_rx_, s.live_ry_, 0, a.dcolor, a.fcolor, a.style, a.width,
                   e.layer_active_());
    if (row_checked_(3)) full_hatch_(s.live_x1_, s.live_y1_, s.live_rx_, s.live_ry_, 5, 6);
    label = "change.draw.ellipse";
  } else {
    const bool two = t == "CIRCLE.2P";
    const float cx = two ? float((double(s.live_x1_) + s.live_x2_) / 2) : s.live_x1_;
    const float cy = two ? float((double(s.live_y1_) + s.live_y2_) / 2) : s.live_y1_;
    const float r = two ? s.live_diam_ / 2 : s.live_radius_;
    e.add_circle_(cx, cy, r, a.dcolor, a.fcolor, a.style, a.width, e.layer_active_());
    if (row_checked_(2)) full_hatch_(cx, cy, r, r, 4, 5);
  }
  commit_(label);
  return true;
}
