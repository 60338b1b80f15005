// The block library window: a modeless window over the library drawing (a second engine that
// outlives it) with the folder tree, a thumbnail of the selected block, moving blocks between
// the library and the drawing through transfer files, the library's New, Open and Save, a popup
// menu of folder and block commands and an in-place rename box.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "dialogs/library/library_tree.h"
#include "platform/window/window.h"
#include "ui/controls/button/button.h"
#include "ui/controls/popupmenu/popupmenu.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/textbox/textbox.h"

class zaz_class_;

// What the window reaches of the main window.
struct library_host_ {
  std::function<void()> ref_view;                // repaint the drawing view
  std::function<void(int32_t block)> set_block;  // make the BLOCK tool place this block
  std::function<void()> ref_blocks;              // repaint the blocks list of the side panel
};

class ex_xlib_ {
 public:
  ex_xlib_(zaz_class_& main, zaz_class_& library, window_* owner, library_host_ host = {});
  ~ex_xlib_();
  ex_xlib_(const ex_xlib_&) = delete;
  ex_xlib_& operator=(const ex_xlib_&) = delete;

  void show_();  // modeless
  bool open_() const { return dlg_ && dlg_->visible_(); }
  void unload_();  // saves the position and hides the window
  window_& window_of_() { return *dlg_; }
  window_& tree_() { return *pic_; }
  window_& preview_() { return *symbol_; }

  void ref_library_(bool full);
  void pic__MouseDown(int32_t button, int32_t x, int32_t y);
  void pic__KeyDown(int32_t key_code);
  void xpop__PopupMenuClick(const std::string& key, int32_t value);
  void iblock__MouseDown();
  void insert_library_block_();
  void new__MouseDown();
  void open__MouseDown();
  bool save_library_();  // true when the library was written
  void add_library_folder_();

  library_tree_state_ tree;
  std::unique_ptr<xcscrollbox_> scroll_;
  std::unique_ptr<xctextbox_> edit_;
  std::unique_ptr<xcbutton_> insert_, iblock_, new_, open_btn_, save_, close_;
  std::unique_ptr<xcpopupmenu_> xpop_;

 private:
  void form_resize_();
  void set_caption_();
  void open_rename_(const library_rect_& r, int32_t inset_left, const std::string& text);
  void edit_key_(int16_t key_ascii);
  void empty_step_();
  bool save_question_();  // false when the command is to stop

  zaz_class_& main_;
  zaz_class_& lib_;
  window_* owner_;
  library_host_ host_;
  std::unique_ptr<window_> dlg_, pic_, rpx_, symbol_;
  int32_t frame_index_ = 0;
  int32_t icon_delete_ = 0;
};

// The question asked when the program ends with unsaved library changes: Yes saves (asking for
// a name when the library has none), No discards. False when the exit is to stop (Cancel, or a
// save that did not happen).
bool library_exit_question_(zaz_class_& library, window_* owner);

// The program's one library window, shown modeless over owner: the open one is brought to the
// front; otherwise a fresh window is made (the one closed before goes then).
ex_xlib_& show_library_window_(zaz_class_& main, zaz_class_& library, window_* owner, library_host_ host = {});
// Releases the library window (at the end of the run).
void release_library_window_();
