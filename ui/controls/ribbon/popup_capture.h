// The background a drop-down covers, captured into a popup slot. The screen is read where the
// platform shows one; offscreen, the window below (rendered by itself) stands in, so that the
// shadow band still shows what lies under the popup.
#pragma once
#include <cstdint>

class window_;

// x, y are client coordinates of `below`, or screen coordinates when screen_coords is set.
void capture_popup_over_(int32_t slot, window_& below, bool screen_coords, int32_t x, int32_t y, int32_t w, int32_t h);
