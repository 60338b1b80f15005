// The splash window: a borderless 500 x 250 picture centred on the screen, with a blue box at its
// top left holding the version and, in portable mode, a USB badge. The start loads it every run,
// shows it only when GUI/WScreen is 1 and unloads it before the main window is shown.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gdi/pixel_types.h"
#include "platform/window/window.h"

class dc_;

inline constexpr int32_t splash_width_ = 500, splash_height_ = 250;
inline constexpr int32_t badge_width_ = 41, badge_height_ = 11;

// "v." and the program's version numbers joined by ".".
std::string program_version_text_();
// Top left corner on a screen of the given size: half of it less half the window, rounded to even.
pixel_point_ splash_position_(int32_t screen_width, int32_t screen_height);
// The badge's grey level at column 1..41, row 1..11 (255 background).
uint8_t badge_level_(int32_t column, int32_t row);
// The 100 x 50 version box at (x, y): the fill RGB(42, 86, 153), the version in white and, in
// portable mode, the badge in grey levels below it.
void draw_version_box_(dc_& target, const std::string& version, int32_t x, int32_t y, bool portable);

class start_ {
 public:
  // Form_Load: placed, hidden, the picture and the version box drawn.
  start_();
  ~start_();
  // Places the window centred on the screen.
  void set_start_();
  window_& win() { return *win_; }

 private:
  void paint_();
  std::unique_ptr<window_> win_;
};

// The start's one splash window.
void splash_load_();
void splash_show_();
void splash_unload_();
start_* splash_in_use_();
