// The frame's window procedure: every framed window's frame events pass through one table,
// which repaints the frame, turns presses on the painted caption buttons and quick-access
// buttons into window commands and host callbacks, shows the system menu, keeps the shadows in
// step and reports size changes. What it does not answer itself goes on to the window's own
// handlers, which the frame keeps per window; without one the platform's default applies
// (a caption press moves the window, a border press sizes it).
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/core/types.h"
#include "platform/input/input_events.h"
#include "platform/window/window.h"

enum class frame_msg_ : uint8_t {
  destroy,
  move,
  size,
  pos_changed,  // after every move or size change
  activate,     // wparam 1 active, 0 inactive
  nc_paint,
  nc_mouse_move,
  nc_left_down,
  nc_left_up,
  nc_left_double,
  nc_right_down,
  nc_right_up,
  mouse_wheel,
  sys_command,  // wparam the command, lparam 0 for the menu key alone
  window_menu,  // the task bar asks for the window menu
};

struct frame_msg_args_ {
  int32_t wparam = 0;
  int32_t lparam = 0;
  mouse_event_ mouse;  // frame mouse messages: whole-window pixels
  int32_t width = 0, height = 0;  // size: the new client size
  // A press the sender means as one on the caption wherever it lies (the ribbon's empty area
  // drags the window): by default it moves the window.
  bool on_caption = false;
};

// System commands.
inline constexpr int32_t sc_size_ = 0xF000;
inline constexpr int32_t sc_move_ = 0xF010;
inline constexpr int32_t sc_minimize_ = 0xF020;
inline constexpr int32_t sc_maximize_ = 0xF030;
inline constexpr int32_t sc_close_ = 0xF060;
inline constexpr int32_t sc_keymenu_ = 0xF100;
inline constexpr int32_t sc_restore_ = 0xF120;

int32_t frame_window_proc_(window_handle_ hwnd, frame_msg_ msg, const frame_msg_args_& args);

// Puts the frame's handlers on a window, keeping the window's own; unhooking gives them back
// (only those the frame still holds).
void hook_frame_window_(window_& w);
void unhook_frame_window_(window_handle_ hwnd);

// which: 0 the three buttons together, 1 minimize, 2 maximize, 3 close. Fills the rectangle
// in window pixels; returns 1 normal, 2 hover, 4 pressed for the cursor now (0 for n < 1).
int32_t caption_button_state_(int32_t which, int32_t n, int32_t& left, int32_t& top, int32_t& right,
                              int32_t& bottom);

// Where the system menu opens: at the icon, kept on the desktop; else at the cursor.
pixel_point_ system_menu_position_(const pixel_rect_& desktop, const pixel_rect_& window, int32_t border_w,
                                   int32_t border_h, int32_t caption_h, int32_t items, int32_t menu_h,
                                   bool at_icon, pixel_point_ cursor);
// Shows the window's system menu (restore, minimize, maximize, close) and posts the pick.
void show_system_menu_(window_handle_ hwnd, flag16_ at_icon);

// Post a system command to the window (it runs from the event loop).
void post_system_command_(window_handle_ hwnd, int32_t command);
void toggle_minimize_(window_handle_ hwnd);
void toggle_maximize_(window_handle_ hwnd);
void post_close_(window_handle_ hwnd);

// Controls that take mouse-wheel steps, in the form's control order.
enum class wheel_control_kind_ : uint8_t { ribbon, scroll_box, combo_box };
struct wheel_control_ {
  wheel_control_kind_ kind = wheel_control_kind_::scroll_box;
  // The control's call_mscroll_: -1 when it used the step (+1 towards the user, -1 away).
  std::function<flag16_(int16_t)> call_mscroll;
};
void set_form_wheel_controls_(window_handle_ form, std::vector<wheel_control_> controls);
inline flag16_ wheel_handled_ = 0;
// Hands one wheel step to the controls of the active form.
void route_mouse_wheel_(window_handle_ hwnd, const mouse_event_& m);
