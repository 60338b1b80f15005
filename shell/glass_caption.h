// The glass caption: under desktop composition the platform draws the frames, and the program
// paints only the caption band of the ribbon main window: a cached text image with a glow,
// centred, and the quick-access buttons, on a transparent band.
#pragma once
#include <cstdint>

#include "platform/gdi/surface.h"
#include "shell/frame_table.h"

void paint_glass_frame_(int32_t n);
void paint_glass_caption_(window_handle_ hwnd, surface_& dc, int32_t n);
// The caption text image of window n (the text 10 pixels in from the left and top, so the
// image is 20 pixels wider and higher than the text); empty for n < 1 or without composition.
caption_image_rec_ draw_glow_text_(window_handle_ hwnd, int32_t n);
// One quick-access button over (x, y, w, h); look 0 plain, 1 hover, 2 pressed, 3 third face.
// Under composition the parts that neither face nor icon covers stay transparent.
void draw_caption_quick_button_(surface_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t icon,
                                int32_t look);
