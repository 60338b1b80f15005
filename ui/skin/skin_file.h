// Skin files beside the program: three scrambled payloads (sprite picture, alpha atlas, skin
// text) behind a header of their three sizes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

// The chosen skin file's full path (select_skin_file_).
extern std::string skin_file_path_;
// -1 once a skin file was read completely and its parts loaded; 0 before and from the start of
// every load. Controls that test it paint plain faces while it is 0.
extern flag16_ skin_loaded_;

// Setting GUI/Skin of kalvinor.common (default 3): 2 black, 1 silver, anything else blue.
void select_skin_file_();
// The file name a skin code chooses, below the program folder.
std::string skin_file_name_(int32_t skin_code);
// Reads and loads a skin file. A missing or malformed file (a size below 1, sizes past the
// file's end, a file shorter than its header) loads nothing and leaves the earlier skin.
void load_skin_file_(const std::string& path);
// Draws the top-left width x height pixels of a picture file unscaled at (0, 0).
void draw_image_file_(dc_& dc, const std::string& path, int32_t width, int32_t height);

// Every byte at an even offset of the payload becomes 255 minus itself; its own inverse.
void scramble_skin_payload_(std::string& payload);
// The bytes of a skin file holding the three plain payloads.
std::string make_skin_file_(std::string_view picture, std::string_view image, std::string_view text);
