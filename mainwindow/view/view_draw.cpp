// POINT, POINTS, LINE, the vertex tools (POLYLINE, POLYGON, CURVE, HATCH and the measuring
// tools' clicks) and RECTANGLE, with the row rules the other drawing tools reuse: the length
// and angle lock, the width and height lock and the parallel offset. A committing click first
// updates the figure at its own point, so it never adds what an earlier move or figure left.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_draw_util.h"
#include "mainwindow/view/view_input.h"
#include "platform/services/dialogs.h"
#include "platform/window/window.h"
#include "shell/language.h"

using namespace view_draw;

float view_input_::row_value_(int32_t item) { return text_to_single_(row_text_(item)); }

void view_input_::show_row_(int32_t item, double v) { row_text_(item, format_fixed_(v, 4, true)); }

bool view_input_::row_angle_(int32_t item, float& target) {
  float v = 0;
  if (!text_is_number_(row_text_(item), v)) return false;
  target = float(std::nearbyint(double(v) * 10000) / 10000);
  return true;
}

void view_input_::lock_rule_(float x1, float y1, float& x2, float& y2) {
  zaz_class_& e = h_.engine_();
  live_vals_[1] = float(std::hypot(double(x2) - x1, double(y2) - y1));
  live_vals_[2] = e.calc_angle_(x1, y1, x2, y2, true_, 0);
  live_vals_[3] = e.calc_angle_(x1, y1, x2, y2, false_, 0);
  const bool lock_len = row_checked_(1), lock_ang = row_checked_(2);
  const auto place = [&](double len, double a) {
    x2 = float(x1 + len * std::cos(a));
    y2 = float(y1 + len * std::sin(a));
  };
  if (lock_len && lock_ang) {
    live_vals_[1] = row_value_(1);
    live_vals_[2] = row_value_(2) / degrees_per_radian;
    place(live_vals_[1], live_vals_[2]);
  } else if (lock_ang) {
    show_row_(1, live_vals_[1]);
    live_vals_[2] = row_value_(2) / degrees_per_radian;
    place(live_vals_[1], live_vals_[2]);
  } else if (lock_len) {
    live_vals_[1] = row_value_(1);
    show_row_(2, live_vals_[2]);
    place(live_vals_[1], live_vals_[3]);
  } else {
    show_row_(1, live_vals_[1]);
    show_row_(2, live_vals_[2]);
  }
  if (!lock_ang) show_row_(2, live_vals_[2]);
}

void view_input_::offset_rule_(int32_t item) {
  draw_state_rec_& s = ds();
  s.live_shift_val_ = row_value_(item);
  s.live_shift_ok_ = to_flag_(row_checked_(item) && s.live_shift_val_ != 0);
}

void view_input_::size_lock_(int32_t item, int32_t live, float x1, float y1, float& x2, float& y2) {
  float& w = live_vals_[size_t(live)];
  float& h = live_vals_[size_t(live) + 1];
  w = float(double(x2) - x1);
  h = float(double(y2) - y1);
  const bool lock_w = row_checked_(item), lock_h = row_checked_(item + 1);
  if (lock_w && lock_h) {
    w = row_value_(item);
    h = row_value_(item + 1);
    x2 = float(double(x1) + w);
    y2 = float(double(y1) + h);
  } else if (lock_h) {
    show_row_(item, w);
    h = row_value_(item + 1);
    y2 = float(double(y1) + h);
  } else if (lock_w) {
    show_row_(item + 1, h);
    w = row_value_(item);
    x2 = float(double(x1) + w);
  } else {
    show_row_(item, w);
    show_row_(item + 1, h);
  }
  if (!lock_h) show_row_(item + 1, h);
}

void view_input_::normalise_live_corners_() {
  draw_state_rec_& s = ds();
  if (s.live_x2_ > s.live_x1_) std::swap(s.live_x1_, s.live_x2_);
  if (s.live_y2_ > s.live_y1_) std::swap(s.live_y1_, s.live_y2_);
}

void view_input_::say_(const char* key) {
  message_box_(lang_text_(key), program_title_, box_ok_ + box_icon_info_, &h_.form_());
}

namespace {
bool is_vertex_tool(const std::string& t) {
  return t == "POLYLINE" || t == "POLYGON" || t == "CURVE" || t == "HATCH" || t == "MES.L" || t == "MES.A";
}
}  // namespace

bool view_input_::draw_down_(int32_t button, int32_t shift) {
  if (is_vertex_tool(tool())) {
    if (button == 1) vertex_click_(shift);
    return true;
  }
  return lines_down_(button) || place_down_(button) || arcs_down_(button) || modify_down_(button) ||
         dims_down_(button, shift);
}

bool view_input_::draw_move_() { return lines_move_() || place_move_() || arcs_move_() || dims_move_(); }

// ---- POINT, POINTS, LINE ---------------------------------------------------------------

void view_input_::line_move_() {
  draw_state_rec_& s = ds();
  point_(s.p2x_, s.p2y_);
  lock_rule_(s.p1x_, s.p1y_, s.p2x_, s.p2y_);
  offset_rule_(3);
  s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.x2 = s.live_x2_, p.y2 = s.live_y2_;
  p.shift_ok = s.live_shift_ok_, p.shift_val = s.live_shift_val_;
  preview(h_.engine_(), 1, p);
}

bool view_input_::lines_down_(int32_t button) {
  const std::string& t = tool();
  if (t != "POINT" && t != "POINTS" && t != "LINE" && t != "RECTANGLE") return false;
  if (button != 1) return true;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const new_object_attrs_rec_ a = h_.attrs_();
  if (t == "POINT") {
    e.state_begin_();
    point_(s.p1x_, s.p1y_);
    s.tool_step_ = 0;
    e.add_point_(s.p1x_, s.p1y_, 0, 5, a.dcolor, a.style, a.width, e.layer_active_());
    commit_("change.draw.point");
    return true;
  }
  if (s.tool_step_ == 0) {
    point_(s.p1x_, s.p1y_);
    s.tool_step_ = 1;
    return true;
  }
  if (t == "RECTANGLE") rect_move_();
  else line_move_();
  e.state_begin_();
  point_(s.p2x_, s.p2y_);
  s.tool_step_ = 0;
  const float shift = row_value_(3);
  const bool parallel = row_checked_(3) && shift != 0;
  if (t == "LINE") {
    e.add_line_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, a.dcolor, a.style, a.width, e.layer_active_(), 0);
    if (parallel)
      e.add_line_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, a.dcolor, a.style, a.width, e.layer_active_(),
                  shift);
    commit_("change.draw.line");
  } else if (t == "POINTS") {
    // Whole count, halves to even, two to 100,000 points with both ends included.
    double n = std::fabs(round_even_(text_leading_number_(trim(row_text_(4)))));
    if (!(n < 100000)) n = 100000;
    if (n <= 2) n = 2;
    const int32_t count = int32_t(n);
    for (int32_t i = 1; i <= count; ++i) {
      const double f = double(i - 1) / double(count - 1);
      e.add_point_(float(s.live_x1_ + (double(s.live_x2_) - s.live_x1_) * f),
                   float(s.live_y1_ + (double(s.live_y2_) - s.live_y1_) * f), 0, 5, a.dcolor, a.style, a.width,
                   e.layer_active_());
    }
    if (parallel)
      e.add_line_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, a.dcolor, a.style, a.width, e.layer_active_(),
                  shift);
    commit_("change.draw.points");
  } else {
    normalise_live_corners_();
    e.add_rect_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, a.dcolor, a.fcolor, a.style, a.width,
                e.layer_active_(), 0);
    if (parallel)
      e.add_rect_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, a.dcolor, a.fcolor, a.style, a.width,
                  e.layer_active_(), shift);
    if (row_checked_(4)) {
      e.vertex_clear_();
      e.vertex_add_(s.live_x1_, s.live_y1_, 0);
      e.vertex_add_(s.live_x2_, s.live_y1_, 0);
      e.vertex_add_(s.live_x2_, s.live_y2_, 0);
      e.vertex_add_(s.live_x1_, s.live_y2_, 0);
      e.add_hatch_(e.hatch_active_(), row_value_(6), row_value_(7), a.dcolor, a.fcolor, a.style, a.width,
                   e.layer_active_(), 0);
    }
    commit_("change.draw.rect");
  }
  return true;
}

bool view_input_::lines_move_() {
  const std::string& t = tool();
  if (t == "LINE" || t == "POINTS") {
    if (ds().tool_step_ == 1) line_move_();
  } else if (is_vertex_tool(t)) {
    if (ds().tool_step_ > 0) vertex_move_();
  } else if (t == "RECTANGLE") {
    if (ds().tool_step_ == 1) rect_move_();
  } else {
    return false;
  }
  return true;
}

// ---- RECTANGLE -------------------------------------------------------------------------

void view_input_::rect_move_() {
  draw_state_rec_& s = ds();
  point_(s.p2x_, s.p2y_);
  size_lock_(1, 1, s.p1x_, s.p1y_, s.p2x_, s.p2y_);
  offset_rule_(3);
  s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
  // The corners the click will add, so the parallel shows on the side where it will be.
  normalise_live_corners_();
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.x2 = s.live_x2_, p.y2 = s.live_y2_;
  p.shift_ok = s.live_shift_ok_, p.shift_val = s.live_shift_val_;
  preview(h_.engine_(), 5, p);
}

// ---- Vertex tools ----------------------------------------------------------------------

void view_input_::vertex_click_(int32_t shift) {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  if (s.tool_step_ < 1) {
    e.vertex_clear_();
    point_(s.live_x1_, s.live_y1_);
  } else {
    vertex_move_();  // the click's own point, locked as a move there would lock it
  }
  ++s.tool_step_;
  e.vertex_add_(s.live_x1_, s.live_y1_, 0);
  if (shift != 2) return;  // Ctrl alone finishes; Ctrl+Shift only adds the vertex
  if (s.tool_step_ > 1) vertex_finish_();
  s.tool_step_ = 0;
  h_.ref_states_();
  h_.ref_(false_, false_);
}

void view_input_::vertex_move_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const std::string& t = tool();
  point_(s.live_x1_, s.live_y1_);
  s.p1x_ = e.vertex_px_(0);
  s.p1y_ = e.vertex_py_(0);
  const bool measure = t == "MES.L" || t == "MES.A";
  if (!measure) {
    lock_rule_(s.p1x_, s.p1y_, s.live_x1_, s.live_y1_);
    offset_rule_(3);
  }
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_;
  int32_t kind = 4;
  if (t == "POLYLINE" || t == "MES.L") kind = 3;
  if (t == "CURVE") kind = 2, p.close = to_flag_(row_checked_(3));
  if (t == "POLYLINE" || t == "POLYGON" || t == "CURVE") p.shift_ok = s.live_shift_ok_, p.shift_val = s.live_shift_val_;
  preview(e, kind, p);
}

void view_input_::vertex_finish_() {
  zaz_class_& e = h_.engine_();
  const std::string& t = tool();
  if (t == "MES.L" || t == "MES.A") return measure_report_(t == "MES.A");
  const new_object_attrs_rec_ a = h_.attrs_();
  const float shift = row_value_(3);
  const bool parallel = row_checked_(3) && shift != 0;
  e.state_begin_();
  const char* label = "change.draw.hatch";
  if (t == "POLYLINE") {
    e.add_polyline_(a.dcolor, a.style, a.width, e.layer_active_(), 0);
    if (parallel) e.add_polyline_(a.dcolor, a.style, a.width, e.layer_active_(), shift);
    label = "change.draw.polyline";
  } else if (t == "POLYGON") {
    e.add_polygon_(a.dcolor, a.fcolor, a.style, a.width, e.layer_active_(), 0);
    if (parallel) e.add_polygon_(a.dcolor, a.fcolor, a.style, a.width, e.layer_active_(), shift);
    if (row_checked_(4))
      e.add_hatch_(e.hatch_active_(), row_value_(6), row_value_(7), a.dcolor, a.fcolor, a.style, a.width,
                   e.layer_active_(), 0);
    label = "change.draw.polygon";
  } else if (t == "CURVE") {
    e.add_curve_(to_flag_(row_checked_(3)), a.dcolor, a.fcolor, a.style, a.width, e.layer_active_());
    label = "change.draw.curve";
  } else {
    e.add_hatch_(e.hatch_active_(), row_value_(4), row_value_(5), a.dcolor, a.fcolor, a.style, a.width,
                 e.layer_active_(), 0);
  }
  e.state_save_(lang_text_(label));
}
