// Fills the docking toolbar control with the classic interface, once, at start: the main-menu
// bar and its eight menus, the command toolbars, the command box and the tool panel's holder,
// placed from the saved layout file when there is one.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "mainwindow/interface/gui_fields.h"

class xdocktb_;
class xcpanelbox_;
class window_;

inline constexpr const char* dock_layout_file_name_ = "xtoolbars2_.ini";

// What build_dock_toolbars_ needs of the main window; null parts are skipped.
struct dock_build_ctx_ {
  xdocktb_* docktb = nullptr;
  gui_fields_rec_* fields = nullptr;
  window_* main = nullptr;
  std::array<window_*, 4> docks{};  // top, bottom, left, right
  xcpanelbox_* panel = nullptr;     // the tool panel the last toolbar holds
  std::string layout_file;          // empty: the program folder's layout file
  std::string icon_folder;          // empty: the program's icon folder
  std::function<void(bool)> set_ribbon_visible;
  // The main window's background and the dock areas' colours (from the skin palette).
  std::function<void(int32_t main_back, int32_t dock_back)> set_colours;
  std::function<void()> ref_adraw, build_popup_menus;
};

// The layout file the classic interface reads at start and writes at exit.
std::string dock_layout_path_();

void build_dock_toolbars_(dock_build_ctx_& c);
