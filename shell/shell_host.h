// The main window as the shell's key dispatcher sees it. The shell sits below the main window,
// so it reaches the main window, its docking toolbars, tool panel, ribbon and drawing view
// through this interface, which the main window registers at start and tests fake.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/types.h"
#include "platform/window/window.h"

class shell_host_ {
 public:
  virtual ~shell_host_() = default;

  // The main window and its interface type (0 ribbon, 1 or more classic menus and toolbars).
  virtual window_handle_ main_window_handle_() = 0;
  virtual int32_t gui_type_val_() = 0;

  // Docking toolbar control: the first button whose key matches (its type, 0 when none, with
  // its toolbar and button ids), a key for its focused text box or menu shortcuts, repainting
  // one tool window (0 all) and closing its menus.
  virtual int32_t dock_getfocus_(const std::string& key, int32_t& tbid, int32_t& btn) = 0;
  virtual void dock_key_event_(int16_t& keycode, int16_t& shift, int16_t& keyascii) = 0;
  virtual void dock_refresh_(int32_t tbid) = 0;
  virtual void dock_hide_menu_() = 0;

  // Tool panel: move to the next (or previous) text item, a key for the edited item, repaint.
  virtual void panel_next_(flag16_ selectall, flag16_ back) = 0;
  virtual void panel_key_event_(int16_t& keycode, int16_t& shift, int16_t& keyascii) = 0;
  virtual void panel_refresh_() = 0;

  // Ribbon: close its drop-downs; whether its key tips are shown.
  virtual void ribbon_hide_winex_() = 0;
  virtual flag16_ ribbon_altstate_() = 0;

  // Main window: the ribbon interface's key handler, the current tool's cursor, the tool step
  // counter, the view repaint and the command entry.
  virtual void common_keydown_(int16_t keycode, int16_t shift) = 0;
  virtual void auto_pointer_() = 0;
  virtual int32_t ds_tn_() = 0;
  virtual void set_ds_tn_(int32_t steps) = 0;
  virtual void ref_(flag16_ fast, flag16_ resize) = 0;
  virtual void gocmd_(const std::string& command) = 0;

  // The main drawing's active view: centre, zoom (pixels per unit) and extent in units.
  virtual float view_posx_() = 0;
  virtual void set_view_posx_(float x) = 0;
  virtual float view_posy_() = 0;
  virtual void set_view_posy_(float y) = 0;
  virtual float view_zoom_() = 0;
  virtual void set_view_zoom_(float zoom) = 0;
  virtual float view_width_() = 0;
  virtual float view_height_() = 0;
};

// The registered host (the main window), or null before it registers.
void set_shell_host_(shell_host_* host);
shell_host_* shell_host_in_use_();
