// What the drawing view's input handlers need of the main window. The main window implements
// it; tests implement it with a small offscreen window. Everything runs on the UI thread.
#pragma once
#include <cstdint>
#include <string>

#include "mainwindow/draw_state.h"
#include "platform/core/types.h"
#include "platform/gdi/pixel_types.h"
#include "platform/input/cursor.h"

class zaz_class_;
class window_;
class xcpanelbox_;

// The attributes every new object gets: draw and fill colour codes, line style, line width id.
struct new_object_attrs_rec_ {
  int32_t dcolor = -4, fcolor = -2;
  int16_t style = -4, width = -4;
};

// The picture the IMAGE tool places and its size in pixels (0 until one is chosen).
struct image_choice_rec_ {
  std::string file;
  float w = 0, h = 0;
};

class view_host_ {
 public:
  virtual ~view_host_() = default;

  virtual zaz_class_& engine_() = 0;
  virtual window_& form_() = 0;  // the main window
  virtual window_& view_() = 0;  // the drawing view; the engine paints its client surface
  virtual xcpanelbox_* tool_panel_() = 0;  // null when there is none
  // The running tool's state and the copy a pan puts aside.
  virtual draw_state_rec_& ds_() = 0;
  virtual draw_state_rec_& ds_saved_() = 0;

  // Refreshes.
  virtual void ref_(flag16_ fast, flag16_ resize) = 0;
  virtual void ref_states_() = 0;
  virtual void ref_edit_(flag16_ a, flag16_ b) = 0;
  virtual void auto_pointer_() = 0;
  virtual void status_text_(const std::string& text) = 0;

  // Ribbon drop-down, docking toolbars, keyboard focus, popups.
  virtual bool dropdown_open_() = 0;
  virtual void close_dropdown_() = 0;
  virtual void dock_hide_menu_() = 0;
  virtual bool dock_under_cursor_() = 0;
  virtual void focus_to_view_() = 0;  // the focus state reads "drawing view" afterwards
  // Shows the ribbon popup of owner (-1 view, -2 blocks) at a main-window client point.
  virtual void show_popup_(int32_t owner, int32_t x, int32_t y) = 0;
  // Main-window frame metrics: border width, caption height, border height.
  virtual int32_t frame_border_width_() = 0;
  virtual int32_t frame_caption_height_() = 0;
  virtual int32_t frame_border_height_() = 0;

  // Dialog seam: the block-library window is open and its screen rectangle.
  virtual bool library_rect_(pixel_rect_& r) = 0;

  // True once after start-up and every resize: the next tick repaints everything.
  virtual bool take_first_tick_() = 0;
  // Monotonic clock in seconds.
  virtual double clock_() = 0;
  // Lets pending events run (the engine's break procedure during a long pick).
  virtual void do_events_() = 0;

  // What the drawing tools give new objects and place: the main window's fields. The
  // defaults are the main window's start values.
  virtual new_object_attrs_rec_ attrs_() { return {}; }
  virtual std::string ddraw_text_() { return {}; }   // the TEXT tool's text
  virtual int32_t block_to_insert_() { return 0; }   // the BLOCK tool's block, 0 none
  virtual image_choice_rec_ image_choice_() { return {}; }
};
