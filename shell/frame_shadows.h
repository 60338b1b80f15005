// Soft shadows of framed windows: four thin click-through layered windows, one along each side,
// painted with per-pixel alpha and moved, shown and hidden with their window.
#pragma once
#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/pixel_types.h"
#include "platform/gdi/surface.h"
#include "shell/frame_table.h"

// -1 when layered windows blend and the screen has more than 15 bits per pixel.
inline flag16_ shadow_support_ = 0;
void check_shadow_support_();

// The window rectangle the last move saw, as handle, left, top, left + right, top + bottom.
struct last_moved_frame_rec_ {
  window_handle_ hwnd = 0;
  int32_t left = 0, top = 0, sum_x = 0, sum_y = 0;
};
inline last_moved_frame_rec_ last_moved_frame_;

// Side 1 left, 2 right, 3 top, 4 bottom: where that shadow stands for a window rectangle.
pixel_rect_ frame_shadow_rect_(const pixel_rect_& window, int32_t s, int32_t side);
// The premultiplied alpha picture of one side, w x h pixels, in window n's shadow colour.
surface_ frame_shadow_picture_(int32_t n, int32_t w, int32_t h, int32_t side);

void create_frame_shadows_(window_& form, frame_window_rec_& r);
void destroy_frame_shadows_(frame_window_rec_& r);
void place_frame_shadows_(int32_t n);
void move_frame_shadows_(int32_t n);
void show_frame_shadows_(int32_t n, flag16_ show);
void paint_frame_shadow_(int32_t n, int32_t x, int32_t y, int32_t w, int32_t h, int32_t side);
// The pixel 0xAARRGGBB of alpha a in window n's colour, premultiplied; 0 for a bad index.
uint32_t shadow_pixel_(int32_t n, int32_t a);
