// The drawing view's mouse input: three handlers dispatch on the tool name and step kept in
// the host's ds_; the engine converts and snaps the cursor and draws the inverted previews.
// A changing click commits as one undo step: state_begin_, change, state_save_, refreshes.
// Every step that cannot be done is skipped; nothing is reported.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "mainwindow/view/view_host.h"

// Where the view popup goes: the cursor relative to the main window's client area.
pixel_point_ popup_position_(pixel_point_ cursor, const pixel_rect_& view, const pixel_rect_& main_window,
                             int32_t border_w, int32_t caption_h, int32_t border_h);

class view_input_ {
 public:
  // The engine's long picks hand the thread to the event loop through the host.
  explicit view_input_(view_host_& host);
  ~view_input_();
  view_input_(const view_input_&) = delete;
  view_input_& operator=(const view_input_&) = delete;

  // The picture box's events: button 1 left, 2 right, 4 middle (moves: held set); shift bits
  // 1 Shift, 2 Ctrl, 4 Alt. Down and up read the screen cursor, not x and y.
  void client_MouseDown(int32_t button, int32_t shift, float x, float y);
  void client_MouseMove(int32_t button, int32_t shift, float x, float y);
  void client_MouseUp(int32_t button, int32_t shift, float x, float y);
  // The 10 ms tick: first full repaint, then one snap-tracking run per rest of 0.5 s.
  void timer_Timer();

  int32_t ds_tn_() const { return h_.ds_().tool_step_; }
  void ds_tn_(int32_t val_) { h_.ds_().tool_step_ = val_; }
  // Esc: at step 0 the caller clears the selection (true returned), else the figure drops.
  bool escape_();

  void capture_view_mouse_(float x, float y);
  bool cursor_over_xlib_();
  void show_popup_at_cursor_(int32_t owner);
  void show_track_points_();

  // Fields the tools share with the main window.
  float last_x_ = 0, last_y_ = 0;
  flag16_ track_done_ = false_;
  double last_move_time_ = 0;  // monotonic seconds
  float cursor_x_ = 0, cursor_y_ = 0;
  flag16_ button_down_ = false_;
  flag16_ view_captured_ = false_;
  int32_t capture_result_ = 0;
  int32_t grip_id_ = 0;
  std::array<float, 11> live_vals_{};  // 1..10
  int32_t dim_pick_ = 0;  // the arc, circle or ellipse DIM.R and DIM.D dimension

 private:
  draw_state_rec_& ds() { return h_.ds_(); }
  const std::string& tool() { return h_.ds_().tool_name_; }
  void view_pixel_(int32_t& mx, int32_t& my);
  void snap_flags_(flag16_& snap, flag16_& an45);
  void point_(float& x, float& y);  // the last converted point, without offset

  // Selection tool.
  int32_t grip_at_(int32_t mx, int32_t my);  // the handle under a view pixel, 0 none
  void grip_press_(int32_t mx, int32_t my);
  void grip_drag_(int32_t button, int32_t mx, int32_t my);
  void grip_release_(int32_t button, int32_t mx, int32_t my);
  void select_press_(int32_t mx, int32_t my);
  void select_move_(int32_t mx, int32_t my);
  void select_release_(int32_t shift, int32_t mx, int32_t my);
  void select_hover_(int32_t mx, int32_t my, bool& cross);

  // View tools.
  void pan_press_(int32_t mx, int32_t my);
  void pan_move_(int32_t mx, int32_t my);
  void zoom_press_(int32_t mx, int32_t my);
  void zoom_move_(int32_t my);
  void zoom_area_press_(int32_t mx, int32_t my);
  void zoom_step_(bool in);
  void page_press_(int32_t mx, int32_t my);
  void page_move_();
  void set_view_(float zoom, float x, float y);

  // Transformations.
  void transform_press_();
  void transform_move_();
  void transform_commit_();
  void array_click_(bool circ);
  std::string row_text_(int32_t item);
  void row_text_(int32_t item, const std::string& text);
  bool row_checked_(int32_t item);
  void row_checked_(int32_t item, bool on);
  void commit_(const char* label);  // state_save_ and the refreshes after a change

  // Drawing, measuring, modification and dimension tools: the button-down and move cases of
  // the tools the frame does not handle itself; false when the tool is none of them.
  bool draw_down_(int32_t button, int32_t shift);
  bool draw_move_();
  // Rows and rules the drawing tools share (view_draw.cpp).
  float row_value_(int32_t item);
  void show_row_(int32_t item, double v);  // the value with four decimals
  bool row_angle_(int32_t item, float& target);  // rounded to four decimals; false: no number
  void lock_rule_(float x1, float y1, float& x2, float& y2);  // rows 1 and 2: length, angle
  void offset_rule_(int32_t item);  // the parallel offset row
  // Width and height rows item and item + 1 into live_vals_[live] and [live + 1].
  void size_lock_(int32_t item, int32_t live, float x1, float y1, float& x2, float& y2);
  void normalise_live_corners_();  // live_x1_, live_y1_ become the larger x and y
  void say_(const char* key);  // an information message box
  bool lines_down_(int32_t button);
  bool lines_move_();
  void line_move_();
  void vertex_click_(int32_t shift);
  void vertex_move_();
  void vertex_finish_();
  void rect_move_();
  // Text, block, image and block group (view_draw_place.cpp).
  bool place_down_(int32_t button);
  bool place_move_();
  void text_move_();
  void block_move_();
  void image_move_();
  void bgroup_move_();
  // Measuring (view_measure.cpp).
  void measure_report_(bool area);
  // Arcs, circles and ellipses (view_arcs.cpp).
  bool arcs_down_(int32_t button);
  bool arcs_move_();
  void radius_lock_(double d);
  bool three_point_circle_(float ax, float ay, float bx, float by, float cx, float cy);
  void sector_hatch_(float cx, float cy, float r, float a1, float a2, bool degrees, int32_t scale_item,
                     int32_t rot_item);
  void full_hatch_(float cx, float cy, float rx, float ry, int32_t scale_item, int32_t rot_item);
  void hatch_buffer_(int32_t scale_item, int32_t rot_item);
  // Modifications (view_modify.cpp).
  bool modify_down_(int32_t button);
  // Dimensions and references (view_dims.cpp).
  bool dims_down_(int32_t button, int32_t shift);
  bool dims_move_();
  void dim_linear_move_();
  void dim_hv_move_();
  void dim_linear_commit_();
  void ref_move_();

  view_host_& h_;
  bool grip_moved_ = false;  // a grip drag has moved since its press
};
