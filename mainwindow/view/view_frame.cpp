// The drawing view's three mouse events: the shared prologue, the order in which the tool
// cases are tried, the common tail of a move (cross-hair, capture, readout), mouse capture and
// the popup at the cursor.
#include <cmath>
#include <cstdlib>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/mdi.h"
#include "mainwindow/view/view_input.h"
#include "platform/services/dialogs.h"
#include "platform/window/window.h"
#include "shell/language.h"

namespace {

bool is_one_of(const std::string& t, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (t == n) return true;
  return false;
}

bool is_transform(const std::string& t) { return is_one_of(t, {"MOVE", "ROTATE", "MIRROR", "SCALE"}); }

}  // namespace

pixel_point_ popup_position_(pixel_point_ cursor, const pixel_rect_& view, const pixel_rect_& main_window,
                             int32_t border_w, int32_t caption_h, int32_t border_h) {
  return {cursor.x - view.left + std::abs(main_window.left - view.left) - border_w,
          cursor.y - view.top + std::abs(main_window.top - view.top) - caption_h - border_h};
}

view_input_::view_input_(view_host_& host) : h_(host) {
  h_.engine_().break_function_([this] { h_.do_events_(); });
  // The engine's warnings (a hatch whose tiles cannot be placed) come up as the tools work.
  h_.engine_().message_function_([this](const std::string& key) {
    message_box_(lang_text_(key), program_title_, box_ok_ + box_icon_warning_, &h_.form_());
  });
}

view_input_::~view_input_() {
  h_.engine_().break_function_(nullptr);
  h_.engine_().message_function_(nullptr);
}

void view_input_::view_pixel_(int32_t& mx, int32_t& my) {
  const pixel_point_ c = cursor_pos_();
  const pixel_rect_ r = h_.view_().window_rect_();
  mx = c.x - r.left;
  my = c.y - r.top;
}

void view_input_::snap_flags_(flag16_& snap, flag16_& an45) {
  const std::string& t = tool();
  snap = to_flag_(!is_one_of(t, {"SELECT", "ZOOM_AREA", "CUTOBJ", "VROUND", "VSLASH", "JLINE", "ELINE",
                                 "PRINTING.PAGEMOVE"}));
  an45 = to_flag_(ds().tool_step_ > 0 &&
                  is_one_of(t, {"MOVE", "ROTATE", "MIRROR", "SCALE", "LINE", "POLYLINE", "CURVE", "RECTANGLE",
                                "POLYGON", "HATCH", "BGROUP", "DIM.F", "DIM.H", "DIM.V", "DIM.B", "DIM.G",
                                "DIM.E", "DIM.A", "DIM.C", "DIM.R", "DIM.D", "MES.L", "MES.A"}));
}

void view_input_::point_(float& x, float& y) { h_.engine_().get_cxy_(x, y, false_, 0); }

void view_input_::client_MouseDown(int32_t button, int32_t shift, float, float) {
  if (h_.dropdown_open_()) {
    h_.close_dropdown_();
    return;
  }
  h_.dock_hide_menu_();
  h_.focus_to_view_();
  zaz_class_& e = h_.engine_();
  button_down_ = true_;
  flag16_ snap = 0, an45 = 0;
  snap_flags_(snap, an45);
  int32_t mx = 0, my = 0;
  view_pixel_(mx, my);
  grip_id_ = grip_at_(mx, my);
  if (button == 2) {
    show_popup_at_cursor_(-1);
    return;
  }
  const std::string t = tool();
  if (t == "SELECT" && grip_id_ > 0 && ds().tool_step_ == 0) return grip_press_(mx, my);
  if ((t == "ZOOM_MOVE" && button == 1) || button == 4) return pan_press_(mx, my);
  if (t == "ZOOM_ZOOM" && button == 1) return zoom_press_(mx, my);
  if (t == "PRINTING.PAGEMOVE" && button == 1) return page_press_(mx, my);

  e.mxy2cxy_(mx, my, snap, an45);
  point_(last_x_, last_y_);
  e.set_posxy_(last_x_, last_y_);

  draw_state_rec_& s = ds();
  if (t == "SELECT") {
    if (button == 1 && s.tool_step_ == 0) select_press_(mx, my);
  } else if (t == "ZOOM_AREA") {
    if (button == 1) zoom_area_press_(mx, my);
  } else if (t == "ZOOM_IN" || t == "ZOOM_OUT") {
    if (button == 1) zoom_step_(t == "ZOOM_IN");
  } else if (t == "ARRAY" || t == "ARRAY.RECT" || t == "ARRAY.CIRC") {
    array_click_(t == "ARRAY.CIRC");
  } else if (is_transform(t)) {
    if (button == 1 && s.tool_step_ == 0) transform_press_();
    else if (button == 1 && s.tool_step_ == 1) transform_commit_();
  } else {
    draw_down_(button, shift);
  }
}

void view_input_::client_MouseMove(int32_t button, int32_t, float x, float y) {
  if (h_.dropdown_open_()) {
    h_.view_().set_cursor_(cursor_shape_::arrow);
    return;
  }
  zaz_class_& e = h_.engine_();
  track_done_ = false_;
  last_move_time_ = h_.clock_();
  flag16_ snap = 0, an45 = 0;
  snap_flags_(snap, an45);
  bool cross = true;
  int32_t mx = 0, my = 0;
  view_pixel_(mx, my);
  const std::string t = tool();
  draw_state_rec_& s = ds();

  if (t == "SELECT" && grip_id_ > 0 && s.tool_step_ == 0) {
    grip_drag_(button, mx, my);
  } else {
    if (t == "ZOOM_MOVE" || button == 4) {
      if ((t == "ZOOM_MOVE" && (button & 1) && s.tool_step_ == 1) || button == 4) pan_move_(mx, my);
      cross = false;
    } else if (t == "ZOOM_ZOOM") {
      if ((button & 1) && s.tool_step_ == 1) zoom_move_(my);
      cross = false;
    } else {
      e.mxy2cxy_(mx, my, snap, an45);
      show_track_points_();
      point_(cursor_x_, cursor_y_);
      e.break_();
      if (t == "PRINTING.PAGEMOVE") {
        if (s.tool_step_ == 1) page_move_();
      } else if (t == "SELECT") {
        if (s.tool_step_ == 1) select_move_(mx, my);
      } else if (t == "ZOOM_AREA") {
        if (s.tool_step_ == 1) {
          point_(s.p2x_, s.p2y_);
          e.draw_selectbox_(s.p1x_, s.p1y_, s.p2x_, s.p2y_);
        }
        cross = false;
      } else if (t == "ZOOM_IN" || t == "ZOOM_OUT") {
        cross = false;
      } else if (is_transform(t)) {
        if (s.tool_step_ == 1) transform_move_();
      } else {
        draw_move_();
      }
    }
    if (t == "SELECT" && s.tool_step_ == 0) select_hover_(mx, my, cross);
    if (cross) e.draw_cursor_(false_);
  }

  capture_view_mouse_(x, y);
  h_.view_().update_();
  float rx = 0, ry = 0;
  e.get_cxy_(rx, ry, true_, 0);
  h_.status_text_("X=" + format_fixed_(rx, 6, true) + ", Y=" + format_fixed_(ry, 6, true));
}

void view_input_::client_MouseUp(int32_t button, int32_t shift, float, float) {
  if (h_.dropdown_open_()) return;
  if (!button_down_) return;
  button_down_ = false_;
  if (button == 2) return;
  int32_t mx = 0, my = 0;
  view_pixel_(mx, my);
  const std::string t = tool();
  draw_state_rec_& s = ds();
  if (t == "SELECT" && grip_id_ >= 1 && s.tool_step_ == 0) {
    grip_release_(button, mx, my);
    grip_id_ = 0;
    return;
  }
  if (t == "ZOOM_MOVE" || button == 4) {
    if (s.tool_step_ == 1) {
      s.tool_step_ = 0;
      s = h_.ds_saved_();
      h_.ref_(false_, false_);
    }
    return;
  }
  if (t == "ZOOM_ZOOM") {
    if (s.tool_step_ == 1) {
      s.tool_step_ = 0;
      h_.ref_(false_, false_);
    }
    return;
  }
  if (t == "PRINTING.PAGEMOVE") {
    s.tool_step_ = 0;
    h_.ref_(false_, false_);
    return;
  }
  if (t == "SELECT") select_release_(shift, mx, my);
}

bool view_input_::escape_() {
  if (ds().tool_step_ < 1) return true;
  ds().tool_step_ = 0;
  h_.ref_(false_, false_);
  return false;
}

void view_input_::capture_view_mouse_(float x, float y) {
  window_& v = h_.view_();
  const bool inside = x >= 0 && y >= 0 && x <= float(v.client_width_()) && y <= float(v.client_height_());
  if (!inside || h_.dock_under_cursor_() || cursor_over_xlib_()) {
    if (!view_captured_) return;
    view_captured_ = false_;
    release_capture_();
    zaz_class_& e = h_.engine_();
    e.draw_cursor_(true_);
    e.draw_preview_(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", 0, 0, 0, 0, 0, 0);
    e.display_mask_(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1);
    v.update_();
    return;
  }
  v.set_capture_();
  capture_result_ = 1;
  view_captured_ = true_;
}

bool view_input_::cursor_over_xlib_() {
  pixel_rect_ r{};
  if (!h_.library_rect_(r)) return false;
  const pixel_point_ c = cursor_pos_();
  return c.x >= r.left && c.x <= r.right && c.y >= r.top && c.y <= r.bottom;
}

void view_input_::show_popup_at_cursor_(int32_t owner) {
  const pixel_point_ p =
      popup_position_(cursor_pos_(), h_.view_().window_rect_(), h_.form_().window_rect_(), h_.frame_border_width_(),
                      h_.frame_caption_height_(), h_.frame_border_height_());
  h_.show_popup_(owner, p.x, p.y);
}

void view_input_::show_track_points_() {
  if (is_one_of(tool(), {"MOVE", "ROTATE", "MIRROR", "SCALE", "ARRAY", "ARRAY.RECT", "ARRAY.CIRC", "POINT",
                         "POINTS", "BLOCK", "BGROUP", "LINE", "POLYLINE", "CURVE", "RECTANGLE", "POLYGON", "ARC.R",
                         "ARC.2P", "ARC.3P", "CIRCLE.R", "CIRCLE.2P", "CIRCLE.3P", "ELLIPSE", "HATCH", "TEXT",
                         "IMAGE", "DIM.F", "DIM.H", "DIM.V", "DIM.B", "DIM.G", "DIM.E", "DIM.A", "DIM.C", "DIM.R",
                         "DIM.D", "MES.L", "MES.A"}))
    h_.engine_().hpoint_show_(false_);
}

void view_input_::timer_Timer() {
  zaz_class_& e = h_.engine_();
  if (h_.take_first_tick_()) {
    const bool had = screen_cursor_set_();
    set_screen_cursor_(cursor_shape_::wait);
    h_.ref_(false_, true_);
    if (!had) restore_screen_cursor_();
  }
  if (!is_set_(e.view_snap2track_())) return;
  // A monotonic clock: a rest never stalls across midnight or a clock change.
  const double elapsed = h_.clock_() - last_move_time_;
  if (elapsed < 0.5 || track_done_) return;
  point_(cursor_x_, cursor_y_);
  int32_t type = 0;
  const int32_t r = e.getrfp_(cursor_x_, cursor_y_, type, true_, false_);
  if (r >= 1) {
    std::vector<int32_t> list;
    const int32_t n = e.getrfp_ex_(list);
    for (int32_t i = 1; i <= n && size_t(i) < list.size(); ++i) e.hpoint_fnd_(list[size_t(i)], cursor_x_, cursor_y_);
    int32_t mx = 0, my = 0;
    view_pixel_(mx, my);
    e.mxy2cxy_(mx, my, true_, true_);
    show_track_points_();
    e.draw_cursor_(false_);
    h_.view_().update_();
  }
  last_move_time_ = h_.clock_();
  track_done_ = true_;
}
