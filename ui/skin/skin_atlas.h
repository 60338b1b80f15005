// The skin atlas in its two forms: the sprite picture the device-context blitters copy from
// (pure red marks transparent pixels) and the alpha atlas the antialiased blitter draws from,
// at the same coordinates.
#pragma once
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/surface.h"
#include "platform/gdiplus/image.h"

// The sprite picture as an opaque surface; empty while no picture is loaded, and then every
// blitter draws nothing.
extern surface_ skin_picture_;
// The alpha atlas; empty when none loaded.
extern image_ skin_atlas_image_;

// Pure red, the transparent key of the sprite picture.
inline constexpr uint32_t skin_key_colour_ = 0x0000FF;

inline bool skin_picture_loaded_() { return !skin_picture_.empty_(); }

// Loads the sprite picture, has the skin text read and loads the alpha atlas; -1 when both
// pictures arrived and the sprite families were filled, else 0. A picture that fails leaves no
// picture (the earlier one is released) and everything else as it was; an alpha atlas that
// fails keeps the new picture and palette with the earlier rectangles.
flag16_ load_skin_parts_(const std::string& picture_file, const std::string& image_file, const std::string& text_file);
// The same from the three payloads held in memory.
flag16_ load_skin_parts_bytes_(std::string_view picture, std::string_view image, std::string_view text);
// Forgets the pictures and every sprite rectangle (the state before the first skin).
void unload_skin_parts_();
