// ELINE, JLINE, VSLASH, VROUND and CUTOBJ: unsnapped picks, a type check per click, red markers
// on the picked points and one engine modification per undo step. A join or break the engine
// cannot make is reported and still makes its (empty) step.
#include "engine/zaz_class.h"
#include "mainwindow/view/view_input.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell/language.h"

namespace {
// How long both markers stay on the screen before a join or break changes the drawing.
constexpr int32_t marker_pause_ms = 125;

bool is_line_kind(int32_t type) { return type == ot_line_ || type == ot_polyline_; }
bool is_cut_kind(int32_t type) { return type >= ot_line_ && type <= ot_ellipse_ && type != ot_curve_; }
}  // namespace

bool view_input_::modify_down_(int32_t button) {
  const std::string t = tool();
  if (t != "ELINE" && t != "JLINE" && t != "VSLASH" && t != "VROUND" && t != "CUTOBJ") return false;
  if (button != 1) return true;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const auto pick = [&](float x, float y, int32_t& type) { return e.getrfp_(x, y, type, false_, false_); };
  const auto mark = [&](int32_t obj, float x, float y) {
    e.draw_cursor_(true_);
    e.draw_marker_(obj, x, y, to_flag_(t == "CUTOBJ"));
  };
  const auto finish = [&](const char* label) {
    commit_(label);
    s.tool_step_ = 0;
  };
  int32_t type = 0;
  if (t == "VSLASH" || t == "VROUND") {
    point_(s.p1x_, s.p1y_);
    s.obj1_ = pick(s.p1x_, s.p1y_, type);
    if (s.obj1_ < 1 || (type != ot_polyline_ && type != ot_polygon_)) {
      say_("message.invalidobject");
      return true;
    }
    e.state_begin_();
    const float v = row_value_(1);
    if (t == "VSLASH") e.mod_vslash_(s.obj1_, s.p1x_, s.p1y_, v);
    else e.mod_vround_(s.obj1_, s.p1x_, s.p1y_, v);
    finish(t == "VSLASH" ? "change.mod.vslash" : "change.mod.vround");
    return true;
  }
  if (s.tool_step_ == 0) {
    point_(s.p1x_, s.p1y_);
    s.obj1_ = pick(s.p1x_, s.p1y_, type);
    if (s.obj1_ < 1) return true;
    if (t == "CUTOBJ" ? is_cut_kind(type) : is_line_kind(type)) {
      mark(s.obj1_, s.p1x_, s.p1y_);
      h_.view_().update_();
      s.tool_step_ = 1;
    } else {
      say_("message.invalidobject");
    }
    return true;
  }
  point_(s.p2x_, s.p2y_);
  if (t == "ELINE") {
    e.state_begin_();
    e.mod_exln_(s.obj1_, s.p1x_, s.p1y_, s.p2x_, s.p2y_);
    finish("change.mod.exln");
    return true;
  }
  s.obj2_ = pick(s.p2x_, s.p2y_, type);
  // A refused second pick keeps the first one and its marker: the user just clicks again.
  const char* refusal = nullptr;
  if (t == "JLINE") {
    if (s.obj2_ < 1 || (s.obj2_ != s.obj1_ && !is_line_kind(type))) refusal = "message.invalidobject";
    else if (s.obj2_ == s.obj1_) refusal = "message.twootherobj";
  } else if (s.obj2_ < 1 || s.obj2_ != s.obj1_) {
    refusal = "message.invalidobject";
  }
  if (refusal) {
    say_(refusal);
    return true;
  }
  mark(s.obj2_, s.p2x_, s.p2y_);
  h_.view_().update_();
  sleep_ms_(marker_pause_ms);
  e.state_begin_();
  const flag16_ r = t == "JLINE" ? e.mod_join_(s.obj1_, s.p1x_, s.p1y_, s.obj2_, s.p2x_, s.p2y_)
                                 : e.mod_objcut_(s.obj1_, s.p1x_, s.p1y_, s.obj2_, s.p2x_, s.p2y_);
  if (r != true_) say_("message.cantjoinlines");
  finish(t == "JLINE" ? "change.mod.join" : "change.mod.cutobj");
  return true;
}
