// Drop-down windows have no platform shadow: before one opens, its owner captures the screen it
// will cover (five pixels larger to the right and below) and darkens the capture into a soft
// shadow, which the popup then paints as its background. Two slots let a submenu open over its
// menu. The same popups and the framed windows get polygon shapes.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"

class window_;

// Slots 1 and 2; other slot numbers do nothing. hwnd null means x, y are screen coordinates,
// else client coordinates of that window. A size below 1 leaves the slot empty.
void capture_popup_background_(int32_t slot, window_* hwnd, int32_t x, int32_t y, int32_t w, int32_t h);
// Copies the slot's capture from its top-left corner onto (x, y, w, h) of dc.
void blit_popup_background_(int32_t slot, dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h);
// Releases slot n, or both when n is 0.
void free_popup_background_(int32_t n);
// The slot's capture, or null when the slot is empty.
const surface_* popup_background_(int32_t slot);

// The soft shadow: rows and columns from the fifth on are darkened towards the edges.
void darken_popup_capture_(surface_& capture);

// Where the screen pixels come from; the default reads the screen and, when the platform
// gives nothing (offscreen), hands back a plain surface that is darkened alike.
using screen_source_ = std::function<bool(const pixel_rect_& screen_rect, surface_& out)>;
void set_popup_screen_source_(screen_source_ source);  // empty restores the default

// The window's shape: cut corners for popups (popup and shaped -1), rounded top corners for a
// restored framed window when shaped is -1, else the whole rectangle.
void set_window_shape_(window_& hwnd, flag16_ popup, flag16_ shaped);

// The same as fill_rect_, for the glass painters.
void fill_rect2_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour, int32_t border_colour);
