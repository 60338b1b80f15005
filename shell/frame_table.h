// The table of windows that wear the program's own frame: attaching and detaching a window, the
// host's callbacks, the frame geometry helpers, the top inset and the size state.
//
// A framed window is an undecorated window whose frame band (borders and caption) is set by its
// frame insets; the frame takes over the window's frame callbacks and keeps the ones the window
// had, so that each window gets back exactly its own when it leaves the table.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/core/types.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"
#include "shell/frame_state.h"

// The frame band of a window we frame ourselves.
inline constexpr int32_t frame_border_px_ = 4;
inline constexpr int32_t frame_caption_px_ = 26;

// The caption text image of a window under composition; empty without composition.
struct caption_image_rec_ {
  surface_ image;  // premultiplied alpha
  int32_t width = 0;
  int32_t height = 0;
};

// A plain procedure the frame calls back into its host; empty for none.
using frame_callback_ = std::function<void()>;

// What a window has of a classic frame: all set for the main window and the dialogs.
struct frame_style_ {
  bool border = true;
  bool caption = true;
  bool max_box = true;
  bool min_box = true;
  bool sys_menu = true;
};

struct frame_window_rec_ {
  caption_image_rec_ caption_image;
  window_handle_ hwnd = 0;
  int32_t host_dc = 0;  // kept for the ribbon control, not used by the frame
  int32_t icon = 0;     // icon-table id of the window icon, 0 none
  flag16_ active = 0;
  flag16_ has_border = 0;
  flag16_ has_caption = 0;
  flag16_ has_max_box = 0;
  flag16_ has_min_box = 0;
  flag16_ custom_caption = 0;  // -1: ribbon main window (quick-access buttons, centred caption)
  flag16_ has_sys_menu = 0;
  flag16_ pressed = 0;  // -1 from a press on a caption or quick-access button to its release
  frame_callback_ cb_quick_button;
  frame_callback_ cb_activate;
  frame_callback_ cb_caption_down;
  frame_callback_ cb_grown;
  frame_callback_ cb_shrunk;
  uint8_t shadow_size = 0;
  uint8_t shadow_alpha = 0;
  int32_t shadow_color = 0;
  window_handle_ shadow_left = 0, shadow_right = 0, shadow_top = 0, shadow_bottom = 0;
  flag16_ large_enough = 0;  // -1 when the client area was at least 300 x 200 at the last check
};

// Records 1..frame_count_ in attach order; index 0 is never used.
extern std::array<frame_window_rec_, frame_table_max_ + 1> frame_table_;
extern int32_t frame_count_;

// The program's command line, as the start-up found it ("+nohook" keeps platform frames).
std::string& program_command_line_();

// Gives the window the program's frame and returns its frame index; 0 when frames are switched
// off by "+nohook" or the table is full, and the window then keeps the platform's frame.
int32_t attach_frame_(window_& form, flag16_ custom_caption, flag16_ no_min_box,
                      const frame_style_& style = {}, int32_t icon = 0);
// Takes the window out of the table, giving back its own callbacks; the index it had, 0 when
// it was not framed. Records behind it move down by one.
int32_t detach_frame_(window_handle_ hwnd);
int32_t find_frame_index_(window_handle_ hwnd);
// A copy of record n (0..1024), an empty record outside; writing replaces record n.
frame_window_rec_ get_frame_record_(int32_t n);
void set_frame_record_(int32_t n, const frame_window_rec_& record);
void set_frame_callbacks_(int32_t n, frame_callback_ first, frame_callback_ second, frame_callback_ third);
void set_frame_callbacks2_(int32_t n, frame_callback_ fourth, frame_callback_ fifth);
// Calls a host callback when there is one.
void call_frame_callback_(const frame_callback_& cb);

// Frame geometry of a window, in pixels (0 for an unknown window).
int32_t frame_caption_height_(window_handle_ hwnd);
int32_t frame_border_width_(window_handle_ hwnd);
int32_t frame_border_height_(window_handle_ hwnd);
int32_t frame_caption_height2_(window_handle_ hwnd);
int32_t frame_caption_height3_(window_handle_ hwnd);
int32_t menu_bar_height_();

// Glass frames: only when the skin allows them and the desktop composes. This platform reports
// no composition; tests switch it on.
flag16_ composition_enabled_();
void set_desktop_composition_(bool on);

// Repaints the frame of window n (a new caption image first under composition), or of all.
void repaint_frame_(int32_t n);
void repaint_all_frames_();

// The top-level window above a window; 0 for none or when 256 steps do not reach it.
window_handle_ top_level_window_(window_handle_ hwnd);
// The drop-down list a date box or combo box has just shown; hidden on any caption press.
void set_open_dropdown_(window_handle_ hwnd);
void hide_open_dropdown_();

void update_frame_inset_(int32_t n);
void update_size_state_(int32_t n);
// Whether window n is maximized / minimized (false for a bad index).
bool frame_maximized_(int32_t n);
window_* frame_window_(int32_t n);
