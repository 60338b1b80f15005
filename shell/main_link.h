// The main window as the start, the exit and the shell's windows see it. The shell sits below the
// main window: the main window registers a maker here, and the first use creates it.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/core/types.h"
#include "platform/window/window.h"

class zaz_class_;

class main_link_ {
 public:
  virtual ~main_link_() = default;

  // The main window's own window (null once destroyed) and its interface type (0 ribbon, 1 or
  // more classic).
  virtual window_* main_window_() = 0;
  virtual int32_t gui_type_val_() = 0;

  // Hands the engine the drawing view (its device context) so that it can fit the view.
  virtual void view_attach_(zaz_class_& engine) = 0;
  // Repaints the drawing view; refreshes the ribbon; refills the page, layer and style lists.
  virtual void ref_(flag16_ fast, flag16_ resize) = 0;
  virtual void ribbon_refresh_() = 0;
  virtual void ref_lists_() = 0;
  // The status bar's progress (0 start, 1..100, -1 finished), repainted at once.
  virtual void show_progress_(int32_t progress) = 0;
  virtual void show_() = 0;
  virtual void destroy_() = 0;

  // The docking toolbar control: writes its layout file; stops writing it for the rest of the run.
  virtual void dock_state_save_(const std::string& path) = 0;
  virtual void dock_state_disable_() = 0;
  virtual void dock_close_menus_() = 0;

  // What the frame's host procedures do in the ribbon interface.
  virtual void close_popups_() = 0;
  virtual void quick_button_(int32_t button) = 0;
  virtual void show_bars_(bool on) = 0;

  // The main window brought to a newly loaded skin.
  virtual void apply_skin_() = 0;
};

// The maker the main window registers; main_link_in_use_ creates the main window with it on first
// use (null when none is registered). Setting a new maker drops the old main window.
void set_main_link_maker_(std::function<std::unique_ptr<main_link_>()> maker);
main_link_* main_link_in_use_();
// The main window when it exists, without creating it.
main_link_* main_link_if_made_();
void drop_main_link_();
