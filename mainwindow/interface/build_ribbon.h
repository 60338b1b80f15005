// Fills the ribbon with the whole command surface of the ribbon interface, once, at start.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "mainwindow/interface/gui_fields.h"

class xribbon_;
class xcpanelbox_;
class window_;

// What build_ribbon_ needs of the main window; the pointers may be null where a caller has no
// such part (the builder then skips the steps on it).
struct ribbon_build_ctx_ {
  xribbon_* ribbon = nullptr;
  gui_fields_rec_* fields = nullptr;
  int32_t print_icon = 0;           // the print icon the main window loaded before the build
  int32_t twips_per_pixel_x = 0;    // 0: the screen's
  std::string icon_folder;          // empty: the program's icon folder
  std::function<void(bool)> set_ribbon_visible;
  std::array<window_*, 4> docks{};  // the classic dock areas, hidden here
  std::function<void()> build_popup_menus;
  xcpanelbox_* panel = nullptr;     // the tool panel: it draws its right border beside the ribbon
};

// The size factor of combo widths: 15 over the screen's twips per pixel (1 at 96 dpi), and a
// 96-dpi width scaled by it, rounded half to even.
float ribbon_size_factor_(int32_t twips_per_pixel_x);
int16_t ribbon_scaled_width_(int32_t width96, float f);

void build_ribbon_(ribbon_build_ctx_& c);
