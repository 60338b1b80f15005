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

  view_host_& h_;
  bool grip_moved_ = false;  // a grip drag has moved since its press
};
