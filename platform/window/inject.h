// Synthetic input for tests and replays: events travel the same road as the user's.
#pragma once
#include <cstdint>

#include "platform/input/input_events.h"

class window_;

// A mouse event at a screen point. It goes where the user's would: to the window holding
// the capture, else to the deepest visible window under the point (nothing when none).
// Returns whether a window took it.
bool inject_mouse_(mouse_type_ type, int32_t screen_x, int32_t screen_y, int32_t button = 0,
                   int32_t shift = 0, int32_t wheel = 0);
// The same at a client point of a window.
bool inject_mouse_at_(window_& win, mouse_type_ type, int32_t x, int32_t y, int32_t button = 0,
                      int32_t shift = 0, int32_t wheel = 0);
// A key press or release of a key_* code, with an optional typed character, to the focused
// window (or the active one). The application's key hook sees it first. Returns whether a
// window took it.
bool inject_key_(key_type_ type, int32_t key_code, int32_t shift = 0, uint32_t ch = 0,
                 bool repeat = false);
