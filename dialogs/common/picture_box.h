// The plain child windows dialogs paint their lists, pages and previews into.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/window/window.h"

// A shown child window of parent at (x, y), w x h, filled with the background colour (also what
// a resize uncovers); it takes the keyboard focus only when asked to.
std::unique_ptr<window_> make_picture_box_(window_& parent, int32_t x, int32_t y, int32_t w, int32_t h,
                                           uint32_t background, bool takes_focus = false);
