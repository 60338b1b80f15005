// The screen and the user's desktop settings.
#pragma once
#include <cstdint>
#include <string>

#include "platform/gdi/surface.h"
#include "platform/gdi/pixel_types.h"

int32_t screen_width_px_();
int32_t screen_height_px_();
pixel_rect_ work_area_();  // the desktop less panels and task bars
int32_t screen_bits_per_pixel_();
// The height of a classic menu bar (20 pixels at 96 DPI) and the double-click time.
int32_t menu_bar_height_px_();
int32_t double_click_ms_();
// Twips per pixel from the screen's logical DPI: 15 at 96 DPI.
int32_t twips_per_pixel_x_();
int32_t twips_per_pixel_y_();
// What the screen shows inside a rectangle (screen pixels), as an opaque surface; false when
// the platform gives nothing.
bool capture_screen_(const pixel_rect_& r, surface_& out);

// System colours by the classic index (0..30, e.g. 15 the button face) or as a colour code
// with the top bit set (0x8000000F); the result is 0x00BBGGRR, or 0 for an unknown index.
inline constexpr int32_t sys_colour_button_face_ = 15;
inline constexpr int32_t sys_colour_window_ = 5;
inline constexpr int32_t sys_colour_window_text_ = 8;
inline constexpr int32_t sys_colour_highlight_ = 13;
inline constexpr int32_t sys_colour_highlight_text_ = 14;
inline constexpr int32_t sys_colour_gray_text_ = 17;
uint32_t system_colour_(int64_t index);

// The user's decimal separator ("." or ",").
std::string decimal_separator_();
void system_beep_();
