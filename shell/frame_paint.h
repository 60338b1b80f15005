// The classic frame: without desktop composition the program paints the whole frame band of
// every framed window from the skin (borders, caption bar and text, icon or quick-access
// buttons, and the minimize, maximize and close buttons in their looks).
#pragma once
#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"

void paint_classic_frame_(int32_t n);
void paint_frame_borders_(window_handle_ hwnd, surface_& dc, flag16_ active);
// Paints the caption bar and text into an image of the caption band.
void paint_caption_bar_(window_handle_ hwnd, surface_& dc, int32_t n, flag16_ active, flag16_ centred,
                        int32_t inset);
void draw_window_icon_(window_handle_ hwnd, surface_& dc, int32_t icon);
// state: 1 normal, 2 hover, 4 pressed.
void draw_min_button_(surface_& dc, int32_t left, int32_t top, int32_t right, int32_t bottom, flag16_ active,
                      int32_t state);
void draw_max_button_(surface_& dc, int32_t left, int32_t top, int32_t right, int32_t bottom, flag16_ active,
                      int32_t state, flag16_ maximized);
void draw_close_button_(surface_& dc, int32_t left, int32_t top, int32_t right, int32_t bottom, flag16_ active,
                        int32_t state);
// -1 when the cursor is on the caption icon square of window n.
flag16_ cursor_on_icon_(int32_t n);
// The caption text of a window as the frame shows it: NULs as spaces, trimmed, at most 255.
std::string frame_caption_text_(window_handle_ hwnd);
