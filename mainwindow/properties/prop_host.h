// What the property editor and the blocks list need of the main window. The main window
// implements it over its own side panel and controls; tests implement it over an offscreen
// panel with the real engine and controls.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class dc_;
class window_;
class xccombobox_;
class xcscrollbox_;
class xctextbox_;
class zaz_class_;

class prop_host_ {
 public:
  virtual ~prop_host_() = default;
  virtual zaz_class_& engine() = 0;
  // The side panel `panel2_` (pixel units, persistent surface) and the controls in it.
  virtual window_& panel2() = 0;
  virtual xctextbox_& tedit() = 0;
  virtual xccombobox_& cedit() = 0;
  virtual xcscrollbox_& p2vsc() = 0;
  // 0 hidden, 1 blocks list, 2 property editor.
  virtual int32_t side_panel_mode() = 0;
  virtual int32_t block_to_insert() = 0;
  virtual void block_to_insert(int32_t bid) = 0;
  virtual std::string tool_name() = 0;
  // Sets the current tool's name and its step (ds_tn_).
  virtual void set_tool(const std::string& tool, int32_t step) = 0;
  // Where keys go: 4 the property value box, 0 the drawing view (toolbar and item ids 0).
  virtual void focus_state(int32_t state) = 0;
  // A message box with an OK button and the warning icon; tests script the answer.
  virtual void message_box(const std::string& text) = 0;
  // The undo bracket around one applied value.
  virtual void undo_begin() = 0;
  virtual void undo_save(const std::string& name) = 0;
  // Closes the docking toolbars' drop-downs and the ribbon's drop-down window.
  virtual void hide_dropdowns() = 0;
  // Repaints every docking toolbar window (refresh(0)).
  virtual void refresh_toolbars() = 0;
  // Repaints the drawing view (ref_(0, 0)).
  virtual void ref_view() = 0;
  // 11 the hourglass, 0 the default pointer.
  virtual void mouse_pointer(int32_t id) = 0;
  // After a left press in the blocks list: the view's cursor for the tool, the ribbon's
  // toolbars unchecked and laid out again.
  virtual void blocks_left_press() = 0;
  // After any press in the blocks list: the tool panel's rows and gocmd_("blocks.ins").
  virtual void blocks_press_done() = 0;
  // Opens the blocks-list popup (-2) at the mouse position.
  virtual void show_blocks_popup() = 0;
  // The icon-table id of an icon file the main window loaded at start (0 when none).
  virtual int32_t icon_of(std::string_view file) = 0;
};
