// Dimension tools: aligned (DIM.F) with its baseline (DIM.B) and chained (DIM.G) series,
// horizontal and vertical (DIM.H, DIM.V), angular (DIM.A), radius, diameter and centre mark
// (DIM.R, DIM.D, DIM.C) and the reference leader (DIM.E). Every committing click first updates
// the figure at its own point, so a click without a move never adds an earlier figure.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_draw_util.h"
#include "mainwindow/view/view_input.h"
#include "platform/window/window.h"
#include "shell/language.h"

using namespace view_draw;

namespace {
// The step-1 offset of an aligned dimension: this share of the visible view width.
constexpr float default_offset_share = 0.025f;
// Spacing of a baseline series; the auxiliary points that fix a continuation's direction.
constexpr float baseline_spacing = 10;
constexpr float baseline_aux = 1, chain_aux = 10;

bool is_aligned(const std::string& t) { return t == "DIM.F" || t == "DIM.B" || t == "DIM.G"; }
bool is_dim_tool(const std::string& t) {
  return is_aligned(t) || t == "DIM.H" || t == "DIM.V" || t == "DIM.A" || t == "DIM.R" || t == "DIM.D" ||
         t == "DIM.C" || t == "DIM.E";
}

float along(float from, float dist, float angle, bool x) {
  return float(double(from) + double(dist) * (x ? std::cos(double(angle)) : std::sin(double(angle))));
}

void linear_preview(zaz_class_& e, const draw_state_rec_& s) {
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.x2 = s.live_x2_, p.y2 = s.live_y2_;
  p.x3 = s.live_x3_, p.y3 = s.live_y3_, p.x4 = s.live_x4_, p.y4 = s.live_y4_;
  preview(e, 12, p);
}
}  // namespace

// ---- Aligned, baseline and chained ---------------------------------------------------------

void view_input_::dim_linear_move_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const std::string& t = tool();
  const auto place_line = [&] {
    s.live_x3_ = along(s.live_x1_, s.dim_offset_, s.dim_dir_, true);
    s.live_y3_ = along(s.live_y1_, s.dim_offset_, s.dim_dir_, false);
    s.live_x4_ = along(s.live_x2_, s.dim_offset_, s.dim_dir_, true);
    s.live_y4_ = along(s.live_y2_, s.dim_offset_, s.dim_dir_, false);
  };
  if (s.tool_step_ == 1) {
    point_(s.p2x_, s.p2y_);
    lock_rule_(s.p1x_, s.p1y_, s.p2x_, s.p2y_);
    s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
    s.dim_dir_ = e.calc_angle_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, false_, 0) + half_pi_f;
    if (row_checked_(3)) {
      s.dim_offset_ = row_value_(3);
    } else {
      const float z = e.view_zoom_();
      const float w = float(h_.view_().client_width_());
      if (z != 0) s.dim_offset_ = std::fabs(w / z) * default_offset_share;
    }
    place_line();
  } else if (s.tool_step_ == 2) {
    s.dim_dir_ = e.calc_angle_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, false_, 0) + half_pi_f;
    if (row_checked_(3)) {
      s.dim_offset_ = row_value_(3);
    } else {
      // The cursor's perpendicular distance from the measured line, positive on the side of
      // dim_dir_ (left of the direction from the first point to the second).
      point_(s.p3x_, s.p3y_);
      float fx = s.p3x_, fy = s.p3y_;
      e.calc_cross_lp_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, s.p3x_, s.p3y_, fx, fy);
      const float dx = float(double(fx) - s.p3x_), dy = float(double(fy) - s.p3y_);
      s.dim_offset_ = float(std::hypot(double(dx), double(dy)));
      float rx = 0, ry = 0;
      e.calc_rotate_00_rad_(-(s.dim_dir_ - half_pi_f), dx, dy, rx, ry);
      if (ry > 0) s.dim_offset_ = -s.dim_offset_;
      show_row_(3, s.dim_offset_);
    }
    s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
    place_line();
  } else if (s.tool_step_ == 3) {
    point_(s.live_x2_, s.live_y2_);
    float hx = 0, hy = 0;
    if (t == "DIM.B") {
      s.live_x3_ = along(s.live_x1_, baseline_spacing, s.dim_dir_, true);
      s.live_y3_ = along(s.live_y1_, baseline_spacing, s.dim_dir_, false);
      const float a = e.calc_angle_(s.live_x1_, s.live_y1_, s.live_x3_, s.live_y3_, false_, 0) - half_pi_f;
      hx = along(s.live_x3_, baseline_aux, a, true);
      hy = along(s.live_y3_, baseline_aux, a, false);
      s.dim_dir_ = e.calc_angle_(s.live_x1_, s.live_y1_, s.live_x3_, s.live_y3_, false_, 0);
    } else {
      s.dim_dir_ = e.calc_angle_(s.live_x1_, s.live_y1_, s.live_x3_, s.live_y3_, false_, 0) - half_pi_f;
      hx = along(s.live_x3_, chain_aux, s.dim_dir_, true);
      hy = along(s.live_y3_, chain_aux, s.dim_dir_, false);
    }
    e.calc_cross_lp_(s.live_x3_, s.live_y3_, hx, hy, s.live_x2_, s.live_y2_, s.live_x4_, s.live_y4_);
  } else {
    return;
  }
  linear_preview(e, s);
}

void view_input_::dim_linear_commit_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const std::string& t = tool();
  const new_object_attrs_rec_ a = h_.attrs_();
  e.state_begin_();
  if (s.tool_step_ == 2) {
    s.dim_dir_ = e.calc_angle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, false_, 0) + half_pi_f;
    const float d = row_value_(3);  // the distance the last update wrote, or the typed one
    s.p3x_ = float(std::cos(double(s.dim_dir_)) * d);
    s.p3y_ = float(std::sin(double(s.dim_dir_)) * d);
    e.add_dimf_(e.dimstyle_active_(), s.p1x_, s.p1y_, s.p2x_, s.p2y_, s.p1x_ + s.p3x_, s.p1y_ + s.p3y_,
                s.p2x_ + s.p3x_, s.p2y_ + s.p3y_, 0, a.dcolor, a.style, a.width, e.layer_active_(), "");
  } else {
    e.add_dimf_(e.dimstyle_active_(), s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, s.live_x3_, s.live_y3_,
                s.live_x4_, s.live_y4_, 0, a.dcolor, a.style, a.width, e.layer_active_(), "");
  }
  e.state_save_(lang_text_("change.dim.distance"));
  if (t == "DIM.F") {
    s.tool_step_ = 0;
  } else {
    if (t == "DIM.B") {
      s.live_x1_ = s.live_x3_, s.live_y1_ = s.live_y3_;
    } else {
      s.live_x1_ = s.live_x2_, s.live_y1_ = s.live_y2_;
      s.live_x3_ = s.live_x4_, s.live_y3_ = s.live_y4_;
    }
    s.tool_step_ = 3;
  }
  h_.ref_states_();
  h_.ref_(false_, false_);
}

// ---- Horizontal and vertical -----------------------------------------------------------

void view_input_::dim_hv_move_() {
  draw_state_rec_& s = ds();
  const bool horizontal = tool() == "DIM.H";
  float cx = 0, cy = 0;  // where the dimension line goes
  if (s.tool_step_ == 1) {
    point_(s.p2x_, s.p2y_);
    cx = s.p2x_, cy = s.p2y_;
  } else if (s.tool_step_ == 2) {
    point_(s.p3x_, s.p3y_);
    cx = s.p3x_, cy = s.p3y_;
  } else {
    return;
  }
  s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
  if (horizontal) {
    s.live_x3_ = s.p1x_, s.live_y3_ = cy, s.live_x4_ = s.p2x_, s.live_y4_ = cy;
  } else {
    s.live_x3_ = cx, s.live_y3_ = s.p1y_, s.live_x4_ = cx, s.live_y4_ = s.p2y_;
  }
  linear_preview(h_.engine_(), s);
}

// ---- Reference ---------------------------------------------------------------------------

void view_input_::ref_move_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  point_(s.live_x1_, s.live_y1_);
  s.p1x_ = e.vertex_px_(0);
  s.p1y_ = e.vertex_py_(0);
  lock_rule_(s.p1x_, s.p1y_, s.live_x1_, s.live_y1_);
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.text = row_text_(3);
  preview(e, 16, p);
}

// ---- Dispatch ------------------------------------------------------------------------------

bool view_input_::dims_move_() {
  const std::string& t = tool();
  if (!is_dim_tool(t)) return false;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  if (is_aligned(t)) {
    dim_linear_move_();
  } else if (t == "DIM.H" || t == "DIM.V") {
    dim_hv_move_();
  } else if (t == "DIM.A") {
    if (s.tool_step_ < 1) return true;
    point_(s.p3x_, s.p3y_);
    preview_rec p;
    p.x1 = s.p1x_, p.y1 = s.p1y_;
    if (s.tool_step_ == 1) {
      p.x2 = s.p3x_, p.y2 = s.p3y_;
      preview(e, 1, p);
      return true;
    }
    // The arc runs counter-clockwise from the first leg to the cursor.
    const float r = float(std::hypot(double(s.p1x_) - s.p3x_, double(s.p1y_) - s.p3y_));
    float a1 = e.calc_angle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, false_, 0);
    const float a2 = e.calc_angle_(s.p1x_, s.p1y_, s.p3x_, s.p3y_, false_, 0);
    if (a2 < a1) a1 = float(double(a1) - 2 * double(pi_f));
    p.rx = p.ry = r, p.aa1 = a1, p.aa2 = a2;
    preview(e, 15, p);
  } else if (t == "DIM.R" || t == "DIM.D") {
    if (s.tool_step_ == 1 && dim_pick_ >= 1) {
      point_(s.p1x_, s.p1y_);
      preview_rec p;
      p.x1 = s.p1x_, p.y1 = s.p1y_, p.font = dim_pick_;
      preview(e, t == "DIM.R" ? 13 : 14, p);
    }
  } else if (t == "DIM.E") {
    if (s.tool_step_ >= 1) ref_move_();
  }
  return true;
}

bool view_input_::dims_down_(int32_t button, int32_t shift) {
  const std::string t = tool();
  if (!is_dim_tool(t)) return false;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const new_object_attrs_rec_ a = h_.attrs_();
  const auto refresh = [&] {
    h_.ref_states_();
    h_.ref_(false_, false_);
  };
  if (t == "DIM.R" || t == "DIM.D" || t == "DIM.C") {
    point_(s.p1x_, s.p1y_);
    int32_t type = 0;
    const int32_t id = e.getrfp_(s.p1x_, s.p1y_, type, false_, false_);
    const bool round = id >= 1 && (type == ot_arc_ || type == ot_circle_ || type == ot_ellipse_);
    if (t != "DIM.C" && s.tool_step_ == 0 && round) {
      dim_pick_ = id;
      s.tool_step_ = 1;
    } else if (t != "DIM.C" && s.tool_step_ == 1) {
      e.state_begin_();
      if (t == "DIM.R")
        e.add_dimr_(e.dimstyle_active_(), dim_pick_, s.p1x_, s.p1y_, 0, a.dcolor, a.style, a.width,
                    e.layer_active_(), "");
      else
        e.add_dimd_(e.dimstyle_active_(), dim_pick_, s.p1x_, s.p1y_, 0, a.dcolor, a.style, a.width,
                    e.layer_active_(), "");
      e.state_save_(lang_text_(t == "DIM.R" ? "change.dim.radius" : "change.dim.dimeter"));
      refresh();
      s.tool_step_ = 0;
    } else if (!round) {
      say_("message.invalidobject");
    } else {
      e.state_begin_();
      e.add_dimc_(e.dimstyle_active_(), id, a.dcolor, a.style, a.width, e.layer_active_());
      e.state_save_(lang_text_("change.dim.center"));
      refresh();
      s.tool_step_ = 0;
    }
    return true;
  }
  if (t == "DIM.E") {
    if (s.tool_step_ <= 0) {
      e.vertex_clear_();
      point_(s.live_x1_, s.live_y1_);
    } else {
      ref_move_();
    }
    ++s.tool_step_;
    e.vertex_add_(s.live_x1_, s.live_y1_, 0);
    if (shift != 2) return true;
    if (s.tool_step_ >= 2) {
      e.state_begin_();
      e.add_ref_(e.dimstyle_active_(), row_text_(3), a.dcolor, a.style, a.width, e.layer_active_());
      e.state_save_(lang_text_("change.dim.ref"));
    }
    s.tool_step_ = 0;
    refresh();
    return true;
  }
  if (button != 1) return true;
  if (t == "DIM.A") {
    preview(e, 0);
    if (s.tool_step_ == 0) {
      point_(s.p1x_, s.p1y_);
      s.tool_step_ = 1;
    } else if (s.tool_step_ == 1) {
      point_(s.p2x_, s.p2y_);
      s.tool_step_ = 2;
    } else {
      point_(s.p3x_, s.p3y_);
      s.tool_step_ = 0;
      e.state_begin_();
      e.add_dima_(e.dimstyle_active_(), s.p1x_, s.p1y_, s.p2x_, s.p2y_, s.p3x_, s.p3y_, 0, a.dcolor, a.style,
                  a.width, e.layer_active_(), "");
      e.state_save_(lang_text_("change.dim.angle"));
      refresh();
    }
    return true;
  }
  if (s.tool_step_ == 0) {
    preview(e, 0);
    point_(s.p1x_, s.p1y_);
    s.tool_step_ = 1;
    return true;
  }
  if (s.tool_step_ == 1) {
    is_aligned(t) ? dim_linear_move_() : dim_hv_move_();
    preview(e, 0);
    s.tool_step_ = 2;
    return true;
  }
  if (is_aligned(t)) {
    dim_linear_move_();
    dim_linear_commit_();
    return true;
  }
  dim_hv_move_();
  e.state_begin_();
  if (t == "DIM.H")
    e.add_dimh_(e.dimstyle_active_(), s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, s.live_x3_, s.live_y3_, 0,
                a.dcolor, a.style, a.width, e.layer_active_(), "");
  else
    e.add_dimv_(e.dimstyle_active_(), s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, s.live_x3_, s.live_y3_, 0,
                a.dcolor, a.style, a.width, e.layer_active_(), "");
  e.state_save_(lang_text_("change.dim.distance"));
  s.tool_step_ = 0;
  refresh();
  return true;
}
