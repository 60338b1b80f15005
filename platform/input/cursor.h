// Mouse pointers: standard shapes, pointers loaded from cursor files, the screen-wide override.
#pragma once
#include <cstdint>
#include <string>

#include "platform/gdi/pixel_types.h"

enum class cursor_shape_ : uint8_t {
  arrow, ibeam, wait, cross, up_arrow, size_all, size_nesw, size_ns, size_nwse, size_we,
  no_drop, hand, arrow_wait, help, hidden
};

// A loaded pointer; 0 is none.
using cursor_handle_ = int32_t;

// Loads a ".cur" (or ".ico", or any picture) file as a pointer with the file's hot spot;
// 0 when the file cannot be read or is not a pointer picture.
cursor_handle_ load_cursor_file_(const std::string& path);
// The hot spot stored in a ".cur" file's first image, or false for a malformed file.
bool read_cursor_hotspot_(const std::string& bytes, int32_t& x, int32_t& y);
void free_cursor_(cursor_handle_ cursor);

// The screen-wide pointer that covers every window (the hourglass during long work),
// until restored.
void set_screen_cursor_(cursor_shape_ shape);
void restore_screen_cursor_();
bool screen_cursor_set_();

// Pointer position in screen pixels.
pixel_point_ cursor_pos_();
